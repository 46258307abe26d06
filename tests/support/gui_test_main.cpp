// Entry of the window tests: starts wx without a main window, turns every wx assert and every
// unexpected modal dialog into a test failure, and runs GoogleTest.

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/modalhook.h>

#include <gtest/gtest.h>

#include "support/gui_test_support.h"

#include <cstdio>

// Outside the anonymous namespace: wxIMPLEMENT_APP defines wxGetApp() for it.
class TestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

namespace {

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_string().c_str(), line)
        << "wx assert in " << func.utf8_string() << ": " << cond.utf8_string() << " "
        << msg.utf8_string();
}

// Any modal dialog that no wxTEST_DIALOG expected ends up here: it fails the test and is
// cancelled, so it can never block the run.
class UnexpectedDialogHook : public wxModalDialogHook {
protected:
    int Enter(wxDialog* dialog) override {
        if (ScopedRealModalDialogs::Active()) return wxID_NONE;
        ADD_FAILURE() << "unexpected modal dialog \"" << dialog->GetTitle().utf8_string() << "\"";
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(TestApp);

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Test discovery runs at build time, often with no display: list before starting wx.
    if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();

    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "cannot start wxWidgets (is DISPLAY set?)\n");
        return 2;
    }
    wxSetAssertHandler(FailOnAssert);
    delete wxLog::SetActiveTarget(new wxLogStderr);  // a log dialog would block the run
    UnexpectedDialogHook unexpected_dialogs;
    unexpected_dialogs.Register();
    wxTheApp->CallOnInit();

    const int rc = RUN_ALL_TESTS();

    unexpected_dialogs.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return rc;
}

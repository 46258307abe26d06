#include "support/gui_test_support.h"

#include "support/wx_testing.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

bool PumpUntil(const std::function<bool()>& cond, int timeout_ms) {
    const wxLongLong end = wxGetLocalTimeMillis() + timeout_ms;
    while (!cond()) {
        if (wxGetLocalTimeMillis() > end) return cond();
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
    return true;
}

void PumpFor(int ms) {
    PumpUntil([] { return false; }, ms);
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteWholeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarnel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

int ExpectFileDialog::OnInvoked(wxFileDialog* dlg) const {
    if (!message_.empty()) {
        EXPECT_EQ(dlg->GetMessage().utf8_string(), message_);
    }
    if (answer_ != wxID_OK) return answer_;
    const wxString path = wxString::FromUTF8(path_);
    dlg->SetPath(path);
    EXPECT_TRUE(PumpUntil([&] { return dlg->GetPath() == path; }, 2000))
        << "the file dialog did not take the path " << path_;
    return wxID_OK;
}

namespace {
int real_modal_depth = 0;
}

ScopedRealModalDialogs::ScopedRealModalDialogs() { ++real_modal_depth; }
ScopedRealModalDialogs::~ScopedRealModalDialogs() { --real_modal_depth; }
bool ScopedRealModalDialogs::Active() { return real_modal_depth > 0; }

int ShowModalAndAct(wxDialog& dialog, const std::function<void()>& act, int timeout_ms) {
    ScopedRealModalDialogs real;
    bool timed_out = false;
    wxTimer watchdog;
    watchdog.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        timed_out = true;
        if (dialog.IsModal()) dialog.EndModal(wxID_ABORT);
    });
    watchdog.StartOnce(timeout_ms);
    dialog.CallAfter([&] { act(); });
    const int rc = dialog.ShowModal();
    watchdog.Stop();
    EXPECT_FALSE(timed_out) << "the dialog \"" << dialog.GetTitle().utf8_string()
                            << "\" did not close by itself";
    return rc;
}

void ClickButton(wxWindow* button) {
    ASSERT_NE(button, nullptr);
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->ProcessWindowEvent(click);
}

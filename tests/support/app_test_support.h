#pragma once
// Helpers for tests that drive the whole main window: answering the mode dialog, sending menu
// commands, a fixture with a shown main window and one that holds a fresh Simple program.

#include "app/main_frame.h"
#include "app/mode_dialog.h"
#include "program/simple_program_panel.h"
#include "simple/timing_editor.h"
#include "support/gui_test_support.h"
#include "support/wx_testing.h"

#include <wx/choice.h>
#include <wx/gauge.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>
#include <wx/weakref.h>

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

// Answers the mode selection dialog with a result.
template <>
class wxExpectModal<AdvanceSelectDialog>
    : public wxExpectModalBase<AdvanceSelectDialog, wxExpectModal<AdvanceSelectDialog>> {
public:
    explicit wxExpectModal(int result) : result_(result) {}

protected:
    int OnInvoked(AdvanceSelectDialog* dlg) const override {
        EXPECT_EQ(dlg->GetTitle(), "Create New - Select Mode");
        return result_;
    }

private:
    int result_;
};

// Whether panel is the empty plain panel rather than a Simple or Advanced one.
inline bool IsPlainPanel(const ProgramPanel* panel) {
    if (!panel) return false;
    const ProgramPanel& hosted = *panel;
    return typeid(hosted) == typeid(ProgramPanel);
}

// Sends a menu command of the main window as choosing it would.
inline void SendMenu(MainFrame* frame, const char* menu, const char* item) {
    const int id = frame->GetMenuBar()->FindMenuItem(menu, item);
    ASSERT_NE(id, wxNOT_FOUND) << menu << " > " << item;
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(frame);
    frame->ProcessWindowEvent(event);
}

// Gives the keyboard focus to window and waits for its focus event; false when it did not
// arrive (FindFocus alone can report a focus that GTK has not delivered).
inline bool FocusOn(wxWindow* window) {
    if (wxWindow::FindFocus() == window) return true;
    bool arrived = false;
    // Bound last, so it sees the event before the window's own handlers.
    auto note_arrival = [&arrived](wxFocusEvent& event) {
        arrived = true;
        event.Skip();
    };
    window->Bind(wxEVT_SET_FOCUS, note_arrival);
    window->SetFocus();
    const bool ok = PumpUntil([&arrived] { return arrived; });
    window->Unbind(wxEVT_SET_FOCUS, note_arrival);
    return ok;
}

// A shown main window, destroyed after the test unless the test closed it.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        frame = new MainFrame();
        frame->Show();
        PumpFor(10);
    }
    void TearDown() override {
        if (frame && !frame->IsBeingDeleted()) {
            frame->SetSaveStatus(false);
            frame->Destroy();
        }
        PumpUntil([&] { return !frame; });
    }

    void Menu(const char* menu, const char* item) { SendMenu(frame, menu, item); }
    wxToolBar* ToolBar() { return FindNamed<wxToolBar>(frame->GetProgramPanel(), "tool_bar"); }
    bool SaveToolEnabled() {
        wxToolBar* tools = ToolBar();
        return tools && tools->GetToolEnabled(ProgramPanel::kSaveTool);
    }
    wxGauge* Gauge() { return FindNamed<wxGauge>(frame->GetProgramPanel(), "size_gauge"); }

    wxWeakRef<MainFrame> frame;
    TempDir dir;
};

// A shown main window holding a Simple program made with New.
class SimpleProgramTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        NewSimpleProgram();
    }

    void NewSimpleProgram() {
        wxTEST_DIALOG(Menu("File", "New..."),
                      wxExpectModal<AdvanceSelectDialog>(AdvanceSelectDialog::kSimpleResult));
        ASSERT_NE(Panel(), nullptr) << "New did not create a Simple program";
    }
    ProgramPanelTARNEL3* Panel() {
        return dynamic_cast<ProgramPanelTARNEL3*>(frame->GetProgramPanel());
    }
    TarnelFeeder3Panel* Editor() { return Panel() ? Panel()->GetEditor() : nullptr; }
    wxTextCtrl* Field(const char* name) { return FindNamed<wxTextCtrl>(Editor(), name); }
    wxWindow* UsbButton() { return FindNamed(frame->GetProgramPanel(), "usb_program_button"); }
    // Chooses a program type as the user would.
    void SelectType(int type) {
        auto* choice = FindNamed<wxChoice>(Editor(), "program_type_choice");
        ASSERT_NE(choice, nullptr);
        choice->SetSelection(type);
        wxCommandEvent event(wxEVT_CHOICE, choice->GetId());
        event.SetEventObject(choice);
        event.SetInt(type);
        choice->ProcessWindowEvent(event);
    }

    // Types text into the named field as the user would (focus, text, leave for the button).
    // The field's group must be shown.
    void Commit(const char* name, const std::string& text) {
        wxTextCtrl* field = Field(name);
        ASSERT_NE(field, nullptr) << name;
        ASSERT_TRUE(field->IsShownOnScreen()) << name << " is in a hidden group";
        ASSERT_TRUE(FocusOn(field)) << name << " did not take the focus";
        field->SetValue(wxString::FromUTF8(text));
        ASSERT_TRUE(FocusOn(UsbButton())) << name << " did not give up the focus";
    }
};

// The main window on a real display: title rules, the document flows and their dialogs.

#include "app/main_frame.h"

#include "app/about_dialog.h"
#include "app/mode_dialog.h"
#include "program/advanced_program_panel.h"
#include "program/simple_program_panel.h"
#include "support/app_test_support.h"
#include "support/gui_test_support.h"
#include "support/wx_testing.h"

#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/toolbar.h>
#include <wx/weakref.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

// Reads the About box's title and text.
template <>
class wxExpectModal<AboutDlg> : public wxExpectModalBase<AboutDlg, wxExpectModal<AboutDlg>> {
public:
    wxExpectModal(wxString* title, wxString* text) : title_(title), text_(text) {}

protected:
    int OnInvoked(AboutDlg* dlg) const override {
        *title_ = dlg->GetTitle();
        if (auto* label = FindNamed<wxStaticText>(dlg, "about_text")) *text_ = label->GetLabel();
        return wxID_OK;
    }

private:
    wxString* title_;
    wxString* text_;
};

namespace {

const int kSimple = AdvanceSelectDialog::kSimpleResult;
const int kAdvanced = AdvanceSelectDialog::kAdvancedResult;
const char* const kOpenError =
    "Unable to load file. Please verify the file is a quorvel timer file and the path is valid.";

class MainFrameTest : public MainWindowTest {
protected:
    // Presses a tool of the hosted panel; New and Open run once the click has been handled.
    void Tool(int id) {
        wxCommandEvent event(wxEVT_TOOL, id);
        event.SetEventObject(ToolBar());
        frame->GetProgramPanel()->ProcessWindowEvent(event);
        PumpFor(30);
    }
    bool IsEmptyState() {
        ProgramPanel* panel = frame->GetProgramPanel();
        return IsPlainPanel(panel) && frame->GetFilePath().empty() &&
               !frame->GetSaveStatus() && frame->GetTitle() == "Tarnel Feeder Programmer";
    }
    void NewSimpleProgram() {
        wxTEST_DIALOG(Menu("File", "New..."), wxExpectModal<AdvanceSelectDialog>(kSimple));
        ASSERT_NE(dynamic_cast<ProgramPanelTARNEL3*>(frame->GetProgramPanel()), nullptr);
    }
};

TEST_F(MainFrameTest, StartsEmpty) {
    EXPECT_TRUE(IsEmptyState());
    wxMenuBar* menus = frame->GetMenuBar();
    ASSERT_EQ(menus->GetMenuCount(), 2u);
    EXPECT_EQ(menus->GetMenuLabel(0), "&File");
    EXPECT_EQ(menus->GetMenuLabel(1), "&Help");
    for (const char* item : {"New...", "Open...", "Save...", "Save As...", "Exit"})
        EXPECT_NE(menus->FindMenuItem("File", item), wxNOT_FOUND) << item;
    EXPECT_NE(menus->FindMenuItem("Help", "About"), wxNOT_FOUND);
    EXPECT_EQ(frame->GetPosition(), wxPoint(0, 0));

    wxToolBar* tools = ToolBar();
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(tools->GetToolEnabled(ProgramPanel::kNewProgramTool));
    EXPECT_TRUE(tools->GetToolEnabled(ProgramPanel::kOpenProgramTool));
    EXPECT_FALSE(tools->GetToolEnabled(ProgramPanel::kSaveTool));
    EXPECT_EQ(tools->FindById(ProgramPanel::kAddTool), nullptr);
    EXPECT_EQ(tools->GetToolShortHelp(ProgramPanel::kNewProgramTool), "Create a new program");
    EXPECT_EQ(tools->GetToolShortHelp(ProgramPanel::kOpenProgramTool), "Open an existing program");
    EXPECT_EQ(tools->GetToolShortHelp(ProgramPanel::kSaveTool), "Save the program");
    EXPECT_FALSE(FindNamed(frame, "size_gauge")->IsShown());
    EXPECT_FALSE(FindNamed(frame, "usb_program_button")->IsShown());
}

TEST_F(MainFrameTest, TitleFollowsFileNameAndSaveStatus) {
    struct Case { const char* name; bool status; const char* file_name; const char* title; };
    const Case cases[] = {
        {"unsaved without file", true, "", "Tarnel Feeder Programmer - *"},
        {"saved without file", false, "", "Tarnel Feeder Programmer"},
        {"unsaved with file", true, "a.qvl", "Tarnel Feeder Programmer - a.qvl*"},
        {"saved with file", false, "a.qvl", "Tarnel Feeder Programmer - a.qvl"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (*c.file_name) {
            NewSimpleProgram();
            const std::string path = dir.File(c.file_name);
            wxTEST_DIALOG(Menu("File", "Save As..."), ExpectFileDialog(path));
        }
        frame->SetSaveStatus(c.status);
        EXPECT_EQ(frame->GetTitle(), c.title);
        frame->SetSaveStatus(false);
        frame->Clear();
    }
}

TEST_F(MainFrameTest, NewPlacesThePanelOfTheChosenMode) {
    NewSimpleProgram();
    EXPECT_EQ(frame->GetTitle(), "Tarnel Feeder Programmer");
    EXPECT_FALSE(ToolBar()->GetToolEnabled(ProgramPanel::kSaveTool));
    EXPECT_TRUE(FindNamed(frame, "usb_program_button")->IsShown());

    wxTEST_DIALOG(Tool(ProgramPanel::kNewProgramTool), wxExpectModal<AdvanceSelectDialog>(kAdvanced));
    ASSERT_NE(dynamic_cast<ProgramPanelTARNEL3A*>(frame->GetProgramPanel()), nullptr);
    EXPECT_NE(ToolBar()->FindById(ProgramPanel::kAddTool), nullptr);
    EXPECT_EQ(ToolBar()->GetToolShortHelp(ProgramPanel::kAddTool), "Add");

    for (int result : {int(AdvanceSelectDialog::kCancelResult), int(wxID_CANCEL)}) {
        wxTEST_DIALOG(Menu("File", "New..."), wxExpectModal<AdvanceSelectDialog>(result));
        EXPECT_TRUE(IsEmptyState()) << "mode dialog result " << result;
    }
}

TEST_F(MainFrameTest, SavePromptGuardsUnsavedPrograms) {
    // Cancel, or closing the box, keeps the program and its unsaved state.
    NewSimpleProgram();
    ProgramPanel* program = frame->GetProgramPanel();
    frame->SetSaveStatus(true);
    wxTEST_DIALOG(Menu("File", "New..."),
                  ExpectMessageBox(wxID_CANCEL, "Quorvel - Save Program?", "Save before closing?"));
    wxTEST_DIALOG(Menu("File", "Open..."),
                  ExpectMessageBox(wxID_CANCEL, "Quorvel - Save Program?", "Save before opening?"));
    EXPECT_EQ(frame->GetProgramPanel(), program);
    EXPECT_TRUE(frame->GetSaveStatus());

    // Yes for a program without a file asks for one; cancelling that cancels the flow.
    wxTEST_DIALOG(Menu("File", "New..."), ExpectMessageBox(wxID_YES, "", "Save before closing?"),
                  ExpectFileDialog("", wxID_CANCEL, "Please select the file to save"));
    EXPECT_EQ(frame->GetProgramPanel(), program);
    EXPECT_TRUE(frame->GetSaveStatus());

    // Yes with a file chosen saves, then goes on.
    const std::string path = dir.File("kept.qvl");
    wxTEST_DIALOG(Menu("File", "Open..."), ExpectMessageBox(wxID_YES, "", "Save before opening?"),
                  ExpectFileDialog(path), ExpectFileDialog("", wxID_CANCEL));
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_TRUE(IsEmptyState());

    // No goes on without saving.
    NewSimpleProgram();
    frame->SetSaveStatus(true);
    wxTEST_DIALOG(Menu("File", "New..."), ExpectMessageBox(wxID_NO, "", "Save before closing?"),
                  wxExpectModal<AdvanceSelectDialog>(kAdvanced));
    EXPECT_NE(dynamic_cast<ProgramPanelTARNEL3A*>(frame->GetProgramPanel()), nullptr);
    EXPECT_FALSE(frame->GetSaveStatus());
}

TEST_F(MainFrameTest, ClosingAsksFirstAndCancelKeepsTheWindow) {
    NewSimpleProgram();
    frame->SetSaveStatus(true);
    wxTEST_DIALOG(Menu("File", "Exit"),
                  ExpectMessageBox(wxID_CANCEL, "Quorvel - Save Program?", "Save before exiting?"));
    EXPECT_FALSE(frame->IsBeingDeleted());
    wxTEST_DIALOG(frame->Close(), ExpectMessageBox(wxID_NO, "", "Save before exiting?"));
    EXPECT_TRUE(PumpUntil([&] { return !frame; }));
}

TEST_F(MainFrameTest, ClosingASavedProgramAsksNothing) {
    frame->Close();
    EXPECT_TRUE(PumpUntil([&] { return !frame; }));
}

TEST_F(MainFrameTest, SaveInTheEmptyStateWritesOnlyTheRoot) {
    const std::string path = dir.File("empty.qvl");
    wxTEST_DIALOG(Menu("File", "Save..."), ExpectFileDialog(path, wxID_OK, "Please select the file to save"));
    EXPECT_EQ(ReadWholeFile(path), "<Quorvel_9259 version=\"100\"/>\n\n");
    EXPECT_EQ(frame->GetTitle(), "Tarnel Feeder Programmer - empty.qvl");
    EXPECT_TRUE(IsPlainPanel(frame->GetProgramPanel()));

    wxTEST_DIALOG(Menu("File", "Open..."), ExpectFileDialog(path, wxID_OK, "Please select the file to open"));
    EXPECT_TRUE(IsEmptyState());
}

TEST_F(MainFrameTest, SaveAppendsTheExtensionToThePathOnly) {
    struct Case { const char* typed; const char* written; const char* title; };
    const Case cases[] = {
        {"plain", "plain.qvl", "Tarnel Feeder Programmer - plain"},
        {"upper.QVL", "upper.QVL.qvl", "Tarnel Feeder Programmer - upper.QVL"},
        {"done.qvl", "done.qvl", "Tarnel Feeder Programmer - done.qvl"},
    };
    NewSimpleProgram();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        wxTEST_DIALOG(Menu("File", "Save As..."), ExpectFileDialog(dir.File(c.typed)));
        EXPECT_TRUE(std::filesystem::exists(dir.File(c.written)));
        EXPECT_EQ(frame->GetTitle(), c.title);
        EXPECT_EQ(frame->GetFilePath(), dir.File(c.written));
    }
}

TEST_F(MainFrameTest, SaveToolDisablesItselfButTheMenuSaveDoesNot) {
    NewSimpleProgram();
    const std::string path = dir.File("p.qvl");
    wxTEST_DIALOG(Menu("File", "Save As..."), ExpectFileDialog(path));
    frame->GetProgramPanel()->SetSaveStatus(true);
    EXPECT_TRUE(ToolBar()->GetToolEnabled(ProgramPanel::kSaveTool));
    Menu("File", "Save...");  // the file is known: no dialog
    EXPECT_EQ(frame->GetTitle(), "Tarnel Feeder Programmer - p.qvl");
    EXPECT_TRUE(ToolBar()->GetToolEnabled(ProgramPanel::kSaveTool));
    Tool(ProgramPanel::kSaveTool);
    EXPECT_FALSE(ToolBar()->GetToolEnabled(ProgramPanel::kSaveTool));
}

TEST_F(MainFrameTest, FilesThatAreNotProgramFilesShowTheOpenError) {
    struct Case { const char* name; const char* content; };
    const Case cases[] = {
        {"incomplete", "<Quorvel_9259 version=\"100\">\n\t<TarnelFeeder3>\n"},
        {"wrong root", "<quorvel_9259 version=\"100\" device=\"TN3\"/>\n"},
        {"leading line break", "\n<Quorvel_9259 version=\"100\"/>\n"},
        {"binary", "\x89PNG\r\n\x1a\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File("bad.qvl");
        WriteWholeFile(path, c.content);
        wxTEST_DIALOG(Menu("File", "Open..."), ExpectFileDialog(path),
                      ExpectMessageBox(wxID_OK, "Quorvel - Open file error", kOpenError));
        EXPECT_TRUE(IsEmptyState());
        EXPECT_EQ(ReadWholeFile(path), c.content);
    }
}

TEST_F(MainFrameTest, AMissingFileShowsTheOpenError) {
    wxTEST_DIALOG(Menu("File", "Open..."), ExpectFileDialog(dir.path()),
                  ExpectMessageBox(wxID_OK, "Quorvel - Open file error", kOpenError));
    EXPECT_TRUE(IsEmptyState());
}

TEST_F(MainFrameTest, AnUnknownDeviceGivesTheEmptyStateSilently) {
    for (const char* root : {"<Quorvel_9259 version=\"100\" device=\"TN9\"/>\n",
                             "<Quorvel_9259 version=\"100\" device=\"tn3\"/>\n",
                             "<Quorvel_9259 version=\"100\"/>\n"}) {
        SCOPED_TRACE(root);
        const std::string path = dir.File("unknown.qvl");
        WriteWholeFile(path, root);
        wxTEST_DIALOG(Menu("File", "Open..."), ExpectFileDialog(path));
        EXPECT_TRUE(IsEmptyState());
    }
}

TEST_F(MainFrameTest, CancellingTheOpenDialogEndsEmpty) {
    NewSimpleProgram();
    wxTEST_DIALOG(Tool(ProgramPanel::kOpenProgramTool), ExpectFileDialog("", wxID_CANCEL));
    EXPECT_TRUE(IsEmptyState());
}

TEST_F(MainFrameTest, AFailedSaveIsReportedAndKeepsTheOldFile) {
    NewSimpleProgram();
    const std::string path = dir.File("old.qvl");
    const std::string old_content = "<Quorvel_9259 version=\"100\" device=\"TN3\"/>\n\n";
    WriteWholeFile(path, old_content);
    wxTEST_DIALOG(Menu("File", "Save As..."), ExpectFileDialog(path));
    frame->SetSaveStatus(true);
    const std::string written = ReadWholeFile(path);

    // A tiny file size limit makes every write fail, even for root.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old_limit{};
    getrlimit(RLIMIT_FSIZE, &old_limit);
    rlimit tiny = old_limit;
    tiny.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &tiny);
    ProgramPanel* program = frame->GetProgramPanel();
    int result = -1;
    wxTEST_DIALOG(result = frame->SaveProgram(false),
                  ExpectMessageBox(wxID_OK, "Quorvel - Save file error"));
    // A save asked for by the New flow fails the same way and stops the flow.
    wxTEST_DIALOG(Menu("File", "New..."), ExpectMessageBox(wxID_YES, "", "Save before closing?"),
                  ExpectMessageBox(wxID_OK, "Quorvel - Save file error"));
    setrlimit(RLIMIT_FSIZE, &old_limit);

    EXPECT_EQ(result, MainFrame::kSaveFailed);
    EXPECT_EQ(ReadWholeFile(path), written);
    EXPECT_EQ(frame->GetProgramPanel(), program);
    EXPECT_TRUE(frame->GetSaveStatus());
    EXPECT_EQ(frame->GetFilePath(), path);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()), 1)
        << "a temporary file was left behind";
}

TEST_F(MainFrameTest, AboutShowsThreeLines) {
    wxString title, text;
    wxTEST_DIALOG(Menu("Help", "About"), wxExpectModal<AboutDlg>(&title, &text));
    EXPECT_EQ(title, "Tarnel Feeder - About");
    const wxArrayString lines = wxSplit(text, '\n');
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Tarnel Feeder Programmer");
    EXPECT_EQ(lines[1], "Version 2.28");
    EXPECT_TRUE(lines[2].Contains(".example"));
}

}  // namespace

// The Simple program panel in the main window: its message and gauge, its file body through
// Save and Open, and the "USB Program" check of an invalid program.

#include "program/simple_program_panel.h"

#include "support/app_test_support.h"
#include "support/gui_test_support.h"
#include "support/wx_testing.h"
#include "support/hex.h"

#include <wx/gauge.h>
#include <wx/weakref.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const SimpleProgramTexts kInitialTexts{"00:00:10", "00:15:00", "00:00:00",
                                       "00:00:00", "00:15:00", "00:00:30"};

// The file New and an unedited Save write.
const char* const kInitialFile =
    "<Quorvel_9259 version=\"100\" device=\"TN3\">\n"
    "\t<TarnelFeeder3>\n"
    "\t\t<options TestRunTime=\"00:00:10\" PauseTime=\"00:15:00\"/>\n"
    "\t\t<FeedInterval start_day=\"254\" start_time=\"00:00:00\" end_day=\"254\""
    " end_time=\"00:00:00\" on_time=\"00:00:30\" off_time=\"00:15:00\"/>\n"
    "\t</TarnelFeeder3>\n"
    "</Quorvel_9259>\n"
    "\n";

class SimpleProgramPanelTest : public SimpleProgramTest {
protected:
    std::string Message() {
        std::vector<std::uint8_t> message{0xAA};
        Panel()->ComputeMessage(message);
        return Hex(message);
    }
    void ExpectTexts(const SimpleProgramTexts& expected) {
        const SimpleProgramTexts t = Editor()->GetTexts();
        EXPECT_EQ(t.test_run, expected.test_run) << "test run";
        EXPECT_EQ(t.pause, expected.pause) << "pause";
        EXPECT_EQ(t.feed_from, expected.feed_from) << "feed from";
        EXPECT_EQ(t.feed_until, expected.feed_until) << "feed until";
        EXPECT_EQ(t.feed_every, expected.feed_every) << "feed every";
        EXPECT_EQ(t.feed_for, expected.feed_for) << "feed for";
    }
    bool IsEmptyState() {
        ProgramPanel* panel = frame->GetProgramPanel();
        return IsPlainPanel(panel) && frame->GetFilePath().empty() &&
               !frame->GetSaveStatus();
    }
    void SaveAs(const std::string& path) {
        wxTEST_DIALOG(Menu("File", "Save As..."), ExpectFileDialog(path));
    }
    void Open(const std::string& path) {
        wxTEST_DIALOG(Menu("File", "Open..."), ExpectFileDialog(path));
    }
};

TEST_F(SimpleProgramPanelTest, MessageComesFromTheTypeAndItsFields) {
    struct Case {
        const char* name;
        int type;
        SimpleProgramTexts texts;
        const char* message;
    };
    const SimpleProgramTexts junk{"abc", "abc", "abc", "abc", "abc", "abc"};
    const Case cases[] = {
        {"initial timing", kTimingProgram, kInitialTexts,
         "57 12 90 0F 01 FE 00 00 FE 00 00 00 00 75 30 00 0D 46 70 74 8A"},
        {"timing 06:00 to 18:00", kTimingProgram,
         {"abc", "abc", "06:00:00", "18:00:00", "00:15:00", "00:00:30"},
         "57 12 90 0F 01 FE 54 60 FE FD 20 00 00 75 30 00 0D 46 70 45 2C"},
        {"test run", kTestRunProgram, {"00:00:10", "abc", "abc", "abc", "abc", "abc"},
         "57 04 91 00 27 10 CC"},
        {"test run of 20 s", kTestRunProgram, {"20 s", "00:00:01", "01:00:00", "abc", "abc", "abc"},
         "57 04 91 00 4E 20 03"},
        {"pause", kPauseProgram, {"00:00:01", "00:15:00", "abc", "abc", "abc", "abc"},
         "57 04 92 0D BB A0 FE"},
        {"disable", kDisableProgram, junk, "57 04 90 01 00 01 96"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Editor()->SetTexts(c.texts);
        SelectType(c.type);
        EXPECT_EQ(Message(), c.message);
    }
}

TEST_F(SimpleProgramPanelTest, GaugeFollowsTheMessageLength) {
    wxGauge* gauge = Gauge();
    wxWindow* button = UsbButton();
    EXPECT_EQ(gauge->GetValue(), 21) << "after New";
    EXPECT_TRUE(button->IsEnabled());

    SelectType(kTestRunProgram);
    EXPECT_EQ(gauge->GetValue(), 7) << "after the type change";
    EXPECT_FALSE(frame->GetSaveStatus());

    // An edit refreshes it too, whatever it showed before.
    gauge->SetValue(0);
    Commit("test_run_text", "20 s");
    EXPECT_EQ(gauge->GetValue(), 7) << "after an edit";

    // Opening a file shows its message length, not 0.
    const std::string path = dir.File("gauge.qvl");
    SaveAs(path);
    SelectType(kPauseProgram);
    Open(path);
    ASSERT_NE(Panel(), nullptr);
    EXPECT_EQ(Gauge()->GetValue(), 21) << "after Open";
    EXPECT_TRUE(UsbButton()->IsEnabled());
}

TEST_F(SimpleProgramPanelTest, ANewProgramSavedUneditedHasTheInitialTexts) {
    const std::string path = dir.File("new.qvl");
    SaveAs(path);
    EXPECT_EQ(ReadWholeFile(path), kInitialFile);
}

TEST_F(SimpleProgramPanelTest, SaveAndOpenRestoreEveryField) {
    const SimpleProgramTexts edited{"00:00:20", "01:00:00", "06:00:00",
                                    "18:00:00", "00:30:00", "00:00:45"};
    SelectType(kTestRunProgram);
    Commit("test_run_text", "20 s");
    SelectType(kPauseProgram);
    Commit("pause_text", "1 h");
    SelectType(kTimingProgram);
    Commit("feed_from_text", "6 h");
    Commit("feed_until_text", "18 h");
    Commit("feed_every_text", "30 m");
    Commit("feed_for_text", "45 s");
    ExpectTexts(edited);
    SelectType(kPauseProgram);
    const std::string path = dir.File("edited.qvl");
    SaveAs(path);
    EXPECT_EQ(frame->GetTitle(), "Tarnel Feeder Programmer - edited.qvl");

    NewSimpleProgram();
    ExpectTexts(kInitialTexts);
    Open(path);
    ASSERT_NE(Panel(), nullptr);
    ExpectTexts(edited);
    EXPECT_EQ(Editor()->GetProgramType(), kTimingProgram) << "the type is not kept";
    EXPECT_EQ(frame->GetTitle(), "Tarnel Feeder Programmer - edited.qvl");
    EXPECT_FALSE(SaveToolEnabled());
}

TEST_F(SimpleProgramPanelTest, FilesWithAnotherBodyGiveTheEmptyState) {
    struct Case {
        const char* name;
        const char* content;
    };
    const Case cases[] = {
        {"advanced body",
         "<Quorvel_9259 version=\"100\" device=\"TN3\">\n\t<TarnelFeeder3A>\n\t\t<FeedInterval "
         "days=\"254\" start=\"00:00:00\" stop=\"01:00:00\" on=\"00:00:10\" off=\"00:01:00\"/>\n"
         "\t</TarnelFeeder3A>\n</Quorvel_9259>\n\n"},
        {"missing attribute",
         "<Quorvel_9259 version=\"100\" device=\"TN3\">\n\t<TarnelFeeder3>\n\t\t<options "
         "TestRunTime=\"00:00:20\"/>\n\t</TarnelFeeder3>\n</Quorvel_9259>\n\n"},
        {"unknown child",
         "<Quorvel_9259 version=\"100\" device=\"TN3\">\n\t<TarnelFeeder3>\n\t\t<Options "
         "TestRunTime=\"00:00:20\" PauseTime=\"00:00:20\"/>\n\t</TarnelFeeder3>\n</Quorvel_9259>"
         "\n\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File("other.qvl");
        WriteWholeFile(path, c.content);
        Open(path);  // no message box expected
        EXPECT_TRUE(IsEmptyState());
        EXPECT_EQ(ReadWholeFile(path), c.content);
        NewSimpleProgram();
    }

    // A file without a body opens with the initial texts.
    const std::string path = dir.File("bare.qvl");
    WriteWholeFile(path, "<Quorvel_9259 version=\"100\" device=\"TN3\"/>\n");
    Open(path);
    ASSERT_NE(Panel(), nullptr);
    ExpectTexts(kInitialTexts);
}

TEST_F(SimpleProgramPanelTest, TextsAFileCannotHoldRefuseTheSave) {
    const std::string path = dir.File("kept.qvl");
    SaveAs(path);
    const std::string old_content = ReadWholeFile(path);
    for (const char* text : {"00:\"15", "<1 m", "1 m>"}) {
        SCOPED_TRACE(text);
        Commit("feed_from_text", text);
        ASSERT_TRUE(frame->GetSaveStatus());
        wxTEST_DIALOG(Menu("File", "Save..."), ExpectMessageBox(wxID_OK, "Quorvel - Save file error"));
        EXPECT_EQ(ReadWholeFile(path), old_content);
        EXPECT_TRUE(frame->GetSaveStatus());
        EXPECT_TRUE(SaveToolEnabled());
        Editor()->SetStartTimeText("00:00:00");
    }
}

TEST_F(SimpleProgramPanelTest, ReplacingTheProgramWhileAFieldHasTheFocus) {
    // The tool bar and the menu do not take the focus, so the field still has it when its
    // panel is destroyed: the new program must start clean.
    wxTextCtrl* field = Field("feed_for_text");
    ASSERT_TRUE(FocusOn(field));
    field->SetValue("abc");
    // A weak reference, since the new panel may be allocated where the old one was.
    wxWeakRef<ProgramPanel> old_panel = frame->GetProgramPanel();
    NewSimpleProgram();
    EXPECT_FALSE(old_panel) << "the old panel was not replaced";
    PumpFor(20);
    EXPECT_FALSE(frame->GetSaveStatus());
    EXPECT_EQ(frame->GetTitle(), "Tarnel Feeder Programmer");
    EXPECT_FALSE(SaveToolEnabled());
    EXPECT_EQ(Editor()->GetOnTimeText(), "00:00:30");
}

TEST_F(SimpleProgramPanelTest, UsbProgramRefusesAnInvalidProgramWithItsFirstMessage) {
    struct Case {
        const char* name;
        SimpleProgramTexts texts;
        const char* message;
    };
    const Case cases[] = {
        {"test run too short", {"00:00:05", "abc", "00:00:00", "00:00:00", "00:15:00", "00:00:30"},
         "Test run duration must be at least 10 seconds."},
        {"pause before feed for", {"00:00:10", "abc", "00:00:00", "00:00:00", "00:15:00", "5 s"},
         "Invalid pause duration."},
        {"feed for longer than feed every",
         {"00:00:10", "00:15:00", "00:00:00", "00:00:00", "00:01:00", "00:01:01"},
         "Feed for interval must not be longer than feed every interval."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Editor()->SetTexts(c.texts);
        std::string error;
        EXPECT_FALSE(Panel()->ValidateProgram(&error));
        EXPECT_EQ(error, c.message);
        wxTEST_DIALOG(ClickButton(UsbButton()),
                      ExpectMessageBox(wxID_OK, "Invalid Program", c.message));
    }
}

}  // namespace

// The Simple timing editor in a real main window: layout, committing a field on leaving it,
// the colour of invalid texts, the save status, Enter, and the program type.

#include "simple/timing_editor.h"

#include "support/app_test_support.h"
#include "support/gui_test_support.h"
#include "support/wx_testing.h"

#include <wx/choice.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <ostream>

void PrintTo(const wxColour& colour, std::ostream* os) {
    *os << colour.GetAsString(wxC2S_CSS_SYNTAX).utf8_string();
}

namespace {

const char* const kFieldNames[] = {"test_run_text",   "pause_text",      "feed_from_text",
                                   "feed_until_text", "feed_every_text", "feed_for_text"};
const char* const kGroupNames[] = {"test_run_panel", "pause_panel", "timing_panel",
                                   "disable_panel"};

class TimingEditorTest : public SimpleProgramTest {
protected:
    bool Modified() {
        return frame->GetSaveStatus() && frame->GetTitle().EndsWith("*") && SaveToolEnabled();
    }
    bool Unmodified() {
        return !frame->GetSaveStatus() && !frame->GetTitle().EndsWith("*") && !SaveToolEnabled();
    }
    // A red field reports a background of its own, with black text that stays readable
    // under a dark theme; a reset one has neither colour of its own.
    bool IsRed(wxTextCtrl* field) {
        const bool red = field->UseBackgroundColour() &&
                         field->GetBackgroundColour() == TarnelFeeder3Panel::InvalidColour();
        EXPECT_EQ(field->UseForegroundColour(), red) << "text colour kept after the background";
        if (red) {
            EXPECT_EQ(field->GetForegroundColour(), *wxBLACK);
        }
        return red;
    }
};

TEST_F(TimingEditorTest, StartsWithTheTimingGroupAndTheInitialTexts) {
    auto* choice = FindNamed<wxChoice>(Editor(), "program_type_choice");
    ASSERT_NE(choice, nullptr);
    ASSERT_EQ(choice->GetCount(), 4u);
    const char* const types[] = {"Test Run", "Pause", "Timing", "Disable"};
    for (unsigned i = 0; i < 4; ++i) EXPECT_EQ(choice->GetString(i), types[i]);
    EXPECT_EQ(Editor()->GetProgramType(), kTimingProgram);
    for (const char* group : kGroupNames)
        EXPECT_EQ(FindNamed(Editor(), group)->IsShown(), std::string(group) == "timing_panel")
            << group;

    const char* const initial[] = {"00:00:10", "00:15:00", "00:00:00",
                                   "00:00:00", "00:15:00", "00:00:30"};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(kFieldNames[i]);
        wxTextCtrl* field = Field(kFieldNames[i]);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->GetValue(), initial[i]);
        EXPECT_EQ(field->GetFont().GetPointSize(), 20);
        EXPECT_EQ(field->GetSize().x, field->FromDIP(150));
        EXPECT_TRUE(field->HasFlag(wxTE_PROCESS_ENTER));
        EXPECT_FALSE(IsRed(field));
    }
    EXPECT_EQ(Editor()->GetTestRunTimeMS(), 10000u);
    EXPECT_EQ(Editor()->GetPauseTimeMS(), 900000u);
    EXPECT_EQ(Editor()->GetOffTimeMS(), 900000u);
    EXPECT_EQ(Editor()->GetOnTimeMS(), 30000u);
    EXPECT_TRUE(Editor()->IsValid(nullptr));
    EXPECT_TRUE(Unmodified());
}

TEST_F(TimingEditorTest, LeavingAFieldNormalisesItAndMarksRealChanges) {
    struct Case {
        const char* name;
        int type;
        const char* field;
        const char* typed;
        const char* shown;
        bool red;
        bool modified;
    };
    const Case cases[] = {
        {"same value in another form", kTestRunProgram, "test_run_text", "10s", "00:00:10", false,
         false},
        {"new value", kTestRunProgram, "test_run_text", "5 s", "00:00:05", false, true},
        {"invalid text stays", kPauseProgram, "pause_text", "abc", "abc", true, true},
        {"minutes", kTimingProgram, "feed_every_text", "1 m", "00:01:00", false, true},
        {"unchanged text", kTimingProgram, "feed_from_text", "00:00:00", "00:00:00", false, false},
        {"hours past a day", kTimingProgram, "feed_until_text", "25 h", "1d 01:00:00", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Editor()->SetTexts(SimpleProgramTexts{"00:00:10", "00:15:00", "00:00:00", "00:00:00",
                                              "00:15:00", "00:00:30"});
        SelectType(c.type);
        Panel()->Init();
        ASSERT_TRUE(Unmodified());

        Commit(c.field, c.typed);
        EXPECT_EQ(Field(c.field)->GetValue().utf8_string(), c.shown);
        EXPECT_EQ(IsRed(Field(c.field)), c.red);
        EXPECT_EQ(Modified(), c.modified) << "title \"" << frame->GetTitle().utf8_string() << "\"";
        if (!c.modified) {
            EXPECT_TRUE(Unmodified());
        }
    }
}

TEST_F(TimingEditorTest, ARedFieldTurnsBackOnItsNextFocus) {
    SelectType(kPauseProgram);
    Commit("pause_text", "abc");
    wxTextCtrl* pause = Field("pause_text");
    ASSERT_TRUE(IsRed(pause));
    EXPECT_EQ(Editor()->GetPauseTimeMS(), 0u);
    std::string error;
    EXPECT_FALSE(Editor()->IsValid(&error));
    EXPECT_EQ(error, "Invalid pause duration.");

    // Its own focus resets it, text still wrong.
    ASSERT_TRUE(FocusOn(pause));
    EXPECT_FALSE(IsRed(pause));
    EXPECT_EQ(pause->GetValue(), "abc");

    // Leaving it again unchanged colours it again but is no new change.
    frame->GetProgramPanel()->SetSaveStatus(false);
    ASSERT_TRUE(FocusOn(UsbButton()));
    EXPECT_TRUE(IsRed(pause));
    EXPECT_FALSE(frame->GetSaveStatus());
}

TEST_F(TimingEditorTest, SettersPutTextsInUncheckedAndUnmarked) {
    Editor()->SetTestRunText("5 s");
    Editor()->SetOnTimeText("abc");
    EXPECT_EQ(Field("test_run_text")->GetValue(), "5 s");
    EXPECT_EQ(Editor()->GetTestRunText(), "5 s");
    EXPECT_EQ(Editor()->GetTestRunTimeMS(), 5000u);
    EXPECT_EQ(Field("feed_for_text")->GetValue(), "abc");
    EXPECT_FALSE(IsRed(Field("feed_for_text")));
    EXPECT_EQ(Editor()->GetOnTimeMS(), 0u);
    EXPECT_TRUE(Unmodified());

    // UTF-8 in, UTF-8 out.
    Editor()->SetPauseTimeText("1 \xc3\xa4");
    EXPECT_EQ(Field("pause_text")->GetValue(), wxString::FromUTF8("1 \xc3\xa4"));
    EXPECT_EQ(Editor()->GetPauseTimeText(), "1 \xc3\xa4");
}

TEST_F(TimingEditorTest, ValidationChecksEveryFieldWhateverTheType) {
    SelectType(kDisableProgram);
    Editor()->SetOnTimeText("abc");
    std::string error;
    EXPECT_FALSE(Editor()->IsValid(&error));
    EXPECT_EQ(error, "Invalid feed for interval.");
    EXPECT_FALSE(Editor()->IsValid(nullptr));

    Editor()->SetOnTimeText("00:00:10");
    Editor()->SetTestRunText("5 s");
    EXPECT_FALSE(Editor()->IsValid(&error));
    EXPECT_EQ(error, "Test run duration must be at least 10 seconds.");
}

TEST_F(TimingEditorTest, EnterMovesTheFocusToUsbProgramAndCommits) {
    wxTextCtrl* field = Field("feed_for_text");
    ASSERT_TRUE(FocusOn(field));
    field->SetValue("45 s");
    wxUIActionSimulator keys;
    keys.Char(WXK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return wxWindow::FindFocus() == UsbButton(); }))
        << "focus is on " << (wxWindow::FindFocus() ? wxWindow::FindFocus()->GetName() : "nothing");
    EXPECT_EQ(field->GetValue(), "00:00:45");
    EXPECT_TRUE(Modified());
}

TEST_F(TimingEditorTest, ChangingTheTypeShowsOneGroupAndChangesNothingElse) {
    // A small window, so the editor scrolls and must grow for the taller groups.
    frame->SetSize(frame->GetMinSize());
    PumpFor(20);
    SelectType(kPauseProgram);
    Commit("pause_text", "abc");  // one red field, program modified
    const SimpleProgramTexts before = Editor()->GetTexts();
    struct Case {
        int type;
        const char* group;
        int message_length;
    };
    const Case cases[] = {{kTestRunProgram, "test_run_panel", 7},
                          {kPauseProgram, "pause_panel", 7},
                          {kDisableProgram, "disable_panel", 7},
                          {kTimingProgram, "timing_panel", 21}};
    for (bool modified : {true, false}) {
        frame->GetProgramPanel()->SetSaveStatus(modified);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.group);
            SelectType(c.type);
            EXPECT_EQ(Editor()->GetProgramType(), c.type);
            for (const char* group : kGroupNames) {
                wxWindow* panel = FindNamed(Editor(), group);
                EXPECT_EQ(panel->IsShown(), std::string(group) == c.group) << group;
            }
            wxWindow* shown = FindNamed(Editor(), c.group);
            EXPECT_GT(shown->GetSize().y, 0);
            EXPECT_TRUE(wxRect(Editor()->GetClientSize()).Contains(shown->GetRect()))
                << "the shown group does not fit in the editor";
            EXPECT_EQ(Gauge()->GetValue(), c.message_length);

            const SimpleProgramTexts now = Editor()->GetTexts();
            EXPECT_TRUE(now.test_run == before.test_run && now.pause == before.pause &&
                        now.feed_from == before.feed_from && now.feed_until == before.feed_until &&
                        now.feed_every == before.feed_every && now.feed_for == before.feed_for);
            EXPECT_TRUE(IsRed(Field("pause_text")));
            EXPECT_FALSE(IsRed(Field("test_run_text")));
            EXPECT_EQ(frame->GetSaveStatus(), modified);
            EXPECT_EQ(SaveToolEnabled(), modified);
        }
    }
}

}  // namespace

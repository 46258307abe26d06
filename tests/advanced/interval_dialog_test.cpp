// The interval dialog shown for real: its modes, its day toggles and the wiring of its buttons
// to the input rules (the rules themselves are tested without a display).

#include "advanced/interval_dialog.h"

#include "advanced/advanced_test_support.h"

#include <wx/button.h>

namespace {

using namespace advanced_test;

wxTextCtrl* Field(wxWindow* dialog, const char* name) { return FindNamed<wxTextCtrl>(dialog, name); }
wxButton* Button(wxWindow* dialog, const char* name) { return FindNamed<wxButton>(dialog, name); }

TEST(IntervalDialog, AddModeShowsItsDefaultsAndAcceptsThem) {
    TarnelFeeder3IntervalDialog dialog(nullptr, "Tarnel Feeder - Add", false);
    EXPECT_EQ(dialog.GetTitle(), "Tarnel Feeder - Add");
    EXPECT_EQ(Button(&dialog, "add_button")->GetLabel(), "Add");
    EXPECT_FALSE(Button(&dialog, "delete_button")->IsShown());
    EXPECT_EQ(Describe(ShownValues(&dialog)), "0xFE 00:00:00-00:00:00 every 00:15:00 for 00:00:30");
    const char* const labels[] = {"Su", "M", "Tu", "W", "Th", "F", "Sa"};
    for (int day = 0; day < 7; ++day) {
        auto* toggle = FindNamed<wxToggleButton>(&dialog, "day_toggle_" + std::to_string(day));
        ASSERT_NE(toggle, nullptr);
        EXPECT_EQ(toggle->GetLabel(), labels[day]);
        EXPECT_EQ(toggle->GetFont().GetPointSize(), 20);
    }
    EXPECT_EQ(dialog.GetDays(), 0xFE);

    const int result = ShowModalAndAct(dialog, [&] { ClickButton(Button(&dialog, "add_button")); });
    EXPECT_EQ(result, TarnelFeeder3IntervalDialog::kAccepted);
}

TEST(IntervalDialog, ModifyModeOffersDeleteAndCancel) {
    struct Case { const char* button; int result; };
    for (const Case c : {Case{"delete_button", TarnelFeeder3IntervalDialog::kDeleted},
                         Case{"cancel_button", TarnelFeeder3IntervalDialog::kCancelled}}) {
        SCOPED_TRACE(c.button);
        TarnelFeeder3IntervalDialog dialog(nullptr, "Tarnel Feeder - Modify", true);
        EXPECT_EQ(Button(&dialog, "add_button")->GetLabel(), "Modify");
        EXPECT_TRUE(Button(&dialog, "delete_button")->IsShown());
        EXPECT_EQ(ShowModalAndAct(dialog, [&] { ClickButton(Button(&dialog, c.button)); }), c.result);
    }
}

TEST(IntervalDialog, SetPressesExactlyTheDaysOfTheMask) {
    TarnelFeeder3IntervalDialog dialog(nullptr, "Tarnel Feeder - Modify", true);
    struct Case { std::uint8_t days; const char* pressed; };
    const Case cases[] = {{0x14, "-M-W---"}, {0xFE, "SMTWTFS"}, {0x00, "-------"}, {0x83, "S-----S"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pressed);
        dialog.Set(c.days, "06:00:00", "18:00:00", "00:00:30", "00:15:00");
        std::string pressed;
        for (int day = 0; day < 7; ++day) {
            auto* toggle = FindNamed<wxToggleButton>(&dialog, "day_toggle_" + std::to_string(day));
            pressed += toggle->GetValue() ? "SMTWTFS"[day] : '-';
        }
        EXPECT_EQ(pressed, c.pressed);
        EXPECT_EQ(dialog.GetDays(), c.days & 0xFE);
    }
    dialog.Set(0x14, "06:00:00", "18:00:00", "00:00:30", "00:15:00");
    EXPECT_EQ(Describe(ShownValues(&dialog)), "0x14 06:00:00-18:00:00 every 00:15:00 for 00:00:30");
}

TEST(IntervalDialog, ARefusedTimeKeepsTheDialogOpenWithTheTexts) {
    TarnelFeeder3IntervalDialog dialog(nullptr, "Tarnel Feeder - Add", false);
    const int result = ShowModalAndAct(dialog, [&] {
        Field(&dialog, "start_field")->SetValue("25:00:00");
        Field(&dialog, "stop_field")->SetValue("nonsense");
        wxTEST_DIALOG(ClickButton(Button(&dialog, "add_button")),
                      ExpectMessageBox(wxID_OK, "Invalid Time", "Invalid start time."));
        EXPECT_TRUE(dialog.IsModal());
        EXPECT_EQ(Describe(ShownValues(&dialog)), "0xFE 25:00:00-nonsense every 00:15:00 for 00:00:30");

        // Every day released, a start of 24:00:00, a duration as long as the frequency.
        Field(&dialog, "start_field")->SetValue("24:00:00");
        Field(&dialog, "stop_field")->SetValue("6:00:00");
        Field(&dialog, "frequency_field")->SetValue("1 h");
        Field(&dialog, "duration_field")->SetValue("60 min");
        for (int day = 0; day < 7; ++day)
            FindNamed<wxToggleButton>(&dialog, "day_toggle_" + std::to_string(day))->SetValue(false);
        ClickButton(Button(&dialog, "add_button"));
    });
    EXPECT_EQ(result, TarnelFeeder3IntervalDialog::kAccepted);
    EXPECT_EQ(dialog.GetDays(), 0);
    EXPECT_EQ(Describe(ShownValues(&dialog)), "0x00 24:00:00-6:00:00 every 1 h for 60 min");
    EXPECT_EQ(dialog.GetStop(), "06:00:00");
    EXPECT_EQ(dialog.GetOnTime(), "01:00:00");
}

TEST(IntervalDialog, GettersGiveTheTextsToStore) {
    TarnelFeeder3IntervalDialog dialog(nullptr, "Tarnel Feeder - Add", false);
    dialog.Set(0x02, "6:00:00", "1 day", "30 s", "1.5 h");
    EXPECT_EQ(dialog.GetStart(), "06:00:00");
    EXPECT_EQ(dialog.GetStop(), "24:00:00");
    EXPECT_EQ(dialog.GetOnTime(), "00:00:30");
    EXPECT_EQ(dialog.GetOffTime(), "01:30:00");
    // Texts that are not accepted are handed back as they stand.
    dialog.Set(0x02, "6:00:00", "soon", "30 s", "1.5 h");
    EXPECT_EQ(dialog.GetStart(), "6:00:00");
    EXPECT_EQ(dialog.GetStop(), "soon");
}

}  // namespace

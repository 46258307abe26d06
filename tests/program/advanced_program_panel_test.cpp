// The Advanced program panel in the main window: its editors, the "Add" tool, the capacity
// gauge and the whole road from New through Save and Open to the message bytes.

#include "program/advanced_program_panel.h"

#include "advanced/advanced_test_support.h"
#include "advanced/legend.h"
#include "advanced/week_view.h"
#include "app/main_frame.h"
#include "support/app_test_support.h"

#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/weakref.h>

namespace {

using namespace advanced_test;

// Monday and Wednesday 06:00 to 18:00, 30 s every 15 min; Saturday 20:00 to 02:00, typed in
// the duration forms the dialog accepts.
const IntervalValues kWeekdays{0x14, "06:00:00", "18:00:00", "00:00:30", "00:15:00"};
const IntervalValues kSaturdayNight{0x80, "20:00:00", "2:00:00", "1 min", "1 h"};

class AdvancedProgramPanelTest : public MainWindowTest {
protected:
    ProgramPanelTARNEL3A* Panel() { return dynamic_cast<ProgramPanelTARNEL3A*>(frame->GetProgramPanel()); }
    wxButton* UsbButton() { return FindNamed<wxButton>(frame, "usb_program_button"); }
    void ExpectSize(int bytes, bool usb_enabled) {
        EXPECT_EQ(Gauge()->GetValue(), std::min(bytes, 127));
        EXPECT_EQ(Gauge()->GetToolTipText(), wxString::Format("Program size: %d of 126 bytes", bytes));
        EXPECT_EQ(UsbButton()->IsEnabled(), usb_enabled);
    }
    std::string Message() {
        std::vector<std::uint8_t> message{0xAA};  // replaced, not appended to
        frame->GetProgramPanel()->ComputeMessage(message);
        return Hex(message);
    }
};

TEST_F(AdvancedProgramPanelTest, NewShowsWeekViewLegendAndAnEmptyProgram) {
    ProgramPanelTARNEL3A* panel = NewAdvancedProgram(frame, {});
    ASSERT_NE(panel, nullptr);
    auto* view = FindNamed<TarnelFeeder3APanel>(panel, "week_view");
    auto* legend = FindNamed<TarnelFeeder3LegendPanel>(panel, "legend");
    ASSERT_NE(view, nullptr);
    ASSERT_NE(legend, nullptr);
    EXPECT_EQ(view->GetParent(), FindNamed(panel, "program_window"));
    EXPECT_EQ(legend->GetParent(), view->GetParent());
    EXPECT_LT(view->GetPosition().x, legend->GetPosition().x);
    EXPECT_EQ(&panel->GetIntervalList(), &view->GetIntervalList());

    EXPECT_EQ(frame->GetTitle(), "Tarnel Feeder Programmer");
    EXPECT_FALSE(SaveToolEnabled());
    EXPECT_TRUE(Gauge()->IsShown());
    ExpectSize(7, true);
    EXPECT_EQ(Message(), "57 04 90 01 00 01 96");
    std::string error = "untouched";
    EXPECT_TRUE(panel->ValidateProgram(&error));
    EXPECT_EQ(error, "untouched");
}

TEST_F(AdvancedProgramPanelTest, AddToolAppendsWhatTheDialogAccepted) {
    ProgramPanelTARNEL3A* panel = NewAdvancedProgram(frame, {});
    ASSERT_NE(panel, nullptr);

    IntervalValues shown;
    for (int result : {int(TarnelFeeder3IntervalDialog::kCancelled), int(wxID_CANCEL)}) {
        wxTEST_DIALOG(PressAddTool(panel),
                      wxExpectModal<TarnelFeeder3IntervalDialog>(result, &kWeekdays, &shown,
                                                                 "Tarnel Feeder - Add"));
        EXPECT_TRUE(panel->GetIntervalList().empty());
        EXPECT_FALSE(SaveToolEnabled());
        EXPECT_EQ(frame->GetTitle(), "Tarnel Feeder Programmer");
    }
    EXPECT_EQ(Describe(shown), "0xFE 00:00:00-00:00:00 every 00:15:00 for 00:00:30");

    wxTEST_DIALOG(PressAddTool(panel),
                  wxExpectModal<TarnelFeeder3IntervalDialog>(TarnelFeeder3IntervalDialog::kAccepted,
                                                             &kSaturdayNight));
    EXPECT_EQ(Describe(panel->GetIntervalList()),
              std::vector<std::string>{"0x80 20:00:00-02:00:00 every 01:00:00 for 00:01:00"});
    EXPECT_TRUE(SaveToolEnabled());
    EXPECT_EQ(frame->GetTitle(), "Tarnel Feeder Programmer - *");
    ExpectSize(21, true);
}

TEST_F(AdvancedProgramPanelTest, MoreThanEightIntervalsDisableUsbProgram) {
    ProgramPanelTARNEL3A* panel =
        NewAdvancedProgram(frame, std::vector<IntervalValues>(8, kWeekdays));
    ASSERT_NE(panel, nullptr);
    ExpectSize(119, true);

    wxTEST_DIALOG(PressAddTool(panel),
                  wxExpectModal<TarnelFeeder3IntervalDialog>(TarnelFeeder3IntervalDialog::kAccepted,
                                                             &kSaturdayNight));
    ExpectSize(133, false);

    // Deleting one through the week view brings the program back within a remote's capacity.
    auto* view = FindNamed<TarnelFeeder3APanel>(panel, "week_view");
    PaintToImage(wxSize(500, 300), [&](wxDC& dc, wxSize size) { view->Draw(dc, size); });
    wxTEST_DIALOG(ClickAt(view, 6 * 71 + 30, 23 * 12),
                  wxExpectModal<TarnelFeeder3IntervalDialog>(TarnelFeeder3IntervalDialog::kDeleted));
    EXPECT_EQ(panel->GetIntervalList().size(), 8u);
    ExpectSize(119, true);
}

TEST_F(AdvancedProgramPanelTest, SavedProgramOpensWithTheSameIntervalsAndMessage) {
    ASSERT_NE(NewAdvancedProgram(frame, {kWeekdays, kSaturdayNight}), nullptr);
    const std::vector<std::string> intervals = Describe(Panel()->GetIntervalList());
    EXPECT_EQ(intervals, (std::vector<std::string>{
                             "0x14 06:00:00-18:00:00 every 00:15:00 for 00:00:30",
                             "0x80 20:00:00-02:00:00 every 01:00:00 for 00:01:00",
                         }));

    const std::string path = dir.File("week.qvl");
    wxTEST_DIALOG(frame->SaveProgram(true), ExpectFileDialog(path));
    EXPECT_EQ(ReadWholeFile(path),
              "<Quorvel_9259 version=\"100\" device=\"TN3A\">\n"
              "\t<TarnelFeeder3A>\n"
              "\t\t<FeedInterval days=\"20\" start=\"06:00:00\" stop=\"18:00:00\" on=\"00:00:30\" off=\"00:15:00\"/>\n"
              "\t\t<FeedInterval days=\"128\" start=\"20:00:00\" stop=\"02:00:00\" on=\"00:01:00\" off=\"01:00:00\"/>\n"
              "\t</TarnelFeeder3A>\n"
              "</Quorvel_9259>\n\n");
    EXPECT_FALSE(frame->GetSaveStatus());

    // A weak reference, since the new panel may be allocated where the old one was.
    wxWeakRef<ProgramPanel> old_panel = frame->GetProgramPanel();
    wxTEST_DIALOG(frame->OpenProgram(), ExpectFileDialog(path));
    ASSERT_NE(Panel(), nullptr);
    EXPECT_FALSE(old_panel) << "the old panel was not replaced";
    EXPECT_EQ(Describe(Panel()->GetIntervalList()), intervals);
    EXPECT_EQ(frame->GetTitle(), "Tarnel Feeder Programmer - week.qvl");
    EXPECT_FALSE(SaveToolEnabled());
    EXPECT_EQ(Message(),
              "57 20 90 1D 02 "
              "14 54 60 FE FD 20 00 00 75 30 00 0D 46 70 "
              "81 19 40 FE 1C 20 00 00 EA 60 00 36 04 20 "
              "22 F4");
    ExpectSize(35, true);
}

TEST_F(AdvancedProgramPanelTest, AnOpenedProgramBeyondCapacityCannotBeSent) {
    std::string body;
    for (int i = 0; i < 9; ++i)
        body += "<FeedInterval days=\"4\" start=\"06:00:00\" stop=\"18:00:00\" on=\"00:00:30\" off=\"00:15:00\"/>";
    const std::string path = dir.File("full.qvl");
    WriteWholeFile(path, "<Quorvel_9259 version=\"100\" device=\"TN3A\"><TarnelFeeder3A>" + body +
                             "</TarnelFeeder3A></Quorvel_9259>\n");
    wxTEST_DIALOG(frame->OpenProgram(), ExpectFileDialog(path));
    ASSERT_NE(Panel(), nullptr);
    EXPECT_EQ(Panel()->GetIntervalList().size(), 9u);
    ExpectSize(133, false);
}

TEST_F(AdvancedProgramPanelTest, ABodyOfTheOtherModeIsRefusedSilently) {
    const std::string path = dir.File("simple_body.qvl");
    WriteWholeFile(path,
                   "<Quorvel_9259 version=\"100\" device=\"TN3A\"><TarnelFeeder3>"
                   "<options TestRunTime=\"00:00:10\" PauseTime=\"00:15:00\"/></TarnelFeeder3></Quorvel_9259>\n");
    wxTEST_DIALOG(frame->OpenProgram(), ExpectFileDialog(path));
    EXPECT_TRUE(IsPlainPanel(frame->GetProgramPanel()));
    EXPECT_EQ(frame->GetTitle(), "Tarnel Feeder Programmer");
}

}  // namespace

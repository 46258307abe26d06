#pragma once
// Helpers of the Advanced editor's window tests: answering the interval dialog, describing
// intervals, painting into bitmaps and reading their pixels.

#include "advanced/interval_dialog.h"
#include "advanced/week_view.h"
#include "advanced/legend.h"
#include "advanced/tn3_interval.h"
#include "app/main_frame.h"
#include "app/mode_dialog.h"
#include "program/advanced_program_panel.h"
#include "support/app_test_support.h"
#include "support/gui_test_support.h"
#include "support/hex.h"
#include "support/wx_testing.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/tglbtn.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace advanced_test {

// What the interval dialog shows or is given: the day mask and the four field texts.
struct IntervalValues {
    std::uint8_t days = 0;
    std::string start, stop, on, off;
};

// Reads the dialog's fields as they stand (the texts the user sees, not the getters' forms).
inline IntervalValues ShownValues(wxDialog* dialog) {
    IntervalValues shown;
    for (int day = 0; day < 7; ++day) {
        auto* toggle = FindNamed<wxToggleButton>(dialog, "day_toggle_" + std::to_string(day));
        if (toggle && toggle->GetValue()) shown.days |= static_cast<std::uint8_t>(2u << day);
    }
    auto text = [&](const char* name) {
        auto* field = FindNamed<wxTextCtrl>(dialog, name);
        return field ? field->GetValue().utf8_string() : std::string("<no field>");
    };
    shown.start = text("start_field");
    shown.stop = text("stop_field");
    shown.on = text("duration_field");
    shown.off = text("frequency_field");
    return shown;
}

}  // namespace advanced_test

// Answers the interval dialog with result; before that, records what it showed into *shown
// and types *typed into it (each when not null), and checks the title when one is given.
template <>
class wxExpectModal<TarnelFeeder3IntervalDialog>
    : public wxExpectModalBase<TarnelFeeder3IntervalDialog, wxExpectModal<TarnelFeeder3IntervalDialog>> {
public:
    explicit wxExpectModal(int result, const advanced_test::IntervalValues* typed = nullptr,
                           advanced_test::IntervalValues* shown = nullptr, std::string title = {})
        : result_(result), typed_(typed), shown_(shown), title_(std::move(title)) {}

protected:
    int OnInvoked(TarnelFeeder3IntervalDialog* dialog) const override {
        if (!title_.empty()) {
            EXPECT_EQ(dialog->GetTitle().utf8_string(), title_);
        }
        if (shown_) *shown_ = advanced_test::ShownValues(dialog);
        if (typed_) dialog->Set(typed_->days, typed_->start, typed_->stop, typed_->on, typed_->off);
        return result_;
    }
    wxString GetDefaultDescription() const override { return "interval dialog"; }

private:
    int result_;
    const advanced_test::IntervalValues* typed_;
    advanced_test::IntervalValues* shown_;
    std::string title_;
};

namespace advanced_test {

// "0x14 06:00:00-18:00:00 every 00:15:00 for 00:00:30"
inline std::string Describe(const TN3Interval& interval) {
    char days[8];
    std::snprintf(days, sizeof days, "0x%02X", static_cast<unsigned>(interval.start.day_mask));
    return std::string(days) + " " + interval.GetStart() + "-" + interval.GetStop() + " every " +
           interval.GetOffTime() + " for " + interval.GetOnTime();
}

inline std::vector<std::string> Describe(const std::vector<TN3Interval>& intervals) {
    std::vector<std::string> result;
    for (const TN3Interval& interval : intervals) result.push_back(Describe(interval));
    return result;
}

inline std::string Describe(const IntervalValues& v) {
    char days[8];
    std::snprintf(days, sizeof days, "0x%02X", static_cast<unsigned>(v.days));
    return std::string(days) + " " + v.start + "-" + v.stop + " every " + v.off + " for " + v.on;
}

// Paints through painter(dc, size) into a fresh 24-bit bitmap of that size.
template <typename Painter>
wxImage PaintToImage(wxSize size, Painter painter) {
    wxBitmap bitmap(size.x, size.y, 24);
    {
        wxMemoryDC dc(bitmap);
        painter(dc, size);
    }
    return bitmap.ConvertToImage();
}

inline std::string ColourName(unsigned char r, unsigned char g, unsigned char b) {
    char text[32];
    std::snprintf(text, sizeof text, "RGB(%u, %u, %u)", r, g, b);
    return text;
}
inline std::string ColourName(const wxColour& colour) {
    return ColourName(colour.Red(), colour.Green(), colour.Blue());
}
inline std::string ColourAt(const wxImage& image, int x, int y) {
    return ColourName(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}
// Text and outline pixels: every channel dark.
inline bool IsDark(const wxImage& image, int x, int y) {
    return image.GetRed(x, y) < 128 && image.GetGreen(x, y) < 128 && image.GetBlue(x, y) < 128;
}

// The box around the dark pixels in [left, right] x [top, bottom]; empty when there are none.
inline wxRect DarkPixels(const wxImage& image, int left, int top, int right, int bottom) {
    wxRect box;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (IsDark(image, x, y)) box = box.IsEmpty() ? wxRect(x, y, 1, 1) : box.Union(wxRect(x, y, 1, 1));
    return box;
}

// Sends a left click at a client position, as the mouse would.
inline void ClickAt(wxWindow* window, int x, int y) {
    wxMouseEvent click(wxEVT_LEFT_DOWN);
    click.SetPosition(wxPoint(x, y));
    click.SetEventObject(window);
    click.SetId(window->GetId());
    window->ProcessWindowEvent(click);
}

// Presses the "Add" tool of an Advanced program panel.
inline void PressAddTool(ProgramPanelTARNEL3A* panel) {
    wxCommandEvent press(wxEVT_TOOL, ProgramPanel::kAddTool);
    press.SetEventObject(FindNamed<wxToolBar>(panel, "tool_bar"));
    panel->ProcessWindowEvent(press);
}

// Creates a new Advanced program in frame as a user would: File > New, Advanced, then one
// "Add" per interval with its values typed into the dialog. The frame must hold no unsaved
// program. Returns the new panel, or null when none was placed.
inline ProgramPanelTARNEL3A* NewAdvancedProgram(MainFrame* frame,
                                                const std::vector<IntervalValues>& intervals) {
    wxTEST_DIALOG(frame->NewProgram(),
                  wxExpectModal<AdvanceSelectDialog>(AdvanceSelectDialog::kAdvancedResult));
    auto* panel = dynamic_cast<ProgramPanelTARNEL3A*>(frame->GetProgramPanel());
    if (!panel) return nullptr;
    for (const IntervalValues& typed : intervals)
        wxTEST_DIALOG(PressAddTool(panel),
                      wxExpectModal<TarnelFeeder3IntervalDialog>(TarnelFeeder3IntervalDialog::kAccepted,
                                                                 &typed, nullptr, "Tarnel Feeder - Add"));
    return panel;
}

// An Advanced program panel in a plain shown frame, with its week view and legend.
class AdvancedPanelTest : public testing::Test {
protected:
    void SetUp() override {
        frame = new wxFrame(nullptr, wxID_ANY, "advanced panel", wxDefaultPosition, wxSize(900, 600));
        panel = new ProgramPanelTARNEL3A(frame);
        frame->Show();
        PumpFor(10);
        view = FindNamed<TarnelFeeder3APanel>(panel, "week_view");
        legend = FindNamed<TarnelFeeder3LegendPanel>(panel, "legend");
        ASSERT_NE(view, nullptr);
        ASSERT_NE(legend, nullptr);
    }
    void TearDown() override {
        frame->Destroy();
        PumpFor(10);
    }

    std::vector<TN3Interval>& List() { return panel->GetIntervalList(); }
    bool SaveEnabled() {
        return FindNamed<wxToolBar>(panel, "tool_bar")->GetToolEnabled(ProgramPanel::kSaveTool);
    }
    // Clicks window at (x, y) and answers the Modify dialog with result; returns what the
    // dialog showed.
    IntervalValues ClickAndAnswer(wxWindow* window, int x, int y, int result,
                                  const IntervalValues* typed = nullptr) {
        IntervalValues shown;
        wxTEST_DIALOG(ClickAt(window, x, y),
                      wxExpectModal<TarnelFeeder3IntervalDialog>(result, typed, &shown,
                                                                 "Tarnel Feeder - Modify"));
        return shown;
    }

    wxFrame* frame = nullptr;
    ProgramPanelTARNEL3A* panel = nullptr;
    TarnelFeeder3APanel* view = nullptr;
    TarnelFeeder3LegendPanel* legend = nullptr;
};

}  // namespace advanced_test

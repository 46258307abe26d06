// Rendering at a display scale of 2 (GDK_SCALE=2): images must come from sources of twice
// their logical size, never be scaled up from small bitmaps.

#include "app/main_frame.h"
#include "advanced/legend.h"
#include "advanced/week_view.h"
#include "program/advanced_program_panel.h"
#include "program/program_panel.h"
#include "support/gui_test_support.h"

#include <wx/dcmemory.h>
#include <wx/toolbar.h>
#include <wx/weakref.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class HiDpiTest : public testing::Test {
protected:
    void SetUp() override {
        frame = new MainFrame();
        frame->Show();
        PumpFor(20);
        ASSERT_EQ(frame->GetDPIScaleFactor(), 2.0) << "run this test with GDK_SCALE=2";
    }
    void TearDown() override {
        if (frame) frame->Destroy();
        PumpUntil([&] { return !frame; });
    }

    // The image each tool is drawn with has twice its logical size in device pixels.
    void ExpectSharpTools(std::initializer_list<int> ids) {
        auto* tools = FindNamed<wxToolBar>(frame->GetProgramPanel(), "tool_bar");
        ASSERT_NE(tools, nullptr);
        EXPECT_EQ(tools->GetToolBitmapSize(), wxSize(48, 48));
        for (int id : ids) {
            SCOPED_TRACE(id);
            const wxToolBarToolBase* tool = tools->FindById(id);
            ASSERT_NE(tool, nullptr);
            const wxBitmap image = tool->GetNormalBitmapBundle().GetBitmapFor(tools);
            ASSERT_TRUE(image.IsOk());
            EXPECT_EQ(image.GetScaleFactor(), 2.0);
            EXPECT_EQ(image.GetLogicalSize(), wxSize(48, 48));
            EXPECT_EQ(image.GetSize(), wxSize(96, 96)) << "tool image blown up from a smaller bitmap";
        }
    }

    void OpenEmptyAdvancedProgram() {
        TempDir dir;
        const std::string path = dir.File("week.qvl");
        WriteWholeFile(path, "<Quorvel_9259 version=\"100\" device=\"TN3A\">\n\t<TarnelFeeder3A/>\n"
                             "</Quorvel_9259>\n\n");
        frame->LoadProgramFile("week.qvl", wxString::FromUTF8(path));
        ASSERT_NE(dynamic_cast<ProgramPanelTARNEL3A*>(frame->GetProgramPanel()), nullptr);
    }

    wxWeakRef<MainFrame> frame;
};

// Paints with draw into a bitmap of logical size at scale 2 and returns the device pixels.
template <typename Draw>
wxImage PaintAtScale2(wxSize logical, Draw draw) {
    wxBitmap bitmap;
    bitmap.CreateWithDIPSize(logical, 2.0);
    {
        wxMemoryDC dc(bitmap);
        draw(dc, logical);
    }
    return bitmap.ConvertToImage();
}

// A one-pixel line at logical x on device row y is exactly two black device columns with
// nothing grey beside them.
void ExpectCrispVerticalLine(const wxImage& image, int logical_x, int device_y) {
    int black = 0;
    for (int x = 2 * logical_x - 4; x <= std::min(2 * logical_x + 4, image.GetWidth() - 1); ++x) {
        const int r = image.GetRed(x, device_y), g = image.GetGreen(x, device_y),
                  b = image.GetBlue(x, device_y);
        const bool is_black = r == 0 && g == 0 && b == 0;
        const bool is_white = r == 255 && g == 255 && b == 255;
        EXPECT_TRUE(is_black || is_white)
            << "blurred pixel (" << r << ", " << g << ", " << b << ") at device x " << x;
        black += is_black;
    }
    EXPECT_EQ(black, 2) << "line at logical x " << logical_x << " is not two device pixels wide";
}

TEST_F(HiDpiTest, MainWindowToolsAreSharp) {
    ExpectSharpTools({ProgramPanel::kNewProgramTool, ProgramPanel::kOpenProgramTool,
                      ProgramPanel::kSaveTool});
}

TEST_F(HiDpiTest, AdvancedPanelToolsAreSharp) {
    OpenEmptyAdvancedProgram();
    ExpectSharpTools({ProgramPanel::kNewProgramTool, ProgramPanel::kOpenProgramTool,
                      ProgramPanel::kSaveTool, ProgramPanel::kAddTool});
}

TEST_F(HiDpiTest, WeekViewAndLegendDrawCrisply) {
    OpenEmptyAdvancedProgram();
    auto* view = FindNamed<TarnelFeeder3APanel>(frame, "week_view");
    auto* legend = FindNamed<TarnelFeeder3LegendPanel>(frame, "legend");
    ASSERT_NE(view, nullptr);
    ASSERT_NE(legend, nullptr);

    // 500 x 300: columns 71 wide, so day lines at x 71 and 142; row 170 crosses no label.
    const wxImage week = PaintAtScale2(wxSize(500, 300), [&](wxDC& dc, wxSize size) { view->Draw(dc, size); });
    ASSERT_EQ(week.GetSize(), wxSize(1000, 600));
    for (int x : {71, 142}) {
        SCOPED_TRACE(x);
        ExpectCrispVerticalLine(week, x, 2 * 170);
    }

    // The legend's frame: its right edge at logical x 149 for a width of 150.
    const wxImage key = PaintAtScale2(wxSize(150, 300), [&](wxDC& dc, wxSize size) { legend->Draw(dc, size); });
    ExpectCrispVerticalLine(key, 149, 2 * 200);
}

}  // namespace

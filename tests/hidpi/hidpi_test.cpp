// Rendering at a display scale of 2 (GDK_SCALE=2): images must come from sources of twice
// their logical size, never be scaled up from small bitmaps.

#include "app/main_frame.h"
#include "program/advanced_program_panel.h"
#include "program/program_panel.h"
#include "support/gui_test_support.h"

#include <wx/toolbar.h>
#include <wx/weakref.h>

#include <gtest/gtest.h>

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

    wxWeakRef<MainFrame> frame;
};

TEST_F(HiDpiTest, MainWindowToolsAreSharp) {
    ExpectSharpTools({ProgramPanel::kNewProgramTool, ProgramPanel::kOpenProgramTool,
                      ProgramPanel::kSaveTool});
}

TEST_F(HiDpiTest, AdvancedPanelToolsAreSharp) {
    TempDir dir;
    const std::string path = dir.File("week.qvl");
    WriteWholeFile(path, "<Quorvel_9259 version=\"100\" device=\"TN3A\">\n\t<TarnelFeeder3A/>\n"
                         "</Quorvel_9259>\n\n");
    frame->LoadProgramFile("week.qvl", wxString::FromUTF8(path));
    ASSERT_NE(dynamic_cast<ProgramPanelTARNEL3A*>(frame->GetProgramPanel()), nullptr);
    ExpectSharpTools({ProgramPanel::kNewProgramTool, ProgramPanel::kOpenProgramTool,
                      ProgramPanel::kSaveTool, ProgramPanel::kAddTool});
}

}  // namespace

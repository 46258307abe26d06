// The mode selection dialog's own buttons, shown for real.

#include "app/mode_dialog.h"

#include "support/gui_test_support.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>

#include <gtest/gtest.h>

namespace {

TEST(AdvanceSelectDialog, EachButtonEndsWithItsResult) {
    struct Case { const char* button; int result; };
    const Case cases[] = {
        {"simple_button", AdvanceSelectDialog::kSimpleResult},
        {"advanced_button", AdvanceSelectDialog::kAdvancedResult},
        {"cancel_button", AdvanceSelectDialog::kCancelResult},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        AdvanceSelectDialog dialog(nullptr, wxID_ANY, "Create New - Select Mode");
        const int rc = ShowModalAndAct(dialog, [&] { ClickButton(FindNamed(&dialog, c.button)); });
        EXPECT_EQ(rc, c.result);
    }
}

TEST(AdvanceSelectDialog, ClosingItIsNeitherSimpleNorAdvanced) {
    AdvanceSelectDialog dialog(nullptr, wxID_ANY, "Create New - Select Mode");
    const int rc = ShowModalAndAct(dialog, [&] { dialog.Close(); });
    EXPECT_NE(rc, AdvanceSelectDialog::kSimpleResult);
    EXPECT_NE(rc, AdvanceSelectDialog::kAdvancedResult);
}

TEST(AdvanceSelectDialog, ShowsBothModeImagesAtFullSize) {
    AdvanceSelectDialog dialog(nullptr, wxID_ANY, "Create New - Select Mode");
    for (const char* name : {"simple_button", "advanced_button"}) {
        SCOPED_TRACE(name);
        auto* button = FindNamed<wxBitmapButton>(&dialog, name);
        ASSERT_NE(button, nullptr);
        EXPECT_GE(button->GetBitmap().GetLogicalSize().GetWidth(), 64);
    }
}

}  // namespace

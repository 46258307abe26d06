// The week view on a real display: painting into a bitmap, clicks on bands answered through
// the interval dialog.

#include "advanced/week_view.h"

#include "advanced/advanced_test_support.h"
#include "program/advanced_program_panel.h"

#include <wx/frame.h>
#include <wx/toolbar.h>

namespace {

using namespace advanced_test;

// Client area 500 x 300: columns of 71 pixels, hours of 12, grid 497 x 288.
const wxSize kClient(500, 300);
const int kCol = 71;
const int kRow = 12;

class WeekViewTest : public AdvancedPanelTest {
protected:
    // Paints at 500 x 300, which also sets the rectangles the next click is tested against.
    wxImage Paint() {
        return PaintToImage(kClient, [&](wxDC& dc, wxSize size) { view->Draw(dc, size); });
    }
    IntervalValues ClickAndAnswer(int x, int y, int result, const IntervalValues* typed = nullptr) {
        return AdvancedPanelTest::ClickAndAnswer(view, x, y, result, typed);
    }
};

TEST_F(WeekViewTest, GridOutlinesEveryFourHoursOnAWhiteGrid) {
    const wxImage image = Paint();
    for (int d = 0; d <= 7; ++d) {
        const int x = d * kCol;
        for (int block = 0; block < 6; ++block) {
            SCOPED_TRACE("vertical line " + std::to_string(d) + ", block " + std::to_string(block));
            EXPECT_TRUE(IsDark(image, x, block * 48 + 24)) << ColourAt(image, x, block * 48 + 24);
        }
    }
    for (int block = 0; block <= 6; ++block) {
        const int y = block * 4 * kRow;
        for (int d = 0; d < 7; ++d) {
            SCOPED_TRACE("horizontal line at y " + std::to_string(y) + ", column " + std::to_string(d));
            EXPECT_TRUE(IsDark(image, d * kCol + 3, y)) << ColourAt(image, d * kCol + 3, y);
            EXPECT_TRUE(IsDark(image, d * kCol + kCol - 3, y));
        }
    }
    // One pixel wide, white inside, nothing dark beyond the grid.
    const std::string white = ColourName(*wxWHITE);
    EXPECT_EQ(ColourAt(image, 1, 30), white);
    EXPECT_EQ(ColourAt(image, kCol - 1, 30), white);
    EXPECT_EQ(ColourAt(image, 3 * kCol + 5, 4 * kRow + 1), white);
    EXPECT_EQ(ColourAt(image, 3 * kCol + 5, 4 * kRow - 1), white);
    EXPECT_TRUE(DarkPixels(image, 7 * kCol + 1, 0, kClient.x - 1, kClient.y - 1).IsEmpty());
    EXPECT_TRUE(DarkPixels(image, 0, 24 * kRow + 1, kClient.x - 1, kClient.y - 1).IsEmpty());
}

TEST_F(WeekViewTest, LabelsAreCentredAtTheTopOfTheirBlocks) {
    const wxImage image = Paint();
    const int text_height = view->GetTextExtent("Wednesday").y;
    const char* const days[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    // A day name wider than its column spills into its neighbours; centring is checked where
    // no name spills.
    bool fits[7];
    for (int d = 0; d < 7; ++d) fits[d] = view->GetTextExtent(days[d]).x <= kCol - 4;
    for (int d = 0; d < 7; ++d) {
        const int x0 = d * kCol;
        for (int hour = 0; hour < 24; hour += 4) {
            const int y_top = hour * kRow;
            SCOPED_TRACE(hour == 0 ? std::string(days[d])
                                   : std::string(days[d]) + " " + std::to_string(hour) + ":00");
            // Inside the block, between its outlines.
            const wxRect text = DarkPixels(image, x0 + 1, y_top + 1, x0 + kCol - 1, y_top + 4 * kRow - 1);
            ASSERT_FALSE(text.IsEmpty());
            EXPECT_LT(text.GetTop(), y_top + text_height / 2) << "text top " << text.GetTop();
            EXPECT_LE(text.GetBottom(), y_top + text_height) << "text bottom " << text.GetBottom();
            const bool spills = hour == 0 && (!fits[d] || (d > 0 && !fits[d - 1]) || (d < 6 && !fits[d + 1]));
            if (!spills) {
                EXPECT_NEAR(text.GetLeft() + text.GetRight(), 2 * x0 + kCol, 4)
                    << "text from x " << text.GetLeft() << " to " << text.GetRight();
            }
        }
    }
    // Hour labels stand at y 48, 96, 144, 192, 240: nothing is drawn in the rows just above.
    for (int y_top : {48, 96, 144, 192, 240}) {
        SCOPED_TRACE("label at y " + std::to_string(y_top));
        EXPECT_TRUE(DarkPixels(image, 1, y_top - 48 + text_height + 1, kCol - 1, y_top - 1).IsEmpty());
        EXPECT_FALSE(DarkPixels(image, 1, y_top + 1, kCol - 1, y_top + text_height).IsEmpty());
    }
}

TEST_F(WeekViewTest, BandColoursFollowListPositionAndTheFirstLiesOnTop) {
    // Nine one-hour bands on Thursday, two hours apart: the ninth has the first's colour.
    for (int k = 0; k < 9; ++k) {
        const std::string start = (k < 5 ? "0" : "") + std::to_string(2 * k + 1) + ":00:00";
        const std::string stop = (k < 4 ? "0" : "") + std::to_string(2 * k + 2) + ":00:00";
        List().emplace_back(0x20, start, stop, "00:00:30", "00:15:00");
    }
    // Tuesday: the first interval lies inside the second.
    List().emplace_back(0x08, "06:00:00", "12:00:00", "00:00:30", "00:15:00");
    List().emplace_back(0x08, "04:00:00", "14:00:00", "00:00:30", "00:15:00");
    const wxImage image = Paint();

    const int x = 4 * kCol + kCol - 5;
    for (int k = 0; k < 9; ++k) {
        SCOPED_TRACE("interval " + std::to_string(k));
        EXPECT_EQ(ColourAt(image, x, (2 * k + 1) * kRow + 6), ColourName(IntervalColour(k)));
        EXPECT_EQ(ColourAt(image, x, (2 * k + 2) * kRow + 6), ColourName(*wxWHITE));
    }
    EXPECT_EQ(ColourName(IntervalColour(8)), ColourName(wxColour(207, 71, 0)));
    EXPECT_EQ(ColourAt(image, 2 * kCol + 60, 9 * kRow), ColourName(IntervalColour(9)))
        << "the overlap shows the earlier interval";
    EXPECT_EQ(ColourAt(image, 2 * kCol + 60, 4 * kRow + 6), ColourName(IntervalColour(10)));
    EXPECT_EQ(ColourAt(image, 2 * kCol + 60, 13 * kRow + 6), ColourName(IntervalColour(10)));
}

TEST_F(WeekViewTest, AClickOpensTheFirstIntervalHitThere) {
    List() = {
        TN3Interval(0x08, "06:00:00", "12:00:00", "00:00:30", "00:15:00"),  // inside the next
        TN3Interval(0x08, "04:00:00", "14:00:00", "00:00:40", "00:16:00"),
        TN3Interval(0x02, "08:00:00", "10:00:00", "00:00:50", "00:17:00"),  // beside the next
        TN3Interval(0x04, "08:00:00", "10:00:00", "00:01:00", "00:18:00"),
        TN3Interval(0x80, "22:00:00", "02:00:00", "00:01:10", "00:19:00"),  // past midnight
        TN3Interval(0x00, "08:00:00", "10:00:00", "00:01:20", "00:20:00"),  // no day
    };
    struct Case { const char* name; int x, y; int expected; };
    const Case cases[] = {
        {"overlap", 2 * kCol + 30, 8 * kRow, 0},
        {"outer band only", 2 * kCol + 30, 13 * kRow, 1},
        {"shared column edge", kCol, 9 * kRow, 2},
        {"Monday side", kCol + 1, 9 * kRow, 3},
        {"Saturday before midnight", 6 * kCol + 30, 23 * kRow, 4},
        {"Sunday after midnight", 30, kRow, 4},
        {"empty grid", 4 * kCol + 30, 12 * kRow, -1},
        {"beyond the grid", 7 * kCol + 2, 9 * kRow, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Paint();
        if (c.expected < 0) {
            ClickAt(view, c.x, c.y);  // a dialog here would fail the test
            continue;
        }
        const TN3Interval& interval = List()[c.expected];
        const IntervalValues shown = ClickAndAnswer(c.x, c.y, TarnelFeeder3IntervalDialog::kCancelled);
        EXPECT_EQ(Describe(shown), Describe(interval));
    }
    EXPECT_EQ(List().size(), 6u);
    EXPECT_FALSE(SaveEnabled());
}

TEST_F(WeekViewTest, ModifySetsTheAcceptedValuesInPlace) {
    List() = {
        TN3Interval(0x08, "06:00:00", "12:00:00", "00:00:30", "00:15:00"),
        TN3Interval(0x10, "06:00:00", "12:00:00", "00:00:40", "00:16:00"),
    };
    Paint();
    const IntervalValues typed{0x14, "7:00:00", "1.5 h", "30 s", "2 min"};
    ClickAndAnswer(3 * kCol + 30, 8 * kRow, TarnelFeeder3IntervalDialog::kAccepted, &typed);
    EXPECT_EQ(Describe(List()), (std::vector<std::string>{
                                    "0x08 06:00:00-12:00:00 every 00:15:00 for 00:00:30",
                                    "0x14 07:00:00-01:30:00 every 00:02:00 for 00:00:30",
                                }));
    EXPECT_EQ(List()[1].on.time_ms, 30000u) << "30 s is stored as typed";
    EXPECT_EQ(List()[1].off.time_ms, 120000u);
    EXPECT_TRUE(SaveEnabled());

    // The next paint draws the new days and hours: from 07:00 on Monday and Wednesday.
    const wxImage image = Paint();
    EXPECT_EQ(ColourAt(image, kCol + 60, 7 * kRow + 6), ColourName(IntervalColour(1)));
    EXPECT_EQ(ColourAt(image, 3 * kCol + 60, 7 * kRow + 6), ColourName(IntervalColour(1)));
    EXPECT_EQ(ColourAt(image, 3 * kCol + 60, 6 * kRow + 6), ColourName(*wxWHITE));
}

TEST_F(WeekViewTest, DeleteShiftsTheColoursOfLaterIntervals) {
    List() = {
        TN3Interval(0x02, "06:00:00", "12:00:00", "00:00:30", "00:15:00"),
        TN3Interval(0x04, "06:00:00", "12:00:00", "00:00:40", "00:16:00"),
        TN3Interval(0x08, "06:00:00", "12:00:00", "00:00:50", "00:17:00"),
    };
    const int y = 9 * kRow + 6;
    wxImage image = Paint();
    EXPECT_EQ(ColourAt(image, 2 * kCol + 60, y), ColourName(IntervalColour(2)));

    ClickAndAnswer(kCol + 30, y, TarnelFeeder3IntervalDialog::kDeleted);
    EXPECT_EQ(Describe(List()), (std::vector<std::string>{
                                    "0x02 06:00:00-12:00:00 every 00:15:00 for 00:00:30",
                                    "0x08 06:00:00-12:00:00 every 00:17:00 for 00:00:50",
                                }));
    EXPECT_TRUE(SaveEnabled());
    image = Paint();
    EXPECT_EQ(ColourAt(image, kCol + 60, y), ColourName(*wxWHITE));
    EXPECT_EQ(ColourAt(image, 2 * kCol + 60, y), ColourName(IntervalColour(1)));
}

TEST_F(WeekViewTest, CancelChangesNothingAndKeepsTheSaveState) {
    List() = {TN3Interval(0x02, "06:00:00", "12:00:00", "00:00:30", "00:15:00")};
    const IntervalValues typed{0x80, "01:00:00", "02:00:00", "00:00:10", "00:01:00"};
    for (bool unsaved : {false, true}) {
        for (int result : {int(TarnelFeeder3IntervalDialog::kCancelled), int(wxID_CANCEL)}) {
            SCOPED_TRACE(std::string(unsaved ? "unsaved" : "saved") + ", result " + std::to_string(result));
            panel->SetSaveStatus(unsaved);
            Paint();
            ClickAndAnswer(30, 8 * kRow, result, &typed);
            EXPECT_EQ(Describe(List()), std::vector<std::string>{
                                            "0x02 06:00:00-12:00:00 every 00:15:00 for 00:00:30"});
            EXPECT_EQ(SaveEnabled(), unsaved);
        }
    }
}

}  // namespace

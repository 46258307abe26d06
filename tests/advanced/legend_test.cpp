// The legend on a real display: painting into a bitmap, clicks on entries answered through the
// interval dialog.

#include "advanced/legend.h"

#include "advanced/advanced_test_support.h"
#include "advanced/week_view.h"
#include "program/advanced_program_panel.h"

#include <wx/frame.h>
#include <wx/toolbar.h>

namespace {

using namespace advanced_test;

const wxSize kClient(150, 400);
const int kRight = kClient.x - 1;   // w of the drawing
const int kBottom = kClient.y - 1;  // h of the drawing

class LegendTest : public AdvancedPanelTest {
protected:
    void SetUp() override {
        AdvancedPanelTest::SetUp();
        separator = legend->GetTextExtent("Legend").y + 10;
        line = legend->GetTextExtent("Every").y + 2;
        box = 2 * line;
    }

    int BoxTop(int k) const { return separator + 5 + k * box; }
    wxImage Paint() {
        return PaintToImage(kClient, [&](wxDC& dc, wxSize size) { legend->Draw(dc, size); });
    }
    IntervalValues ClickAndAnswer(int x, int y, int result, const IntervalValues* typed = nullptr) {
        return AdvancedPanelTest::ClickAndAnswer(legend, x, y, result, typed);
    }

    int separator = 0;  // y of the line under the title
    int line = 0;       // height of one text line of an entry
    int box = 0;        // height of one entry
};

TEST_F(LegendTest, StandsBesideTheWeekViewAtAFixedWidth) {
    EXPECT_EQ(legend->GetSize().x, legend->FromDIP(150));
    EXPECT_EQ(legend->GetMaxSize().x, legend->FromDIP(150));
    EXPECT_GT(legend->GetPosition().x, view->GetPosition().x + view->GetSize().x);
    EXPECT_EQ(legend->GetSize().y, view->GetSize().y);
}

TEST_F(LegendTest, WithoutIntervalsShowsTitleSeparatorAndFrame) {
    const wxImage image = Paint();
    const wxRect title = DarkPixels(image, 1, 1, kRight - 1, separator - 1);
    ASSERT_FALSE(title.IsEmpty());
    EXPECT_GE(title.GetTop(), 5);
    EXPECT_NEAR(title.GetLeft() + title.GetRight(), kRight, 4) << "title from x " << title.GetLeft()
                                                               << " to " << title.GetRight();
    for (int x : {1, 75, kRight - 1}) EXPECT_TRUE(IsDark(image, x, separator)) << "separator at x " << x;
    for (const wxPoint& p : {wxPoint(75, 0), wxPoint(kRight, 200), wxPoint(75, kBottom), wxPoint(0, 200)})
        EXPECT_TRUE(IsDark(image, p.x, p.y)) << "frame at " << p.x << ", " << p.y;
    EXPECT_TRUE(DarkPixels(image, 1, separator + 1, kRight - 1, kBottom - 1).IsEmpty());
    EXPECT_EQ(ColourAt(image, 75, 200), ColourName(*wxWHITE));
}

TEST_F(LegendTest, EntriesAreStackedInListColoursWithTheirTimes) {
    for (int k = 0; k < 9; ++k)
        List().emplace_back(k == 1 ? 0 : 0xFE, "06:00:00", "12:00:00", "00:00:" + std::to_string(10 + k),
                            "00:" + std::to_string(10 + k) + ":00");
    const wxImage image = Paint();
    EXPECT_EQ(BoxTop(0), separator + 5);
    for (int k = 0; k < 9; ++k) {
        SCOPED_TRACE("entry " + std::to_string(k));
        const std::string colour = ColourName(IntervalColour(k));
        EXPECT_EQ(ColourAt(image, 70, BoxTop(k)), colour) << "first row";
        EXPECT_EQ(ColourAt(image, 70, BoxTop(k) + box - 1), colour) << "last row";
        EXPECT_EQ(ColourAt(image, kRight - 1, BoxTop(k) + line), colour);
        for (int row = 0; row < 2; ++row) {
            const int top = BoxTop(k) + row * line;
            const wxRect label = DarkPixels(image, 1, top, 60, top + line - 1);
            const wxRect value = DarkPixels(image, 61, top, kRight - 1, top + line - 1);
            EXPECT_FALSE(label.IsEmpty()) << (row == 0 ? "Every" : "For");
            ASSERT_FALSE(value.IsEmpty()) << "line " << row;
            EXPECT_LE(value.GetRight(), kRight - 2) << "the value is right-aligned";
            EXPECT_GE(value.GetRight(), kRight - 6) << "the value is right-aligned";
        }
    }
    EXPECT_EQ(ColourAt(image, 70, BoxTop(9)), ColourName(*wxWHITE));
    EXPECT_EQ(ColourName(IntervalColour(8)), ColourName(IntervalColour(0)));
}

TEST_F(LegendTest, AClickOpensTheEntryUnderIt) {
    List() = {
        TN3Interval(0x02, "06:00:00", "12:00:00", "00:00:30", "00:15:00"),
        TN3Interval(0x00, "08:00:00", "10:00:00", "00:00:40", "00:16:00"),  // no day
    };
    struct Case { const char* name; int x, y; int expected; };
    const Case cases[] = {
        {"first entry", 70, BoxTop(0) + 3, 0},
        {"left edge of the second", 0, BoxTop(1) + line, 1},
        {"line where two entries meet", 70, BoxTop(1), 0},
        {"bottom edge of the last", kRight, BoxTop(2), 1},
        {"title", 70, 5, -1},
        {"separator", 70, separator, -1},
        {"below the entries", 70, BoxTop(2) + 1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Paint();
        if (c.expected < 0) {
            ClickAt(legend, c.x, c.y);  // a dialog here would fail the test
            continue;
        }
        const IntervalValues shown = ClickAndAnswer(c.x, c.y, TarnelFeeder3IntervalDialog::kCancelled);
        EXPECT_EQ(Describe(shown), Describe(List()[c.expected]));
    }
    EXPECT_FALSE(SaveEnabled());
}

TEST_F(LegendTest, AnIntervalWithoutDaysIsEditedHere) {
    List() = {
        TN3Interval(0x02, "06:00:00", "12:00:00", "00:00:30", "00:15:00"),
        TN3Interval(0x00, "08:00:00", "10:00:00", "00:00:40", "00:16:00"),
    };
    Paint();
    const IntervalValues typed{0x80, "08:00:00", "10:00:00", "40 s", "16 m"};
    const IntervalValues shown =
        ClickAndAnswer(70, BoxTop(1) + 3, TarnelFeeder3IntervalDialog::kAccepted, &typed);
    EXPECT_EQ(shown.days, 0);
    EXPECT_EQ(Describe(List()), (std::vector<std::string>{
                                    "0x02 06:00:00-12:00:00 every 00:15:00 for 00:00:30",
                                    "0x80 08:00:00-10:00:00 every 00:16:00 for 00:00:40",
                                }));
    EXPECT_TRUE(SaveEnabled());
}

TEST_F(LegendTest, DeletingTheFirstRecoloursTheOthersHereAndOnTheWeekView) {
    List() = {
        TN3Interval(0x02, "06:00:00", "12:00:00", "00:00:30", "00:15:00"),
        TN3Interval(0x04, "06:00:00", "12:00:00", "00:00:40", "00:16:00"),
        TN3Interval(0x08, "06:00:00", "12:00:00", "00:00:50", "00:17:00"),
    };
    Paint();
    ClickAndAnswer(70, BoxTop(0) + 3, TarnelFeeder3IntervalDialog::kDeleted);
    EXPECT_EQ(Describe(List()), (std::vector<std::string>{
                                    "0x04 06:00:00-12:00:00 every 00:16:00 for 00:00:40",
                                    "0x08 06:00:00-12:00:00 every 00:17:00 for 00:00:50",
                                }));
    EXPECT_TRUE(SaveEnabled());

    const wxImage image = Paint();
    EXPECT_EQ(ColourAt(image, 70, BoxTop(0) + 3), ColourName(IntervalColour(0)));
    EXPECT_EQ(ColourAt(image, 70, BoxTop(1) + 3), ColourName(IntervalColour(1)));
    EXPECT_EQ(ColourAt(image, 70, BoxTop(2) + 3), ColourName(*wxWHITE));
    const wxImage week = PaintToImage(wxSize(500, 300), [&](wxDC& dc, wxSize size) { view->Draw(dc, size); });
    EXPECT_EQ(ColourAt(week, 71 + 60, 9 * 12 + 6), ColourName(IntervalColour(0)));
    EXPECT_EQ(ColourAt(week, 142 + 60, 9 * 12 + 6), ColourName(IntervalColour(1)));
}

TEST_F(LegendTest, AClickOnAnEntryWhoseIntervalIsGoneIsIgnored) {
    List() = {
        TN3Interval(0x02, "06:00:00", "12:00:00", "00:00:30", "00:15:00"),
        TN3Interval(0x04, "06:00:00", "12:00:00", "00:00:40", "00:16:00"),
    };
    Paint();
    List().pop_back();  // changed without a repaint
    ClickAt(legend, 70, BoxTop(1) + 3);  // a dialog here would fail the test
    EXPECT_EQ(List().size(), 1u);
    EXPECT_FALSE(SaveEnabled());
}

}  // namespace

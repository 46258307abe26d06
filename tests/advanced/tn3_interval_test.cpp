#include "advanced/tn3_interval.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

static void PrintTo(const TN3Region& r, std::ostream* os) {
    *os << "(" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << ")";
}

TEST(TN3Interval, ParsesItsTextsWithTheDayMask) {
    const TN3Interval interval(0x14, "06:00:00", "24:00:00", "00:00:30", "13:00:00 PM");
    EXPECT_EQ(interval.GetStart(), "06:00:00");
    EXPECT_EQ(interval.GetStop(), "00:00:00");  // hours reduced modulo 24
    EXPECT_EQ(interval.GetOnTime(), "00:00:30");
    EXPECT_EQ(interval.GetOffTime(), "25:00:00");  // the 12-hour form is not reduced
    for (const TimeText* value : {&interval.start, &interval.stop, &interval.on, &interval.off}) {
        EXPECT_TRUE(value->valid);
        EXPECT_EQ(value->day_mask, 0x14);
    }
    EXPECT_TRUE(interval.regions.empty());

    // Texts only the duration grammar knows are invalid as times of day.
    const TN3Interval refused(0x02, "30 s", "", "00:00:30.5", "1d 00:00:00");
    for (const TimeText* value : {&refused.start, &refused.stop, &refused.on, &refused.off}) {
        EXPECT_FALSE(value->valid);
        EXPECT_EQ(value->time_ms, 0u);
        EXPECT_EQ(value->day_mask, 0x02);
    }

    // Mask 0: all four are durations.
    const TN3Interval durations(0, "30 s", "1d 00:00:00", "0:10", "1.5 h");
    EXPECT_EQ(durations.start.time_ms, 30000u);
    EXPECT_EQ(durations.stop.time_ms, 86400000u);
    EXPECT_EQ(durations.GetOnTime(), "00:00:10");
    EXPECT_EQ(durations.GetOffTime(), "01:30:00");
}

TEST(TN3Interval, GenRegions) {
    struct Case {
        const char* name;
        std::uint8_t days;
        const char* start;
        const char* stop;
        std::int32_t height;
        std::vector<TN3Region> regions;
    };
    const Case cases[] = {
        {"Monday by day", 0x04, "06:00:00", "18:00:00", 288, {{71, 72, 71, 144}}},
        {"every day",
         0xFE,
         "06:00:00",
         "18:00:00",
         288,
         {{0, 72, 71, 144},
          {71, 72, 71, 144},
          {142, 72, 71, 144},
          {213, 72, 71, 144},
          {284, 72, 71, 144},
          {355, 72, 71, 144},
          {426, 72, 71, 144}}},
        {"Saturday night continues on Sunday", 0x80, "22:00:00", "02:00:00", 288,
         {{426, 264, 71, 24}, {0, 0, 71, 24}}},
        {"Sunday to midnight", 0x02, "20:00:00", "00:00:00", 288,
         {{0, 240, 71, 48}, {71, 0, 71, 0}}},
        {"stop 24:00:00 is midnight", 0x02, "18:00:00", "24:00:00", 288,
         {{0, 216, 71, 72}, {71, 0, 71, 0}}},
        {"start equals stop: whole day", 0x02, "00:00:00", "00:00:00", 288,
         {{0, 0, 71, 288}, {71, 0, 71, 0}}},
        {"one second is one pixel tall", 0x02, "12:00:00", "12:00:01", 288, {{0, 144, 71, 1}}},
        {"Friday and Saturday overnight", 0xC0, "23:00:00", "01:00:00", 288,
         {{355, 276, 71, 12}, {426, 0, 71, 12}, {426, 276, 71, 12}, {0, 0, 71, 12}}},
        {"no days", 0x00, "06:00:00", "18:00:00", 288, {}},
        {"single precision, divide first", 0x02, "13:00:00", "00:00:00", 216,
         {{0, 116, 71, 100}, {71, 0, 71, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ": " + c.start + " to " + c.stop);
        TN3Interval interval(c.days, c.start, c.stop, "00:00:30", "00:15:00");
        const std::vector<TN3Region> returned = interval.GenRegions(497, c.height);
        EXPECT_EQ(returned, c.regions);
        EXPECT_EQ(interval.regions, c.regions);
    }
}

TEST(TN3Interval, GenRegionsRebuildsForANewSize) {
    TN3Interval interval(0x04, "06:00:00", "18:00:00", "00:00:30", "00:15:00");
    interval.GenRegions(497, 288);
    EXPECT_EQ(interval.GenRegions(700, 480), (std::vector<TN3Region>{{100, 120, 100, 240}}));
    EXPECT_EQ(interval.regions.size(), 1u);

    const TN3Interval copy = interval;
    EXPECT_EQ(copy.regions, interval.regions);
    EXPECT_EQ(copy.GetStop(), "18:00:00");
}

TEST(TN3Interval, TestHitIncludesEveryEdge) {
    TN3Interval sunday(0x02, "06:00:00", "18:00:00", "00:00:30", "00:15:00");
    TN3Interval monday(0x04, "06:00:00", "18:00:00", "00:00:30", "00:15:00");
    EXPECT_FALSE(sunday.TestHit(10, 100));  // nothing drawn yet
    sunday.GenRegions(497, 288);  // (0, 72, 71, 144)
    monday.GenRegions(497, 288);  // (71, 72, 71, 144)

    struct Case {
        std::int32_t x, y;
        bool sunday, monday;
    };
    const Case cases[] = {
        {0, 72, true, false},     {70, 216, true, false},  {71, 100, true, true},
        {71, 72, true, true},     {71, 216, true, true},   {142, 216, false, true},
        {143, 100, false, false}, {30, 71, false, false},  {30, 217, false, false},
        {-1, 100, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("point (" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")");
        EXPECT_EQ(sunday.TestHit(c.x, c.y), c.sunday);
        EXPECT_EQ(monday.TestHit(c.x, c.y), c.monday);
    }
}

TEST(TN3Interval, TestHitOnZeroHeightRegion) {
    TN3Interval interval(0x02, "20:00:00", "00:00:00", "00:00:30", "00:15:00");
    interval.GenRegions(497, 288);  // (0, 240, 71, 48) and (71, 0, 71, 0)
    EXPECT_TRUE(interval.TestHit(100, 0));
    EXPECT_TRUE(interval.TestHit(142, 0));
    EXPECT_FALSE(interval.TestHit(100, 1));
    EXPECT_FALSE(interval.TestHit(143, 0));

    TN3Interval no_days(0, "00:00:00", "00:00:00", "00:00:30", "00:15:00");
    EXPECT_TRUE(no_days.GenRegions(497, 288).empty());
    EXPECT_FALSE(no_days.TestHit(0, 0));
}

#include "program/time_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr std::uint8_t kDuration = 0;
constexpr std::uint8_t kMonday = 0x04;

struct ParseCase {
    const char* text;
    std::uint8_t mask;
    bool valid;
    std::uint32_t ms;      // expected when valid
    const char* printed;   // GetText() of the parsed value, when valid
};

std::string Describe(const ParseCase& c) {
    return std::string("'") + c.text + "' as " + (c.mask == 0 ? "duration" : "time of day");
}

}  // namespace

TEST(TimeText, StartsAsInvalidZeroDuration) {
    const TimeText t;
    EXPECT_FALSE(t.valid);
    EXPECT_EQ(t.time_ms, 0u);
    EXPECT_EQ(t.day_mask, 0u);
}

TEST(TimeText, ParsesAndPrints) {
    const ParseCase cases[] = {
        // Durations: clock notation, separators not examined.
        {"00:00:10", kDuration, true, 10000, "00:00:10"},
        {" 00:00:10", kDuration, true, 10000, "00:00:10"},
        {"\t0 : 0 : 10", kDuration, true, 10000, "00:00:10"},
        {"25:00:00", kDuration, true, 90000000, "1d 01:00:00"},
        {"10.30.00", kDuration, true, 37800000, "10:30:00"},
        {"10h30m00", kDuration, true, 37800000, "10:30:00"},
        {"0:0:90", kDuration, true, 90000, "00:01:30"},
        {"0:0:0.0015", kDuration, true, 1, "00:00:00.001"},
        {"0:0:4.35", kDuration, true, 4350, "00:00:04.35"},
        {"0:0:1.001", kDuration, true, 1001, "00:00:01.001"},
        {"0:0:1e1", kDuration, true, 10000, "00:00:10"},
        {"0:0:.5", kDuration, true, 500, "00:00:00.5"},
        {"0:0:2.", kDuration, true, 2000, "00:00:02"},
        // With a day count; the word is not examined.
        {"1d 01:01:01.5", kDuration, true, 90061500, "1d 01:01:01.5"},
        {"1 day 01:00:00", kDuration, true, 90000000, "1d 01:00:00"},
        {"1 x 01:00:00", kDuration, true, 90000000, "1d 01:00:00"},
        // Minutes and seconds: only ':' separates them.
        {"0:10", kDuration, true, 10000, "00:00:10"},
        {"1:30", kDuration, true, 90000, "00:01:30"},
        {"1 : 30", kDuration, true, 90000, "00:01:30"},
        {"1:.5", kDuration, true, 60500, "00:01:00.5"},
        // Three numbers are hours, minutes and seconds whatever separates them.
        {"1 :30.25", kDuration, true, 5425000, "01:30:25"},
        // A number with a unit word.
        {"10 s", kDuration, true, 10000, "00:00:10"},
        {"10s", kDuration, true, 10000, "00:00:10"},
        {"10 Seconds", kDuration, true, 10000, "00:00:10"},
        {"1.5 h", kDuration, true, 5400000, "01:30:00"},
        {"2 days", kDuration, true, 172800000, "2d 00:00:00"},
        {"2 m", kDuration, true, 120000, "00:02:00"},
        {"1 m", kDuration, true, 60000, "00:01:00"},
        {".5 min", kDuration, true, 30000, "00:00:30"},
        {"1e1s", kDuration, true, 10000, "00:00:10"},
        {"1E-3 S", kDuration, true, 1, "00:00:00.001"},
        {"4.35 s", kDuration, true, 4350, "00:00:04.35"},
        {"0.0000000000000000000001 d", kDuration, true, 0, "00:00:00"},
        // Invalid durations.
        {"", kDuration, false, 0, ""},
        {"   ", kDuration, false, 0, ""},
        {"abc", kDuration, false, 0, ""},
        {"10", kDuration, false, 0, ""},
        {"00:00:10 ", kDuration, false, 0, ""},
        {"10 s\n", kDuration, false, 0, ""},
        {"1.30", kDuration, false, 0, ""},
        {"1-30", kDuration, false, 0, ""},
        {"5 fortnights", kDuration, false, 0, ""},
        {"10 hr", kDuration, false, 0, ""},
        {"10 s s", kDuration, false, 0, ""},
        {"1:2:3:4", kDuration, false, 0, ""},
        {"1:30:", kDuration, false, 0, ""},
        {". s", kDuration, false, 0, ""},
        {"e s", kDuration, false, 0, ""},
        {"1e s", kDuration, false, 0, ""},
        {"1es", kDuration, false, 0, ""},
        {"inf s", kDuration, false, 0, ""},
        {"nan s", kDuration, false, 0, ""},
        {"0x10 s", kDuration, false, 0, ""},
        {"1d01:00:00", kDuration, false, 0, ""},
        // A sign is not part of any number.
        {"-5 s", kDuration, false, 0, ""},
        {"+5 s", kDuration, false, 0, ""},
        {"-0:10", kDuration, false, 0, ""},
        {"0:-10", kDuration, false, 0, ""},
        {"1:+2:3", kDuration, false, 0, ""},
        {"-1d 00:00:00", kDuration, false, 0, ""},
        // The 32-bit millisecond range ends at 49d 17:02:47.295; beyond it nothing wraps.
        {"49d 17:02:47.25", kDuration, true, 4294967250u, "49d 17:02:47.25"},
        {"49d 17:02:47.295", kDuration, true, 4294967295u, "49d 17:02:47.295"},
        {"4294967.295 s", kDuration, true, 4294967295u, "49d 17:02:47.295"},
        {"49d 17:02:47.296", kDuration, false, 0, ""},
        {"4294967.296 s", kDuration, false, 0, ""},
        {"71582:47", kDuration, true, 4294967000u, "49d 17:02:47"},
        {"71583:0", kDuration, false, 0, ""},
        {"0:4294967296", kDuration, false, 0, ""},
        {"4294967296:0:0", kDuration, false, 0, ""},
        {"99999999999999999999999 d 0:0:0", kDuration, false, 0, ""},
        {"0:0:4294967296", kDuration, false, 0, ""},
        {"49.71 d", kDuration, true, 4294944000u, "49d 17:02:24"},
        {"49.72 d", kDuration, false, 0, ""},
        {"1e400 s", kDuration, false, 0, ""},
        // Time of day: 24-hour form wraps the hour into the day.
        {"08:00:00", kMonday, true, 28800000, "08:00:00"},
        {"8.0.0", kMonday, true, 28800000, "08:00:00"},
        {" 8 : 0 : 0", kMonday, true, 28800000, "08:00:00"},
        {"25:00:00", kMonday, true, 3600000, "01:00:00"},
        {"4294967295:00:00", kMonday, true, 54000000, "15:00:00"},
        {"0:0:4294967", kMonday, true, 4294967000u, "1193:02:47"},
        // 12-hour form; the hour is not reduced.
        {"12:30:00 AM", kMonday, true, 1800000, "00:30:00"},
        {"11:00:00 am", kMonday, true, 39600000, "11:00:00"},
        {"12:30:00 pm", kMonday, true, 45000000, "12:30:00"},
        {"1:00:00 PM", kMonday, true, 46800000, "13:00:00"},
        {"10:00:00AM", kMonday, true, 36000000, "10:00:00"},
        {"13:00:00 PM", kMonday, true, 90000000, "25:00:00"},
        // Invalid times of day.
        {"10:00:00 XM", kMonday, false, 0, ""},
        {"10:00:00 AM PM", kMonday, false, 0, ""},
        {"08:00:00.5", kMonday, false, 0, ""},
        {"8 h", kMonday, false, 0, ""},
        {"08:00", kMonday, false, 0, ""},
        {"08:00:00 ", kMonday, false, 0, ""},
        {"-1:00:00", kMonday, false, 0, ""},
        {"+1:00:00", kMonday, false, 0, ""},
        {"4294967296:00:00", kMonday, false, 0, ""},
        {"0:0:4294968", kMonday, false, 0, ""},
        {"4294967295:00:00 PM", kMonday, false, 0, ""},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(Describe(c));
        TimeText t;
        const bool parsed = t.SetFromText(c.text, c.mask);
        EXPECT_EQ(parsed, c.valid);
        EXPECT_EQ(t.valid, c.valid);
        EXPECT_EQ(t.day_mask, c.mask);
        if (!c.valid) continue;
        EXPECT_EQ(t.time_ms, c.ms);
        EXPECT_EQ(t.GetText(), c.printed);
    }
}

TEST(TimeText, EveryUnitWordInAnyCase) {
    struct Unit { const char* word; std::uint32_t factor; };
    const Unit units[] = {
        {"S", 1000},       {"SEC", 1000},      {"SECS", 1000},    {"SECOND", 1000},
        {"SECONDS", 1000}, {"M", 60000},       {"MIN", 60000},    {"MINS", 60000},
        {"MINUTE", 60000}, {"MINUTES", 60000}, {"H", 3600000},    {"HRS", 3600000},
        {"HOUR", 3600000}, {"HOURS", 3600000}, {"D", 86400000},   {"DAY", 86400000},
        {"DAYS", 86400000},
    };
    for (const Unit& u : units) {
        std::string lower = u.word;
        for (char& ch : lower) ch = static_cast<char>(ch - 'A' + 'a');
        for (const std::string& text : {"2 " + std::string(u.word), "2" + lower}) {
            SCOPED_TRACE("'" + text + "'");
            TimeText t;
            ASSERT_TRUE(t.SetFromText(text, 0));
            EXPECT_EQ(t.time_ms, 2 * u.factor);
        }
    }
}

TEST(TimeText, RefusedTextKeepsTimeAndStoresNewMask) {
    const struct {
        const char* text;
        std::uint8_t mask;
    } cases[] = {{"abc", kMonday}, {"8 h", day_bits::kEveryDay}, {"71583:0", 0},
                 {"-5 s", 0}, {"10:00:00 XM", day_bits::kSunday}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("'") + c.text + "'");
        TimeText t;
        ASSERT_TRUE(t.SetFromText("00:00:10", 0));
        EXPECT_FALSE(t.SetFromText(c.text, c.mask));
        EXPECT_FALSE(t.valid);
        EXPECT_EQ(t.time_ms, 10000u);
        EXPECT_EQ(t.day_mask, c.mask);
    }
}

TEST(TimeText, MaskPassedFromTheValueItself) {
    TimeText t;
    t.day_mask = kMonday;
    ASSERT_TRUE(t.SetFromText("08:00:00", t.day_mask));
    EXPECT_EQ(t.day_mask, kMonday);
    EXPECT_EQ(t.time_ms, 28800000u);
}

TEST(TimeText, Prints) {
    const struct {
        std::uint32_t ms;
        std::uint8_t mask;
        const char* text;
    } cases[] = {
        {0, 0, "00:00:00"},
        {500, 0, "00:00:00.5"},
        {1, 0, "00:00:00.001"},
        {10, 0, "00:00:00.01"},
        {120, 0, "00:00:00.12"},
        {10000, 0, "00:00:10"},
        {59999, 0, "00:00:59.999"},
        {900000, 0, "00:15:00"},
        {36005000, 0, "10:00:05"},
        {86399999, 0, "23:59:59.999"},
        {86400000, 0, "1d 00:00:00"},
        {90061500, 0, "1d 01:01:01.5"},
        {864000000, 0, "10d 00:00:00"},
        {4294967295u, 0, "49d 17:02:47.295"},
        {28800000, day_bits::kSunday, "08:00:00"},
        {90000000, day_bits::kEveryDay, "25:00:00"},
        {4294967295u, 0x80, "1193:02:47.295"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.ms) + " ms, mask " + std::to_string(c.mask));
        TimeText t;
        t.time_ms = c.ms;
        t.day_mask = c.mask;
        EXPECT_EQ(t.GetText(), c.text);
    }
}

// The Simple editor rewrites a field with GetText and reads it back later: the value must not
// drift by a millisecond.
TEST(TimeText, PrintedDurationReadsBackExactly) {
    for (std::uint32_t ms = 0; ms < 120000; ms += 7) {
        TimeText printed;
        printed.time_ms = ms;
        const std::string text = printed.GetText();
        TimeText read;
        ASSERT_TRUE(read.SetFromText(text, 0)) << "'" << text << "'";
        ASSERT_EQ(read.time_ms, ms) << "'" << text << "'";
    }
}

TEST(TimeText, LongNumbers) {
    const std::string nines(200000, '9');
    const struct {
        std::string text;
        std::uint8_t mask;
        bool valid;
        std::uint32_t ms;
    } cases[] = {
        {nines + " s", 0, false, 0},
        {nines + ":00:00", 0, false, 0},
        {"0:0:" + nines, 0, false, 0},
        {nines + ":00:00", kMonday, false, 0},
        // 1.999... ms truncates to 1, however many nines follow.
        {"0.001" + nines + " s", 0, true, 1},
        {"0:0:0." + std::string(200000, '0') + "1", 0, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("'" + c.text.substr(0, 12) + "...' of " + std::to_string(c.text.size()));
        TimeText t;
        EXPECT_EQ(t.SetFromText(c.text, c.mask), c.valid);
        if (c.valid) {
            EXPECT_EQ(t.time_ms, c.ms);
        }
    }
}

TEST(DayBits, WeekdayMask) {
    EXPECT_EQ(day_bits::ForWeekday(0), day_bits::kSunday);
    EXPECT_EQ(day_bits::ForWeekday(6), 0x80);
    std::uint8_t all = 0;
    for (int weekday = 0; weekday < 7; ++weekday) all |= day_bits::ForWeekday(weekday);
    EXPECT_EQ(all, day_bits::kEveryDay);
}

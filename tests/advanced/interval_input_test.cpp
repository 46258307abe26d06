#include "advanced/interval_input.h"

#include "advanced/tn3_interval.h"
#include "program/time_text.h"

#include <gtest/gtest.h>

#include <string>

TEST(IntervalInput, Validation) {
    struct Case {
        const char* name;
        IntervalTexts typed;  // start, stop, frequency, duration
        const char* error;    // empty when accepted
    };
    const Case cases[] = {
        {"dialog defaults", {"00:00:00", "00:00:00", "00:15:00", "00:00:30"}, ""},
        {"start 24:00:00", {"24:00:00", "06:00:00", "00:15:00", "00:00:30"}, ""},
        {"start 24:00:01", {"24:00:01", "06:00:00", "00:15:00", "00:00:30"}, "Invalid start time."},
        {"start 25:00:00", {"25:00:00", "06:00:00", "00:15:00", "00:00:30"}, "Invalid start time."},
        {"empty start before a wrong stop", {"", "x", "00:15:00", "00:00:30"}, "Invalid start time."},
        {"non-numeric start", {"six", "06:00:00", "00:15:00", "00:00:30"}, "Invalid start time."},
        {"signed start", {"-5 s", "06:00:00", "00:15:00", "00:00:30"}, "Invalid start time."},
        {"trailing blank", {"06:00:00 ", "06:00:00", "00:15:00", "00:00:30"}, "Invalid start time."},
        {"stop 24:00:00", {"06:00:00", "24:00:00", "00:15:00", "00:00:30"}, ""},
        {"stop 24:00:01", {"06:00:00", "24:00:01", "00:15:00", "00:00:30"}, "Invalid stop time."},
        {"empty stop", {"06:00:00", "", "00:15:00", "00:00:30"}, "Invalid stop time."},
        {"frequency 00:00:59", {"06:00:00", "18:00:00", "00:00:59", "00:00:30"}, "Invalid frequency time."},
        {"frequency 00:01:00", {"06:00:00", "18:00:00", "00:01:00", "00:00:30"}, ""},
        {"duration 00:00:09", {"06:00:00", "18:00:00", "00:15:00", "00:00:09"}, "Invalid duration time."},
        {"duration 00:00:10", {"06:00:00", "18:00:00", "00:15:00", "00:00:10"}, ""},
        {"frequency before duration", {"06:00:00", "18:00:00", "x", "y"}, "Invalid frequency time."},
        {"unit and clock forms", {"6 h", "18:00", "15 min", "30 s"}, ""},
        // Only what is stored as typed is accepted.
        {"fractional start", {"06:00:00.5", "18:00:00", "00:15:00", "00:00:30"}, "Invalid start time."},
        {"fractional stop", {"06:00:00", "0:0:0.001", "00:15:00", "00:00:30"}, "Invalid stop time."},
        {"fractional frequency", {"06:00:00", "18:00:00", "1.5 s", "00:00:10"}, "Invalid frequency time."},
        {"fractional duration", {"06:00:00", "18:00:00", "00:15:00", "00:00:30.5"}, "Invalid duration time."},
        {"frequency of 24 hours", {"06:00:00", "18:00:00", "24:00:00", "00:00:30"}, "Invalid frequency time."},
        {"frequency of a day", {"06:00:00", "18:00:00", "1 day", "00:00:30"}, "Invalid frequency time."},
        {"frequency just under a day", {"06:00:00", "18:00:00", "23:59:59", "00:00:30"}, ""},
        {"duration of 24 hours", {"06:00:00", "18:00:00", "23:59:59", "24:00:00"}, "Invalid duration time."},
        {"duration longer than frequency", {"06:00:00", "18:00:00", "00:01:00", "00:01:01"},
         "Duration must not be longer than frequency."},
        {"duration equal to frequency", {"06:00:00", "18:00:00", "00:01:00", "60 s"}, ""},
        {"field rules come before the comparison", {"x", "18:00:00", "00:01:00", "00:02:00"},
         "Invalid start time."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ": '" + c.typed.start + "' '" + c.typed.stop + "' every '" +
                     c.typed.frequency + "' for '" + c.typed.duration + "'");
        std::string error = "untouched";
        IntervalTexts canonical{"a", "b", "c", "d"};
        const bool accepted = CheckIntervalTexts(c.typed, &canonical, &error);
        EXPECT_EQ(accepted, c.error[0] == '\0');
        if (accepted) {
            EXPECT_EQ(error, "untouched");
        } else {
            EXPECT_EQ(error, c.error);
            EXPECT_EQ(canonical.start, "a");
        }
        EXPECT_EQ(CheckIntervalTexts(c.typed, nullptr, nullptr), accepted);
    }
}

TEST(IntervalInput, CanonicalTextsAreWhatTheIntervalReads) {
    struct Case {
        const char* typed;
        const char* canonical;
    };
    const Case cases[] = {
        {"00:00:00", "00:00:00"}, {"24:00:00", "24:00:00"}, {"1 day", "24:00:00"},
        {"30 s", "00:00:30"},     {"0:10", "00:00:10"},     {"1.5 h", "01:30:00"},
        {"0:0:90", "00:01:30"},   {"10.30.00", "10:30:00"}, {" 06:00:00", "06:00:00"},
        {"15 MIN", "00:15:00"},   {"23:59:59", "23:59:59"}, {"1d 00:00:00", "24:00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("typed '") + c.typed + "'");
        // As start and stop; as frequency and duration where the rules allow the value.
        TimeText typed;
        ASSERT_TRUE(typed.SetFromText(c.typed, 0));
        const bool fits_feed = typed.time_ms >= 60000 && typed.time_ms < 86400000;
        const IntervalTexts input{c.typed, c.typed, fits_feed ? c.typed : "00:15:00",
                                  fits_feed ? c.typed : "00:00:30"};
        IntervalTexts canonical;
        std::string error;
        ASSERT_TRUE(CheckIntervalTexts(input, &canonical, &error)) << error;
        EXPECT_EQ(canonical.start, c.canonical);
        EXPECT_EQ(canonical.stop, c.canonical);
        if (fits_feed) {
            EXPECT_EQ(canonical.frequency, c.canonical);
            EXPECT_EQ(canonical.duration, c.canonical);
        }

        const TN3Interval interval(0xFE, canonical.start, canonical.stop, canonical.duration,
                                   canonical.frequency);
        EXPECT_TRUE(interval.start.valid);
        EXPECT_EQ(interval.start.time_ms, typed.time_ms % 86400000u);
        EXPECT_EQ(interval.stop.time_ms, typed.time_ms % 86400000u);
        if (fits_feed) {
            EXPECT_TRUE(interval.on.valid);
            EXPECT_EQ(interval.on.time_ms, typed.time_ms);
            EXPECT_EQ(interval.off.time_ms, typed.time_ms);
        }
    }
}

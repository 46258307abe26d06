#include "simple/simple_program.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The editor's texts at start: a valid Timing program.
SimpleProgramTexts Initial() {
    return {"00:00:10", "00:15:00", "00:00:00", "00:00:00", "00:15:00", "00:00:30"};
}

std::string Describe(const SimpleProgramTexts& t) {
    return "test run '" + t.test_run + "', pause '" + t.pause + "', from '" + t.feed_from +
           "' until '" + t.feed_until + "', every '" + t.feed_every + "' for '" + t.feed_for + "'";
}

}  // namespace

TEST(SimpleProgram, DurationMs) {
    const struct {
        const char* text;
        std::uint32_t ms;
    } cases[] = {{"00:00:10", 10000}, {"10 s", 10000},   {"1.5 h", 5400000},
                 {"abc", 0},          {"", 0},           {"-5 s", 0},
                 {"08:00:00 PM", 0},  {"71583:0", 0},    {"4294967.295 s", 4294967295u}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("'") + c.text + "'");
        EXPECT_EQ(DurationMs(c.text), c.ms);
    }
}

TEST(SimpleProgram, ValidationReportsTheFirstFailingCheck) {
    struct Case {
        const char* name;
        SimpleProgramTexts texts;
        const char* message;  // null when valid
    };
    auto with = [](std::string SimpleProgramTexts::*field, const char* text) {
        SimpleProgramTexts t = Initial();
        t.*field = text;
        return t;
    };
    using T = SimpleProgramTexts;
    const Case cases[] = {
        {"initial texts", Initial(), nullptr},
        {"test run invalid", with(&T::test_run, "abc"), "Invalid test run duration."},
        {"test run 9.999 s", with(&T::test_run, "9.999 s"),
         "Test run duration must be at least 10 seconds."},
        {"test run 5 s", with(&T::test_run, "5 s"),
         "Test run duration must be at least 10 seconds."},
        {"test run 10 s", with(&T::test_run, "10 s"), nullptr},
        {"test run 16777215 ms", with(&T::test_run, "16777.215 s"), nullptr},
        {"test run 16777216 ms", with(&T::test_run, "16777.216 s"),
         "Test run duration is too long."},
        {"pause invalid", with(&T::pause, "abc"), "Invalid pause duration."},
        {"pause 0", with(&T::pause, "0 s"), nullptr},
        {"pause 16777215 ms", with(&T::pause, "04:39:37.215"), nullptr},
        {"pause 16777216 ms", with(&T::pause, "04:39:37.216"), "Pause duration is too long."},
        {"feed from invalid", with(&T::feed_from, "8 o'clock"), "Invalid feed from time."},
        {"feed from 24:00:00", with(&T::feed_from, "24:00:00"), nullptr},
        {"feed from 24:00:00.001", with(&T::feed_from, "24:00:00.001"), "Invalid feed from time."},
        {"feed from 24:00:01", with(&T::feed_from, "24:00:01"), "Invalid feed from time."},
        {"feed from 1 day", with(&T::feed_from, "1 d"), nullptr},
        {"feed from 2 days", with(&T::feed_from, "2 days"), "Invalid feed from time."},
        {"feed until invalid", with(&T::feed_until, "18:00:00 PM"), "Invalid feed until time."},
        {"feed until 24:00:00", with(&T::feed_until, "24:00:00"), nullptr},
        {"feed until 24:00:01", with(&T::feed_until, "24:00:01"), "Invalid feed until time."},
        {"feed every invalid", with(&T::feed_every, "often"), "Invalid feed every interval."},
        {"feed every 59 s", with(&T::feed_every, "59 s"),
         "Feed every interval must be at least 1 minute."},
        {"feed every 1 m", with(&T::feed_every, "1 m"), nullptr},
        {"feed for invalid", with(&T::feed_for, "1:2:3:4"), "Invalid feed for interval."},
        {"feed for 9 s", with(&T::feed_for, "9 s"),
         "Feed for interval must be at least 10 seconds."},
        {"feed for 10 s", with(&T::feed_for, "10 s"), nullptr},
        {"feed for equal to every", with(&T::feed_for, "15 min"), nullptr},
        {"feed for longer than every", with(&T::feed_for, "00:15:00.001"),
         "Feed for interval must not be longer than feed every interval."},
        {"every 1 m, for 2 m",
         {"00:00:10", "00:15:00", "00:00:00", "00:00:00", "1 m", "2 m"},
         "Feed for interval must not be longer than feed every interval."},
        // Order: each field's checks come before the next field's.
        {"all invalid", {"x", "x", "x", "x", "x", "x"}, "Invalid test run duration."},
        {"short test run before invalid pause", {"5 s", "x", "x", "x", "x", "x"},
         "Test run duration must be at least 10 seconds."},
        {"long test run before invalid pause", {"5 h", "x", "x", "x", "x", "x"},
         "Test run duration is too long."},
        {"long pause before invalid feed from", {"10 s", "5 h", "x", "x", "x", "x"},
         "Pause duration is too long."},
        {"late feed from before invalid until", {"10 s", "0 s", "25:00:00", "x", "x", "x"},
         "Invalid feed from time."},
        {"late until before invalid every", {"10 s", "0 s", "0 s", "25:00:00", "x", "x"},
         "Invalid feed until time."},
        {"short every before invalid for", {"10 s", "0 s", "0 s", "0 s", "59 s", "x"},
         "Feed every interval must be at least 1 minute."},
        {"short for before longer than every", {"10 s", "0 s", "0 s", "0 s", "1 m", "9 s"},
         "Feed for interval must be at least 10 seconds."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ": " + Describe(c.texts));
        std::string error = "untouched";
        const bool valid = ValidateSimpleProgram(c.texts, &error);
        EXPECT_EQ(valid, c.message == nullptr);
        EXPECT_EQ(error, c.message == nullptr ? "untouched" : c.message);
        EXPECT_EQ(ValidateSimpleProgram(c.texts, nullptr), valid);
    }
}

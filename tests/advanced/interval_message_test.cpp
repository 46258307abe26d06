#include "advanced/interval_message.h"

#include "advanced/tn3_interval.h"
#include "messages/program_message.h"
#include "support/hex.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string FullMessage(const std::vector<TN3Interval>& intervals) {
    std::vector<std::uint8_t> message;
    BeginProgramRecordMessage(message);
    AppendIntervalMessage(message, intervals);
    EndProgramRecordMessage(message);
    return Hex(message);
}

std::string Records(const std::vector<TN3Interval>& intervals) {
    std::vector<std::uint8_t> message = {0xAA};  // kept: only appended to
    AppendIntervalMessage(message, intervals);
    return Hex(message);
}

}  // namespace

TEST(IntervalMessage, WholeMessages) {
    EXPECT_EQ(FullMessage({}), "57 04 90 01 00 01 96");
    EXPECT_EQ(FullMessage({TN3Interval(0x14, "06:00:00", "18:00:00", "00:00:30", "00:15:00")}),
              "57 12 90 0F 01 14 54 60 FE FD 20 00 00 75 30 00 0D 46 70 5B 58");
}

TEST(IntervalMessage, RecordsFromTheStoredValues) {
    struct Case {
        const char* name;
        std::vector<TN3Interval> intervals;
        std::string bytes;
    };
    const Case cases[] = {
        {"nothing", {}, "AA 00"},
        {"Saturday night: seconds bit 16 in the start's first byte",
         {TN3Interval(0x80, "20:00:00", "02:00:00", "00:00:30", "00:15:00")},
         "AA 01 81 19 40 FE 1C 20 00 00 75 30 00 0D 46 70"},
        {"no days",
         {TN3Interval(0x00, "30 s", "1 min", "10 s", "1 min")},
         "AA 01 00 00 1E FE 00 3C 00 00 27 10 00 00 C3 50"},
        {"no days after 18:12:16",
         {TN3Interval(0x00, "18:12:16", "18:12:17", "10 s", "1 min")},
         "AA 01 01 00 00 FF 00 01 00 00 27 10 00 00 C3 50"},
        {"duration longer than frequency: the pause wraps",
         {TN3Interval(0x02, "01:00:00", "02:00:00", "00:01:00", "00:00:30")},
         "AA 01 02 0E 10 FE 1C 20 00 00 EA 60 FF FF 8A D0"},
        {"unparsed texts give 0",
         {TN3Interval(0x02, "bad", "", "x", "y")},
         "AA 01 02 00 00 FE 00 00 00 00 00 00 00 00 00 00"},
        {"list order",
         {TN3Interval(0x02, "01:00:00", "02:00:00", "00:00:10", "00:01:00"),
          TN3Interval(0x04, "03:00:00", "04:00:00", "00:00:20", "00:02:00")},
         "AA 02 "
         "02 0E 10 FE 1C 20 00 00 27 10 00 00 C3 50 "
         "04 2A 30 FE 38 40 00 00 4E 20 00 01 86 A0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Records(c.intervals), c.bytes);
    }
}

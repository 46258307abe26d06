#include "messages/program_message.h"
#include "support/hex.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

Message Advanced(const std::vector<IntervalRecordValues>& intervals) {
    Message message = {0xAA, 0xBB};  // replaced
    BeginProgramRecordMessage(message);
    AppendIntervalRecords(message, intervals);
    EndProgramRecordMessage(message);
    return message;
}

Message Simple(int program_type, const SimpleMessageValues& values) {
    Message message = {0xAA, 0xBB};  // replaced
    ComputeSimpleMessage(message, program_type, values);
    return message;
}

constexpr std::uint32_t Clock(std::uint32_t h, std::uint32_t m, std::uint32_t s) {
    return ((h * 60 + m) * 60 + s) * 1000;
}

// The editor's initial texts: test run 00:00:10, pause 00:15:00, from and until 00:00:00,
// every 00:15:00, for 00:00:30.
constexpr SimpleMessageValues kInitial = {10000, 900000, 0, 0, 900000, 30000};

SimpleMessageValues With(SimpleMessageValues values, std::uint32_t SimpleMessageValues::*field,
                         std::uint32_t ms) {
    values.*field = ms;
    return values;
}

// The same interval n times: Monday 06:00:00 to 18:00:00, on 00:00:30, off 00:15:00.
std::vector<IntervalRecordValues> Repeated(std::size_t n) {
    return std::vector<IntervalRecordValues>(
        n, IntervalRecordValues{0x04, Clock(6, 0, 0), Clock(18, 0, 0), 30000, 900000});
}

}  // namespace

TEST(ProgramMessage, Bytes) {
    using V = SimpleMessageValues;
    const SimpleMessageValues six_to_six =
        With(With(kInitial, &V::start_ms, Clock(6, 0, 0)), &V::stop_ms, Clock(18, 0, 0));
    const struct {
        const char* name;
        Message message;
        const char* hex;
    } cases[] = {
        {"test run 00:00:10", Simple(0, kInitial), "57 04 91 00 27 10 CC"},
        {"test run 20 s", Simple(0, With(kInitial, &V::test_run_ms, 20000)),
         "57 04 91 00 4E 20 03"},
        {"test run keeps bits 23 to 0 only",
         Simple(0, With(kInitial, &V::test_run_ms, 0x12002710)), "57 04 91 00 27 10 CC"},
        {"pause 00:15:00", Simple(1, kInitial), "57 04 92 0D BB A0 FE"},
        {"pause 0", Simple(1, With(kInitial, &V::pause_ms, 0)), "57 04 92 00 00 00 96"},
        {"disable", Simple(3, kInitial), "57 04 90 01 00 01 96"},
        {"disable ignores the values", Simple(3, {1, 2, 3, 4, 5, 6}), "57 04 90 01 00 01 96"},
        {"timing, initial texts", Simple(2, kInitial),
         "57 12 90 0F 01 FE 00 00 FE 00 00 00 00 75 30 00 0D 46 70 74 8A"},
        {"timing 06:00:00 to 18:00:00", Simple(2, six_to_six),
         "57 12 90 0F 01 FE 54 60 FE FD 20 00 00 75 30 00 0D 46 70 45 2C"},
        {"type 7 is timing", Simple(7, six_to_six),
         "57 12 90 0F 01 FE 54 60 FE FD 20 00 00 75 30 00 0D 46 70 45 2C"},
        {"type -1 is timing", Simple(-1, kInitial),
         "57 12 90 0F 01 FE 00 00 FE 00 00 00 00 75 30 00 0D 46 70 74 8A"},
        {"advanced, no intervals", Advanced({}), "57 04 90 01 00 01 96"},
        {"advanced, Monday and Wednesday 06:00:00 to 18:00:00",
         Advanced({{0x14, Clock(6, 0, 0), Clock(18, 0, 0), 30000, 900000}}),
         "57 12 90 0F 01 14 54 60 FE FD 20 00 00 75 30 00 0D 46 70 5B 58"},
        {"advanced, two intervals in list order",
         Advanced({{0x02, Clock(1, 0, 0), Clock(2, 0, 0), 10000, 60000},
                   {0x80, Clock(3, 0, 0), Clock(4, 0, 0), 20000, 120000}}),
         "57 20 90 1D 02 02 0E 10 FE 1C 20 00 00 27 10 00 00 C3 50 "
         "80 2A 30 FE 38 40 00 00 4E 20 00 01 86 A0 A8 00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Hex(c.message), c.hex);
    }
}

TEST(ProgramMessage, DayAndTimeFields) {
    using V = SimpleMessageValues;
    const struct {
        const char* name;
        Message message;
        std::size_t offset;
        const char* hex;
    } cases[] = {
        {"simple start 20:00:00, bit 16 beside the all-days mask",
         Simple(2, With(kInitial, &V::start_ms, Clock(20, 0, 0))), 5, "FF 19 40"},
        {"simple stop 18:12:15", Simple(2, With(kInitial, &V::stop_ms, Clock(18, 12, 15))), 8,
         "FE FF FF"},
        {"simple stop 18:12:16", Simple(2, With(kInitial, &V::stop_ms, Clock(18, 12, 16))), 8,
         "FF 00 00"},
        {"simple start truncates to seconds", Simple(2, With(kInitial, &V::start_ms, 1999)), 5,
         "FE 00 01"},
        {"simple on", Simple(2, With(kInitial, &V::on_ms, 0x01020304)), 11, "01 02 03 04"},
        {"simple every minus for wraps when for is longer",
         Simple(2, With(With(kInitial, &V::off_ms, 0), &V::on_ms, 1)), 15, "FF FF FF FF"},
        {"Saturday 20:00:00", Advanced({{0x80, Clock(20, 0, 0), Clock(2, 0, 0), 0, 0}}), 5,
         "81 19 40"},
        {"stop always every day", Advanced({{0x80, Clock(20, 0, 0), Clock(2, 0, 0), 0, 0}}), 8,
         "FE 1C 20"},
        {"days 0", Advanced({{0x00, Clock(1, 0, 0), 0, 0, 0}}), 5, "00 0E 10"},
        {"days 0 from 18:12:16", Advanced({{0x00, Clock(18, 12, 16), 0, 0, 0}}), 5, "01 00 00"},
        {"advanced off minus on", Advanced({{0x02, 0, 0, 0x10, 0x01000000}}), 15, "00 FF FF F0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t count = (std::strlen(c.hex) + 1) / 3;
        EXPECT_EQ(Hex(c.message, c.offset, count), c.hex);
    }
}

TEST(ProgramMessage, Lengths) {
    const struct {
        const char* name;
        Message message;
        std::size_t size;
        std::uint8_t length;  // byte 1
        std::uint8_t record_length;
        std::uint8_t count;
    } cases[] = {
        {"test run", Simple(0, kInitial), 7, 4, 0, 0},
        {"pause", Simple(1, kInitial), 7, 4, 0, 0},
        {"disable", Simple(3, kInitial), 7, 4, 1, 0},
        {"timing", Simple(2, kInitial), 21, 18, 15, 1},
        {"0 intervals", Advanced(Repeated(0)), 7, 4, 1, 0},
        {"1 interval", Advanced(Repeated(1)), 21, 18, 15, 1},
        {"8 intervals", Advanced(Repeated(8)), 119, 116, 113, 8},
        {"17 intervals", Advanced(Repeated(17)), 245, 242, 239, 17},
        {"19 intervals wrap the one-byte fields", Advanced(Repeated(19)), 273, 14, 11, 19},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Message& m = c.message;
        ASSERT_EQ(m.size(), c.size) << Hex(m);
        EXPECT_EQ(m[0], 0x57) << Hex(m);
        EXPECT_EQ(m[1], c.length) << Hex(m);
        std::uint8_t message_sum = 0;
        for (std::size_t i = 1; i + 1 < m.size(); ++i) message_sum += m[i];
        EXPECT_EQ(m.back(), message_sum) << Hex(m);
        if (m[2] != 0x90) continue;
        EXPECT_EQ(m[3], c.record_length) << Hex(m);
        EXPECT_EQ(m[4], c.count) << Hex(m);
        std::uint8_t record_sum = 0;
        for (std::size_t i = 3; i + 2 < m.size(); ++i) record_sum += m[i];
        EXPECT_EQ(m[m.size() - 2], record_sum) << Hex(m);
    }
}

TEST(ProgramMessage, EndWithoutBeginLeavesShortMessages) {
    for (const Message& start : {Message{}, Message{0x57, 0x00, 0x90}}) {
        Message message = start;
        EndProgramRecordMessage(message);
        EXPECT_EQ(Hex(message), Hex(start));
    }
}

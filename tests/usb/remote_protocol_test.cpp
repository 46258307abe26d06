#include "usb/remote_protocol.h"

#include "usb/simulated_remote.h"
#include "usb/usb_test_support.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

using usb_qvl::RemoteFault;
using usb_qvl::SimulatedPlatform;

std::vector<std::uint8_t> Pattern(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return bytes;
}

class RemoteSetData : public ::testing::Test {
protected:
    SimulatedPlatform platform;
    usb_qvl::SimulatedRemote& remote = platform.AddRemote();
    usb_qvl::Device device{remote.path};

    // The bytes the remote holds from address, wrapping at 64 KiB.
    std::vector<std::uint8_t> Memory(std::size_t address, std::size_t size) const {
        std::vector<std::uint8_t> bytes;
        for (std::size_t i = 0; i < size; ++i) bytes.push_back(remote.memory[(address + i) % 65536]);
        return bytes;
    }
};

TEST_F(RemoteSetData, ChunksOfSixtyInAddressOrder) {
    struct Case {
        const char* name;
        std::size_t size;
        std::uint16_t offset;
        std::vector<std::string> headers;  // "D", address low, address high, n of each report
    };
    const Case cases[] = {
        {"empty message: no traffic", 0, 0, {}},
        {"one byte", 1, 0, {"44 00 00 01"}},
        {"60 bytes: one full report", 60, 0, {"44 00 00 3C"}},
        {"61 bytes: a last report of one byte", 61, 0, {"44 00 00 3C", "44 3C 00 01"}},
        {"base 1024 is little-endian", 130, 1024, {"44 00 04 3C", "44 3C 04 3C", "44 78 04 0A"}},
        {"addresses wrap at 64 KiB", 70, 65500, {"44 DC FF 3C", "44 18 00 0A"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        remote.received.clear();
        const std::vector<std::uint8_t> message = Pattern(c.size);
        {
            USBTimerDevice timer(platform);
            ASSERT_TRUE(timer.Connect(&device));
            EXPECT_TRUE(timer.SetData(message, c.offset));
        }
        EXPECT_EQ(platform.OpenHandleCount(), 0u) << "the destructor closes";
        std::vector<std::string> headers;
        std::vector<std::uint8_t> payload;
        for (const auto& report : remote.received) {
            headers.push_back(Hex(report.data(), 4));
            payload.insert(payload.end(), report.begin() + 4, report.begin() + 4 + report[3]);
        }
        EXPECT_EQ(headers, c.headers);
        EXPECT_EQ(Hex(payload), Hex(message));
        EXPECT_EQ(Hex(Memory(c.offset, c.size)), Hex(message));
    }
}

TEST_F(RemoteSetData, FirstFailureEndsTheTransfer) {
    struct Case { const char* name; RemoteFault fault; std::array<std::uint8_t, 2> refusal; };
    const Case cases[] = {
        {"\"ok\" in lower case", RemoteFault::kRefuse, {{'o', 'k'}}},
        {"\"KO\"", RemoteFault::kRefuse, {{'K', 'O'}}},
        {"\"O\" alone", RemoteFault::kRefuse, {{'O', 0}}},
        {"short reply", RemoteFault::kShortReply, {}},
        {"no reply", RemoteFault::kNoReply, {}},
        {"unplugged after the second report", RemoteFault::kVanish, {}},
    };
    const std::vector<std::uint8_t> message = Pattern(150);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        remote.received.clear();
        remote.present = true;
        remote.fault = c.fault;
        remote.fault_at = 1;
        remote.refusal = c.refusal;
        USBTimerDevice timer(platform);
        ASSERT_TRUE(timer.Connect(&device));
        EXPECT_FALSE(timer.SetData(message, 0));
        EXPECT_EQ(remote.received.size(), 2u) << "no report after the failed one";
        EXPECT_EQ(Hex(Memory(0, 60)), Hex(std::vector<std::uint8_t>(message.begin(), message.begin() + 60)))
            << "the acknowledged chunk stays written";
    }
}

TEST(RemoteSetDataUnconnected, FailsWithoutTraffic) {
    SimulatedPlatform platform;
    usb_qvl::SimulatedRemote& remote = platform.AddRemote();
    USBTimerDevice timer(platform);
    EXPECT_FALSE(timer.SetData(Pattern(5), 0));
    EXPECT_TRUE(timer.SetData({}, 0));
    EXPECT_TRUE(remote.received.empty());
}

TimeText TimeOfDay(std::uint32_t seconds, std::uint8_t day_mask) {
    TimeText time;
    time.valid = true;
    time.time_ms = seconds * 1000;
    time.day_mask = day_mask;
    return time;
}

TEST(RemoteFraming, TimeRecords) {
    struct Case { const char* name; std::uint32_t seconds; std::uint8_t day_mask; const char* record; };
    const Case cases[] = {
        {"Monday 14:05:09", 50709, 0x04, "60 04 C6 15 DF"},
        {"Saturday 23:59:59", 86399, 0x80, "60 81 51 7F 51"},
        {"Sunday 00:00:00", 0, 0x02, "60 02 00 00 02"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto record = TimeRecord(TimeOfDay(c.seconds, c.day_mask));
        EXPECT_EQ(Hex(record.data(), record.size()), c.record);
    }
}

TEST(RemoteFraming, TimeRecordFollowsTheTwoLeadingBytes) {
    const TimeText monday = TimeOfDay(50709, 0x04);
    struct Case { const char* name; std::vector<std::uint8_t> program; const char* framed; };
    const Case cases[] = {
        {"checksum copied unchanged", {0x57, 0x07, 0x90, 0x01, 0x02, 0x03, 0xEE},
         "57 0C 60 04 C6 15 DF 90 01 02 03 EE"},
        {"length byte 252 wraps to 1", {0x57, 0xFC, 0x90, 0x42}, "57 01 60 04 C6 15 DF 90 42"},
        {"two bytes only", {0x57, 0x00}, "57 05 60 04 C6 15 DF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::uint8_t> msg;
        FrameProgramMessage(c.program, true, monday, msg);
        EXPECT_EQ(Hex(msg), c.framed);
        FrameProgramMessage(c.program, false, monday, msg);
        EXPECT_EQ(Hex(msg), Hex(c.program)) << "without time sync the message goes byte for byte";
    }
}

TEST(RemoteFraming, ProgramShorterThanTwoBytesFramesNothing) {
    for (const std::vector<std::uint8_t>& program : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{0x57}}) {
        SCOPED_TRACE(Hex(program));
        for (bool sync_time : {false, true}) {
            std::vector<std::uint8_t> msg = {0xAA};
            FrameProgramMessage(program, sync_time, TimeOfDay(0, 0x02), msg);
            EXPECT_TRUE(msg.empty()) << Hex(msg);
        }
    }
}

TEST(RemoteFraming, LocalTimeOfDayReadsTheLocalClock) {
    const std::time_t before = std::time(nullptr);
    const TimeText now = LocalTimeOfDay();
    const std::time_t after = std::time(nullptr);
    std::tm local_before{}, local_after{};
    localtime_r(&before, &local_before);
    localtime_r(&after, &local_after);
    auto seconds_of = [](const std::tm& t) { return static_cast<std::uint32_t>((t.tm_hour * 60 + t.tm_min) * 60 + t.tm_sec); };
    EXPECT_TRUE(now.valid);
    EXPECT_EQ(now.time_ms % 1000, 0u);
    EXPECT_TRUE(now.time_ms / 1000 == seconds_of(local_before) || now.time_ms / 1000 == seconds_of(local_after))
        << now.time_ms << " ms";
    EXPECT_TRUE(now.day_mask == day_bits::ForWeekday(local_before.tm_wday) ||
                now.day_mask == day_bits::ForWeekday(local_after.tm_wday));
}

}  // namespace

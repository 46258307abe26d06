#include "messages/program_message.h"

#include "simple/simple_program.h"

#include <cstddef>

namespace {

constexpr std::uint8_t kMessageCode = 0x57;
constexpr std::uint8_t kProgramRecordCode = 0x90;
constexpr std::uint8_t kTestRunCode = 0x91;
constexpr std::uint8_t kPauseCode = 0x92;
constexpr std::uint8_t kEveryDay = 0xFE;
constexpr std::size_t kLengthOffset = 1;
constexpr std::size_t kRecordLengthOffset = 3;

void Append24(Message& message, std::uint32_t value) {
    message.push_back(static_cast<std::uint8_t>(value >> 16));
    message.push_back(static_cast<std::uint8_t>(value >> 8));
    message.push_back(static_cast<std::uint8_t>(value));
}

void Append32(Message& message, std::uint32_t value) {
    message.push_back(static_cast<std::uint8_t>(value >> 24));
    Append24(message, value);
}

// Day-and-time value: weekday mask in bits 23 to 17, seconds since midnight from bit 0; a
// seconds count of 65536 or more sets bit 16, which no weekday uses.
std::uint32_t DayAndTime(std::uint8_t days, std::uint32_t ms) {
    return (static_cast<std::uint32_t>(days) << 16) | (ms / 1000);
}

// Stores the count of bytes after offset and before the end at offset, then appends the sum
// of the bytes from offset to the end.
void CloseLengthAndSum(Message& message, std::size_t offset) {
    message[offset] = static_cast<std::uint8_t>(message.size() - offset - 1);
    std::uint8_t sum = 0;
    for (std::size_t i = offset; i < message.size(); ++i) {
        sum = static_cast<std::uint8_t>(sum + message[i]);
    }
    message.push_back(sum);
}

void CommandMessage(Message& message, std::uint8_t code, std::uint32_t ms) {
    message.clear();
    message.push_back(kMessageCode);
    message.push_back(0);
    message.push_back(code);
    Append24(message, ms);
    CloseLengthAndSum(message, kLengthOffset);
}

}  // namespace

void BeginProgramRecordMessage(Message& message) {
    message.clear();
    message.push_back(kMessageCode);
    message.push_back(0);
    message.push_back(kProgramRecordCode);
    message.push_back(0);
}

void AppendIntervalRecords(Message& message, const std::vector<IntervalRecordValues>& intervals) {
    message.push_back(static_cast<std::uint8_t>(intervals.size()));
    for (const IntervalRecordValues& interval : intervals) {
        Append24(message, DayAndTime(interval.days, interval.start_ms));
        // The stop field always carries every day, whatever the interval's days.
        Append24(message, DayAndTime(kEveryDay, interval.stop_ms));
        Append32(message, interval.on_ms);
        // The pause from the end of one feeding to the start of the next.
        Append32(message, interval.off_ms - interval.on_ms);
    }
}

void EndProgramRecordMessage(Message& message) {
    if (message.size() <= kRecordLengthOffset) return;
    CloseLengthAndSum(message, kRecordLengthOffset);
    CloseLengthAndSum(message, kLengthOffset);
}

void ComputeSimpleMessage(Message& message, int program_type, const SimpleMessageValues& values) {
    if (program_type == kTestRunProgram) {
        CommandMessage(message, kTestRunCode, values.test_run_ms);
        return;
    }
    if (program_type == kPauseProgram) {
        CommandMessage(message, kPauseCode, values.pause_ms);
        return;
    }
    BeginProgramRecordMessage(message);
    if (program_type == kDisableProgram) {
        AppendIntervalRecords(message, {});
    } else {
        AppendIntervalRecords(
            message, {{kEveryDay, values.start_ms, values.stop_ms, values.on_ms, values.off_ms}});
    }
    EndProgramRecordMessage(message);
}

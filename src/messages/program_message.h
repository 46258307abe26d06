#pragma once
// The byte messages a remote stores: Simple commands and the program record of intervals.

#include <cstdint>
#include <vector>

using Message = std::vector<std::uint8_t>;

// One interval of a program record. days is the weekday mask (0x02 Sunday ... 0x80 Saturday);
// off_ms is the whole feeding period, on_ms the length of one feeding.
struct IntervalRecordValues {
    std::uint8_t days;
    std::uint32_t start_ms, stop_ms, on_ms, off_ms;
};

// Empties message and starts a program-record message: 0x57, length placeholder, 0x90,
// record-length placeholder.
void BeginProgramRecordMessage(Message& message);

// Appends the interval count (mod 256) and one 14-byte record per interval.
void AppendIntervalRecords(Message& message, const std::vector<IntervalRecordValues>& intervals);

// Sets the record length, appends the record checksum, sets the message length, appends the
// message checksum (all mod 256). Leaves a message shorter than the begun frame unchanged.
void EndProgramRecordMessage(Message& message);

// The six values of a Simple program, in milliseconds.
struct SimpleMessageValues {
    std::uint32_t test_run_ms, pause_ms, start_ms, stop_ms, off_ms, on_ms;
};

// Replaces message with the Simple message of program_type (any value other than 0, 1, 3 is
// Timing). Encodes what it gets; validation happens before.
void ComputeSimpleMessage(Message& message, int program_type, const SimpleMessageValues& values);

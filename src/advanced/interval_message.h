#pragma once
// The interval list's part of the Advanced program message.

#include <cstdint>
#include <vector>

class TN3Interval;

// Appends the interval count (mod 256) and one 14-byte record per interval, in list order,
// from the stored values: days from start's day mask, start, stop, on and off milliseconds.
void AppendIntervalMessage(std::vector<std::uint8_t>& message,
                           const std::vector<TN3Interval>& intervals);

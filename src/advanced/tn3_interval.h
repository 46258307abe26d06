#pragma once
// TN3Interval: one feeding interval of an Advanced program, with the rectangles it was drawn in.

#include "program/time_text.h"

#include <cstdint>
#include <string>
#include <vector>

// A rectangle in client pixels of the week view.
struct TN3Region {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

inline bool operator==(const TN3Region& a, const TN3Region& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}
inline bool operator!=(const TN3Region& a, const TN3Region& b) { return !(a == b); }

// The interval's weekday mask is the day_mask of all four values and is read from start; with
// a non-zero mask the four are times of day, with mask 0 durations.
class TN3Interval {
public:
    // Parses the four texts with SetFromText(text, days) in the order start, stop, on, off; a
    // text that does not parse leaves that value invalid with time_ms 0.
    TN3Interval(std::uint8_t days, const std::string& start_text, const std::string& stop_text,
                const std::string& on_text, const std::string& off_text);

    std::string GetStart() const { return start.GetText(); }
    std::string GetStop() const { return stop.GetText(); }
    std::string GetOnTime() const { return on.GetText(); }
    std::string GetOffTime() const { return off.GetText(); }

    // Rebuilds regions for a week grid of width x height pixels (seven columns of width / 7,
    // the day from top to bottom) and returns a copy. A stop at or before the start continues
    // at the top of the next day's column, Saturday's in Sunday's.
    std::vector<TN3Region> GenRegions(std::int32_t width, std::int32_t height);

    // Whether the point lies in one of regions, all four edges included.
    bool TestHit(std::int32_t x, std::int32_t y) const;

    TimeText start;
    TimeText stop;
    TimeText on;   // feed duration
    TimeText off;  // feed period, from the start of one feed to the start of the next
    std::vector<TN3Region> regions;
};

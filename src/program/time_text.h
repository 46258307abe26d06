#pragma once
// TimeText: a typed time, parsed from and printed to text, as a duration or a time of day.

#include <cstdint>
#include <string>

// A day mask of 0 makes the value a duration; any other mask makes it a time of day on the
// weekdays whose bits are set (0x02 Sunday ... 0x80 Saturday, 2 << weekday).
class TimeText {
public:
    virtual ~TimeText() = default;

    // Stores i_day, then parses text in duration mode (i_day == 0) or time-of-day mode.
    // Returns false and keeps time_ms when the text is not of the grammar; texts with a sign
    // or whose value does not fit in 32 bits of milliseconds are refused, never wrapped.
    // Fractions are truncated to whole milliseconds from the decimal text as written
    // ('4.35 s' is 4350 ms); parsing does not depend on the locale.
    bool SetFromText(const std::string& text, const std::uint8_t& i_day);

    // The canonical text of the value in its mode ("00:00:10", "1d 01:01:01.5", "25:00:00").
    virtual std::string GetText() const;

    bool valid = false;
    std::uint32_t time_ms = 0;
    std::uint8_t day_mask = 0;
};

// Weekday mask bits shared by time texts, intervals, program files and messages.
namespace day_bits {
constexpr std::uint8_t kSunday = 0x02;
constexpr std::uint8_t kEveryDay = 0xFE;
constexpr std::uint8_t ForWeekday(int weekday) { return static_cast<std::uint8_t>(2u << weekday); }
}  // namespace day_bits

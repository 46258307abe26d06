#include "advanced/interval_input.h"

#include "program/time_text.h"

#include <cstdint>

namespace {

constexpr std::uint32_t kDayMs = 86400000;

struct FieldRule {
    std::uint32_t min_ms;
    std::uint32_t max_ms;
    const char* message;
};

// The interval stores its values as times of day, which hold whole seconds; a value the
// dialog accepts must be stored as it was typed.
bool ParseField(const std::string& text, const FieldRule& rule, std::uint32_t& ms) {
    TimeText value;
    if (!value.SetFromText(text, 0)) return false;
    if (value.time_ms % 1000 != 0) return false;
    if (value.time_ms < rule.min_ms || value.time_ms > rule.max_ms) return false;
    ms = value.time_ms;
    return true;
}

// Printed with hours not split into days, so that 24:00:00 stays as typed.
std::string TimeOfDayText(std::uint32_t ms) {
    TimeText value;
    value.valid = true;
    value.time_ms = ms;
    value.day_mask = day_bits::kEveryDay;
    return value.GetText();
}

bool Fail(std::string* error, const char* message) {
    if (error) *error = message;
    return false;
}

}  // namespace

bool CheckIntervalTexts(const IntervalTexts& typed, IntervalTexts* canonical, std::string* error) {
    const FieldRule start_rule{0, kDayMs, "Invalid start time."};
    const FieldRule stop_rule{0, kDayMs, "Invalid stop time."};
    const FieldRule frequency_rule{60000, kDayMs - 1, "Invalid frequency time."};
    const FieldRule duration_rule{10000, kDayMs - 1, "Invalid duration time."};

    std::uint32_t start_ms = 0, stop_ms = 0, frequency_ms = 0, duration_ms = 0;
    if (!ParseField(typed.start, start_rule, start_ms)) return Fail(error, start_rule.message);
    if (!ParseField(typed.stop, stop_rule, stop_ms)) return Fail(error, stop_rule.message);
    if (!ParseField(typed.frequency, frequency_rule, frequency_ms))
        return Fail(error, frequency_rule.message);
    if (!ParseField(typed.duration, duration_rule, duration_ms))
        return Fail(error, duration_rule.message);
    if (duration_ms > frequency_ms)
        return Fail(error, "Duration must not be longer than frequency.");

    if (canonical) {
        canonical->start = TimeOfDayText(start_ms);
        canonical->stop = TimeOfDayText(stop_ms);
        canonical->frequency = TimeOfDayText(frequency_ms);
        canonical->duration = TimeOfDayText(duration_ms);
    }
    return true;
}

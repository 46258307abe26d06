#include "program/time_text.h"

// Placeholder until the parser lands.
bool TimeText::SetFromText(const std::string&, const std::uint8_t& i_day) {
    valid = false;
    day_mask = i_day;
    return false;
}

std::string TimeText::GetText() const { return "00:00:00"; }

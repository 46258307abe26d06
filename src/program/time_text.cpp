#include "program/time_text.h"

#include <cstddef>
#include <cstdio>
#include <limits>
#include <utility>

namespace {

constexpr std::uint64_t kMaxMs = std::numeric_limits<std::uint32_t>::max();
// Integer tokens saturate here: any value above kMaxMs is refused anyway, and the products of
// saturated tokens still fit in 64 bits.
constexpr std::uint64_t kIntegerCap = kMaxMs + 1;
// Written exponents saturate here, far beyond any value that is not refused or zero.
constexpr long kExponentCap = 1000000;

// A real token as written: the value is digits x 10^exponent, digits without leading zeros
// (empty for zero). Kept exact so that '4.35 s' is 4350 ms, not a binary rounding below it.
struct Decimal {
    std::string digits;
    long exponent = 0;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the tokens of one pattern attempt. Every token skips leading blanks first; a failed
// token leaves the attempt failed, and the caller starts a new Scanner for the next pattern.
class Scanner {
public:
    explicit Scanner(const std::string& text) : text_(text) {}

    // Decimal digits, no sign.
    bool Integer(std::uint64_t* value) {
        SkipBlanks();
        if (pos_ >= text_.size() || !IsDigit(text_[pos_])) return false;
        std::uint64_t v = 0;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) {
            v = v * 10 + static_cast<std::uint64_t>(text_[pos_] - '0');
            if (v > kIntegerCap) v = kIntegerCap;
            ++pos_;
        }
        *value = v;
        return true;
    }

    // A decimal number with optional fraction and exponent, no sign ('10', '10.5', '.5', '2.',
    // '1e1'). The exponent is taken only when complete, so '1e' reads 1 and leaves 'e'.
    bool Real(Decimal* value) {
        SkipBlanks();
        std::size_t p = pos_;
        std::string digits;
        bool any_digit = false;
        long exponent = 0;
        for (; p < text_.size() && IsDigit(text_[p]); ++p) {
            any_digit = true;
            if (!digits.empty() || text_[p] != '0') digits += text_[p];
        }
        if (p < text_.size() && text_[p] == '.') {
            for (++p; p < text_.size() && IsDigit(text_[p]); ++p) {
                any_digit = true;
                if (!digits.empty() || text_[p] != '0') digits += text_[p];
                --exponent;
            }
        }
        if (!any_digit) return false;
        if (p < text_.size() && (text_[p] == 'e' || text_[p] == 'E')) {
            std::size_t q = p + 1;
            bool negative = false;
            if (q < text_.size() && (text_[q] == '+' || text_[q] == '-')) {
                negative = text_[q] == '-';
                ++q;
            }
            if (q < text_.size() && IsDigit(text_[q])) {
                long written = 0;
                for (; q < text_.size() && IsDigit(text_[q]); ++q) {
                    if (written < kExponentCap) written = written * 10 + (text_[q] - '0');
                }
                exponent += negative ? -written : written;
                p = q;
            }
        }
        pos_ = p;
        value->digits = std::move(digits);
        value->exponent = exponent;
        return true;
    }

    // One non-blank character.
    bool Character(char* c) {
        SkipBlanks();
        if (pos_ >= text_.size()) return false;
        *c = text_[pos_++];
        return true;
    }

    // The longest run of non-blank characters, at least one.
    bool Word(std::string* word) {
        SkipBlanks();
        const std::size_t begin = pos_;
        while (pos_ < text_.size() && !IsBlank(text_[pos_])) ++pos_;
        if (pos_ == begin) return false;
        word->assign(text_, begin, pos_ - begin);
        return true;
    }

    // Nothing may follow the last token, not even blanks.
    bool AtEnd() const { return pos_ == text_.size(); }

private:
    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    }

    const std::string& text_;
    std::size_t pos_ = 0;
};

std::string Upper(std::string word) {
    for (char& c : word) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return word;
}

enum class Match { kNo, kValue, kRefused };

// Whole milliseconds of value x factor_ms, truncated toward zero; false above kMaxMs.
bool ScaledMs(const Decimal& value, std::uint32_t factor_ms, std::uint64_t* ms) {
    *ms = 0;
    if (value.digits.empty()) return true;
    // The value lies in [10^(magnitude - 1), 10^magnitude); factors are 1000 to 86400000.
    const long magnitude = static_cast<long>(value.digits.size()) + value.exponent;
    if (magnitude >= 8) return false;
    if (magnitude < -9) return true;
    // Multiply the digit string by the factor; the product is built least significant first.
    std::string product;
    std::uint64_t carry = 0;
    for (auto it = value.digits.rbegin(); it != value.digits.rend(); ++it) {
        carry += static_cast<std::uint64_t>(*it - '0') * factor_ms;
        product += static_cast<char>('0' + carry % 10);
        carry /= 10;
    }
    for (; carry > 0; carry /= 10) product += static_cast<char>('0' + carry % 10);
    // Drop the digits right of the decimal point, then read the rest.
    const long dropped = -value.exponent;
    std::uint64_t result = 0;
    for (long i = static_cast<long>(product.size()) - 1; i >= dropped && i >= 0; --i) {
        const char digit = product[static_cast<std::size_t>(i)];
        result = result * 10 + static_cast<std::uint64_t>(digit - '0');
        if (result > kMaxMs) return false;
    }
    for (long i = 0; i < value.exponent; ++i) result *= 10;
    if (result > kMaxMs) return false;
    *ms = result;
    return true;
}

// Adds the seconds term, s x 1000 truncated toward zero, to whole milliseconds.
Match AddSeconds(std::uint64_t whole_ms, const Decimal& seconds, std::uint32_t* ms) {
    if (whole_ms > kMaxMs) return Match::kRefused;
    std::uint64_t seconds_ms = 0;
    if (!ScaledMs(seconds, 1000, &seconds_ms)) return Match::kRefused;
    const std::uint64_t total = whole_ms + seconds_ms;
    if (total > kMaxMs) return Match::kRefused;
    *ms = static_cast<std::uint32_t>(total);
    return Match::kValue;
}

// 'd word h:m:s', the word not examined.
Match DurationWithDays(const std::string& text, std::uint32_t* ms) {
    Scanner scan(text);
    std::uint64_t d, h, m;
    std::string word;
    char sep;
    Decimal s;
    if (!(scan.Integer(&d) && scan.Word(&word) && scan.Integer(&h) && scan.Character(&sep) &&
          scan.Integer(&m) && scan.Character(&sep) && scan.Real(&s) && scan.AtEnd())) {
        return Match::kNo;
    }
    return AddSeconds(((d * 24 + h) * 60 + m) * 60000, s, ms);
}

// 'h:m:s', separators not examined.
Match DurationClock(const std::string& text, std::uint32_t* ms) {
    Scanner scan(text);
    std::uint64_t h, m;
    char sep;
    Decimal s;
    if (!(scan.Integer(&h) && scan.Character(&sep) && scan.Integer(&m) && scan.Character(&sep) &&
          scan.Real(&s) && scan.AtEnd())) {
        return Match::kNo;
    }
    return AddSeconds((h * 60 + m) * 60000, s, ms);
}

// 'm:s', the separator must be ':'.
Match DurationMinutes(const std::string& text, std::uint32_t* ms) {
    Scanner scan(text);
    std::uint64_t m;
    char sep;
    Decimal s;
    if (!(scan.Integer(&m) && scan.Character(&sep) && sep == ':' && scan.Real(&s) &&
          scan.AtEnd())) {
        return Match::kNo;
    }
    return AddSeconds(m * 60000, s, ms);
}

// 'n unit'.
Match DurationWithUnit(const std::string& text, std::uint32_t* ms) {
    Scanner scan(text);
    Decimal n;
    std::string unit;
    if (!(scan.Real(&n) && scan.Word(&unit) && scan.AtEnd())) return Match::kNo;
    struct Unit {
        const char* word;
        std::uint32_t factor;
    };
    static const Unit kUnits[] = {
        {"S", 1000},        {"SEC", 1000},        {"SECS", 1000},     {"SECOND", 1000},
        {"SECONDS", 1000},  {"M", 60000},         {"MIN", 60000},     {"MINS", 60000},
        {"MINUTE", 60000},  {"MINUTES", 60000},   {"H", 3600000},     {"HRS", 3600000},
        {"HOUR", 3600000},  {"HOURS", 3600000},   {"D", 86400000},    {"DAY", 86400000},
        {"DAYS", 86400000},
    };
    const std::string upper = Upper(unit);
    for (const Unit& u : kUnits) {
        if (upper != u.word) continue;
        std::uint64_t value = 0;
        if (!ScaledMs(n, u.factor, &value)) return Match::kRefused;
        *ms = static_cast<std::uint32_t>(value);
        return Match::kValue;
    }
    return Match::kRefused;
}

bool ParseDuration(const std::string& text, std::uint32_t* ms) {
    for (auto pattern : {DurationWithDays, DurationClock, DurationMinutes, DurationWithUnit}) {
        const Match match = pattern(text, ms);
        if (match != Match::kNo) return match == Match::kValue;
    }
    return false;
}

Match ClockMs(std::uint64_t h, std::uint64_t m, std::uint64_t s, std::uint32_t* ms) {
    const std::uint64_t total = (h * 60 + m) * 60000 + s * 1000;
    if (total > kMaxMs) return Match::kRefused;
    *ms = static_cast<std::uint32_t>(total);
    return Match::kValue;
}

// 'h:m:s' in 24-hour form; hours of a day or more wrap into the day.
Match TimeOfDay24(const std::string& text, std::uint32_t* ms) {
    Scanner scan(text);
    std::uint64_t h, m, s;
    char sep;
    if (!(scan.Integer(&h) && scan.Character(&sep) && scan.Integer(&m) && scan.Character(&sep) &&
          scan.Integer(&s) && scan.AtEnd())) {
        return Match::kNo;
    }
    if (h > kMaxMs) return Match::kRefused;
    return ClockMs(h % 24, m, s, ms);
}

// 'h:m:s AM|PM'; the hour is not reduced, so '13:00:00 PM' is 25 hours.
Match TimeOfDay12(const std::string& text, std::uint32_t* ms) {
    Scanner scan(text);
    std::uint64_t h, m, s;
    char sep;
    std::string word;
    if (!(scan.Integer(&h) && scan.Character(&sep) && scan.Integer(&m) && scan.Character(&sep) &&
          scan.Integer(&s) && scan.Word(&word) && scan.AtEnd())) {
        return Match::kNo;
    }
    const std::string upper = Upper(word);
    if (upper == "AM") {
        if (h == 12) h = 0;
    } else if (upper == "PM") {
        if (h != 12) h += 12;
    } else {
        return Match::kRefused;
    }
    return ClockMs(h, m, s, ms);
}

bool ParseTimeOfDay(const std::string& text, std::uint32_t* ms) {
    for (auto pattern : {TimeOfDay24, TimeOfDay12}) {
        const Match match = pattern(text, ms);
        if (match != Match::kNo) return match == Match::kValue;
    }
    return false;
}

void AppendTwoDigits(std::string& out, std::uint32_t value) {
    if (value < 10) out += '0';
    out += std::to_string(value);
}

// Seconds with up to three decimals, no trailing zeros or point, at least two integer digits.
void AppendSeconds(std::string& out, std::uint32_t ms) {
    AppendTwoDigits(out, ms / 1000);
    std::uint32_t fraction = ms % 1000;
    if (fraction == 0) return;
    char digits[4];
    std::snprintf(digits, sizeof digits, "%03u", static_cast<unsigned>(fraction));
    std::string decimals(digits);
    while (decimals.back() == '0') decimals.pop_back();
    out += '.';
    out += decimals;
}

}  // namespace

bool TimeText::SetFromText(const std::string& text, const std::uint8_t& i_day) {
    const std::uint8_t day = i_day;
    valid = false;
    day_mask = day;
    std::uint32_t ms = 0;
    const bool parsed = day == 0 ? ParseDuration(text, &ms) : ParseTimeOfDay(text, &ms);
    if (!parsed) return false;
    time_ms = ms;
    valid = true;
    return true;
}

std::string TimeText::GetText() const {
    std::string out;
    std::uint32_t rest = time_ms;
    if (day_mask == 0) {
        const std::uint32_t days = rest / 86400000u;
        rest %= 86400000u;
        if (days > 0) {
            out += std::to_string(days);
            out += "d ";
        }
    }
    AppendTwoDigits(out, rest / 3600000u);
    out += ':';
    rest %= 3600000u;
    AppendTwoDigits(out, rest / 60000u);
    out += ':';
    AppendSeconds(out, rest % 60000u);
    return out;
}

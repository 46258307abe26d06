#include "simple/simple_program.h"

#include "program/time_text.h"

namespace {

constexpr std::uint32_t kMinTestRunMs = 10000;
// The test-run and pause commands carry 24 bits of milliseconds.
constexpr std::uint32_t kCommandLimitMs = 16777216;
constexpr std::uint32_t kDayMs = 86400000;
constexpr std::uint32_t kMinFeedEveryMs = 60000;
constexpr std::uint32_t kMinFeedForMs = 10000;

bool Fail(const char* message, std::string* error_str) {
    if (error_str != nullptr) *error_str = message;
    return false;
}

bool ParseDuration(const std::string& text, std::uint32_t* ms) {
    TimeText time;
    if (!time.SetFromText(text, 0)) return false;
    *ms = time.time_ms;
    return true;
}

}  // namespace

std::uint32_t DurationMs(const std::string& text) {
    std::uint32_t ms = 0;
    return ParseDuration(text, &ms) ? ms : 0;
}

bool ValidateSimpleProgram(const SimpleProgramTexts& texts, std::string* error_str) {
    std::uint32_t test_run = 0, pause = 0, feed_from = 0, feed_until = 0, feed_every = 0,
                  feed_for = 0;
    if (!ParseDuration(texts.test_run, &test_run)) {
        return Fail("Invalid test run duration.", error_str);
    }
    if (test_run < kMinTestRunMs) {
        return Fail("Test run duration must be at least 10 seconds.", error_str);
    }
    if (test_run >= kCommandLimitMs) return Fail("Test run duration is too long.", error_str);
    if (!ParseDuration(texts.pause, &pause)) return Fail("Invalid pause duration.", error_str);
    if (pause >= kCommandLimitMs) return Fail("Pause duration is too long.", error_str);
    // Feed from and until are times since midnight; 24:00:00 is the end of the day.
    if (!ParseDuration(texts.feed_from, &feed_from) || feed_from > kDayMs) {
        return Fail("Invalid feed from time.", error_str);
    }
    if (!ParseDuration(texts.feed_until, &feed_until) || feed_until > kDayMs) {
        return Fail("Invalid feed until time.", error_str);
    }
    if (!ParseDuration(texts.feed_every, &feed_every)) {
        return Fail("Invalid feed every interval.", error_str);
    }
    if (feed_every < kMinFeedEveryMs) {
        return Fail("Feed every interval must be at least 1 minute.", error_str);
    }
    if (!ParseDuration(texts.feed_for, &feed_for)) {
        return Fail("Invalid feed for interval.", error_str);
    }
    if (feed_for < kMinFeedForMs) {
        return Fail("Feed for interval must be at least 10 seconds.", error_str);
    }
    // The message carries the pause between feeds as every minus for.
    if (feed_for > feed_every) {
        return Fail("Feed for interval must not be longer than feed every interval.", error_str);
    }
    return true;
}

#pragma once
// The Simple program's types, its six duration texts and the rules they must satisfy.

#include <cstdint>
#include <string>

// Index of the Simple editor's type choice.
enum SimpleProgramType {
    kTestRunProgram = 0,
    kPauseProgram = 1,
    kTimingProgram = 2,
    kDisableProgram = 3,
};

// The editor's six fields as typed (UTF-8). feed_every is the whole feeding period (the off
// time), feed_for the length of one feeding (the on time).
struct SimpleProgramTexts {
    std::string test_run, pause, feed_from, feed_until, feed_every, feed_for;
};

// Milliseconds of a duration text; 0 when the text is not a valid duration.
std::uint32_t DurationMs(const std::string& text);

// The editor's validation: false with the first failing check's message in *error_str
// (when not null). All six texts are checked whatever the program type.
bool ValidateSimpleProgram(const SimpleProgramTexts& texts, std::string* error_str);

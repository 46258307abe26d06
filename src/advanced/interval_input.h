#pragma once
// The input rules of the interval dialog: which four typed times are accepted, and the texts
// an accepted interval stores.

#include <string>

struct IntervalTexts {
    std::string start, stop, frequency, duration;
};

// Checks the four texts the user typed, in the order start, stop, frequency, duration, each as
// a duration: start and stop at most 24 hours; frequency from 1 minute and duration from
// 10 seconds, both under 24 hours; whole seconds only; the duration not longer than the
// frequency. On success returns true and, when canonical is not null, fills it with the texts
// to store in the interval (times of day, "00:00:30", "24:00:00"); otherwise returns false
// with the message of the first failed rule in *error (when error is not null).
bool CheckIntervalTexts(const IntervalTexts& typed, IntervalTexts* canonical, std::string* error);

#include "advanced/interval_message.h"

#include "advanced/tn3_interval.h"
#include "messages/program_message.h"

void AppendIntervalMessage(std::vector<std::uint8_t>& message,
                           const std::vector<TN3Interval>& intervals) {
    std::vector<IntervalRecordValues> records;
    records.reserve(intervals.size());
    for (const TN3Interval& interval : intervals) {
        records.push_back(IntervalRecordValues{interval.start.day_mask, interval.start.time_ms,
                                               interval.stop.time_ms, interval.on.time_ms,
                                               interval.off.time_ms});
    }
    AppendIntervalRecords(message, records);
}

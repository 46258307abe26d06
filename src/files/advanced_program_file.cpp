#include "files/advanced_program_file.h"

#include "advanced/tn3_interval.h"
#include "xml/xml_tag.h"

#include <cstdint>

namespace {
const char* const kBodyName = "TarnelFeeder3A";
const char* const kIntervalName = "FeedInterval";
}  // namespace

void WriteAdvancedProgramBody(XML_Tag& root, const std::string& device_name,
                              const std::vector<TN3Interval>& intervals) {
    root.AddAttribute("device", device_name);
    XML_Tag& body = root.NewChild(kBodyName);
    for (const TN3Interval& interval : intervals) {
        XML_Tag& element = body.NewChild(kIntervalName);
        element.AddAttribute("days", static_cast<int>(interval.start.day_mask));
        element.AddAttribute("start", interval.GetStart());
        element.AddAttribute("stop", interval.GetStop());
        element.AddAttribute("on", interval.GetOnTime());
        element.AddAttribute("off", interval.GetOffTime());
    }
}

bool ReadAdvancedProgramBody(const XML_Tag& root, std::vector<TN3Interval>& intervals) {
    std::vector<TN3Interval> read;
    for (const XML_Tag& body : root.children) {
        if (body.tag != kBodyName) return false;
        for (const XML_Tag& element : body.children) {
            if (element.tag != kIntervalName) return false;
            int days = 0;
            std::string start, stop, on, off;
            if (!element.GetAttributeData("days", days) || !element.GetAttributeData("start", start) ||
                !element.GetAttributeData("stop", stop) || !element.GetAttributeData("on", on) ||
                !element.GetAttributeData("off", off))
                return false;
            read.emplace_back(static_cast<std::uint8_t>(days & 0xFF), start, stop, on, off);
        }
    }
    intervals.insert(intervals.end(), read.begin(), read.end());
    return true;
}

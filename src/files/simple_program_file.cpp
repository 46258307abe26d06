#include "files/simple_program_file.h"

#include "program/time_text.h"
#include "xml/xml_tag.h"

namespace {
const char* const kBodyName = "TarnelFeeder3";
const char* const kOptionsName = "options";
const char* const kIntervalName = "FeedInterval";

// The day masks of the feeding window are written for completeness; the Simple program
// always feeds on every day, so reading ignores them.
const int kEveryDay = day_bits::kEveryDay;

bool ReadOptions(const XML_Tag& options, SimpleProgramTexts& texts) {
    std::string test_run, pause;
    if (!options.GetAttributeData("TestRunTime", test_run) ||
        !options.GetAttributeData("PauseTime", pause))
        return false;
    texts.test_run = test_run;
    texts.pause = pause;
    return true;
}

bool ReadFeedInterval(const XML_Tag& interval, SimpleProgramTexts& texts) {
    std::string start, end, on, off;
    if (!interval.GetAttributeData("start_time", start) ||
        !interval.GetAttributeData("end_time", end) ||
        !interval.GetAttributeData("on_time", on) || !interval.GetAttributeData("off_time", off))
        return false;
    texts.feed_from = start;
    texts.feed_until = end;
    texts.feed_for = on;
    texts.feed_every = off;
    return true;
}
}  // namespace

void WriteSimpleProgramBody(XML_Tag& root, const std::string& device_name,
                            const SimpleProgramTexts& texts) {
    root.AddAttribute("device", device_name);
    XML_Tag& body = root.NewChild(kBodyName);
    XML_Tag& options = body.NewChild(kOptionsName);
    options.AddAttribute("TestRunTime", texts.test_run);
    options.AddAttribute("PauseTime", texts.pause);
    XML_Tag& interval = body.NewChild(kIntervalName);
    interval.AddAttribute("start_day", kEveryDay);
    interval.AddAttribute("start_time", texts.feed_from);
    interval.AddAttribute("end_day", kEveryDay);
    interval.AddAttribute("end_time", texts.feed_until);
    interval.AddAttribute("on_time", texts.feed_for);
    interval.AddAttribute("off_time", texts.feed_every);
}

bool ReadSimpleProgramBody(const XML_Tag& root, SimpleProgramTexts& texts) {
    SimpleProgramTexts read = texts;
    for (const XML_Tag& body : root.children) {
        if (body.tag != kBodyName) return false;
        for (const XML_Tag& element : body.children) {
            if (element.tag == kOptionsName) {
                if (!ReadOptions(element, read)) return false;
            } else if (element.tag == kIntervalName) {
                if (!ReadFeedInterval(element, read)) return false;
            } else {
                return false;
            }
        }
    }
    texts = read;
    return true;
}

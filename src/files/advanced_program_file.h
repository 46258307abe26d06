#pragma once
// The body of an Advanced program file: the "TarnelFeeder3A" element with one "FeedInterval"
// per interval.

#include <string>
#include <vector>

class TN3Interval;
class XML_Tag;

// Adds "device" = device_name to root, then the child "TarnelFeeder3A" holding one
// "FeedInterval" (days, start, stop, on, off) per interval, in list order.
void WriteAdvancedProgramBody(XML_Tag& root, const std::string& device_name,
                              const std::vector<TN3Interval>& intervals);

// Reads the body under root and appends its intervals to intervals, in file order. Every child
// of root must be "TarnelFeeder3A" (several append one after the other), each of its children a
// "FeedInterval" with a numeric "days" (its low eight bits are the mask) and the four time
// texts. Returns false, with intervals untouched, for any other body.
bool ReadAdvancedProgramBody(const XML_Tag& root, std::vector<TN3Interval>& intervals);

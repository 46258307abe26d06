#pragma once
// The body of a Simple program file: the "TarnelFeeder3" element with the editor's six texts.

#include "simple/simple_program.h"

#include <string>

class XML_Tag;

// Adds "device" = device_name to root, then the child "TarnelFeeder3" holding "options"
// (TestRunTime, PauseTime) and "FeedInterval" (start_day, start_time, end_day, end_time,
// on_time, off_time), the texts written unchanged.
void WriteSimpleProgramBody(XML_Tag& root, const std::string& device_name,
                            const SimpleProgramTexts& texts);

// Reads the body under root into texts. Every child of root must be "TarnelFeeder3", and each
// of its children "options" or "FeedInterval" with all their text attributes; repeated
// elements apply in turn, fields that no element names keep the texts passed in, other
// attributes are ignored. Returns false, with texts untouched, for any other body.
bool ReadSimpleProgramBody(const XML_Tag& root, SimpleProgramTexts& texts);

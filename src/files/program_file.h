#pragma once
// Reading and writing whole program files: one XML element tree and a trailing empty line.

#include <string>

class XML_Tag;

// Reads the first element of the file at path (UTF-8). A file that cannot be opened gives an
// element whose valid flag is false.
XML_Tag ReadProgramFile(const std::string& path);

// Writes root and one extra line end to path without ever leaving a half-written file: the
// bytes go to a temporary file in the same folder, which is flushed, closed and renamed over
// path. Returns false on any failure; the old file at path is then untouched and no
// temporary file is left behind.
bool WriteProgramFile(const std::string& path, const XML_Tag& root);

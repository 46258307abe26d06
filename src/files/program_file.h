#pragma once
// Reading and writing whole program files: one XML element tree and a trailing empty line.

#include <string>

class XML_Tag;

// Reads the first element of the file at path (UTF-8 path). A file that cannot be opened
// gives an element whose valid flag is false.
XML_Tag ReadProgramFile(const std::string& path);

enum class SaveResult {
    kSaved,
    kUnwritableContent,  // a name or value holds characters the reader would reject; nothing written
    kWriteFailed,        // the file could not be created, written or renamed into place
};

// Writes root and one extra line end to path without ever leaving a half-written file: the
// bytes go to a temporary file in the same folder, which is flushed, closed and renamed over
// path. On any failure the old file at path is untouched and no temporary file is left.
SaveResult WriteProgramFile(const std::string& path, const XML_Tag& root);

#pragma once
// XML_Tag and XML_Attrib: the element tree of program files with its strict reader and writer.

#include <iosfwd>
#include <string>
#include <vector>

struct XML_Attrib {
    std::string name;
    std::string data;  // stored and written unchanged: no escaping, no entity decoding
};

class XML_Tag {
public:
    XML_Tag();                                // empty name, valid false
    explicit XML_Tag(const std::string& i_tag);  // valid true
    XML_Tag(const XML_Tag& other);            // deep copy; the copy is valid
    XML_Tag& operator=(const XML_Tag& other);  // deep copy; the target becomes valid
    XML_Tag(XML_Tag&&) noexcept = default;
    XML_Tag& operator=(XML_Tag&&) noexcept = default;

    // Appends a child named i_tag; the reference lives until the next child is appended.
    XML_Tag& NewChild(const std::string& i_tag);

    void AddAttribute(const std::string& name, const std::string& data);
    void AddAttribute(const std::string& name, const char* data);
    void AddAttribute(const std::string& name, long long data);
    void AddAttribute(const std::string& name, int data) { AddAttribute(name, static_cast<long long>(data)); }

    // First attribute of that exact name. The text form copies its value; the integer form
    // reads a decimal number from its start as stream input does. Both return false and
    // leave data alone when there is no such attribute (or, for integers, no number in range).
    bool GetAttributeData(const std::string& name, std::string& data) const;
    bool GetAttributeData(const std::string& name, int& data) const;

    std::string tag;
    bool valid = false;
    std::vector<XML_Attrib> attributes;
    std::vector<XML_Tag> children;
};

// Deepest nesting the reader follows; a deeper element reads as incomplete, so no input can
// exhaust the stack.
constexpr int kXmlMaxDepth = 256;

// Reader: empties tag, reads one element into it and sets tag.valid to whether it was read to
// its proper end. Nothing after that end is read. An incomplete element sets the stream's
// failbit; meeting the end of the input sets eofbit. Time is linear in the input read.
std::istream& operator>>(std::istream& in, XML_Tag& tag);
// Writer: one element with everything inside it, children indented by tabs.
std::ostream& operator<<(std::ostream& out, const XML_Tag& tag);

// The reader's token routine: appends characters to str until a delimiter (returned and
// consumed) or an error character, end of input or a failed stream (returns '\0').
// With skip_whitespace every whitespace character on the way is dropped.
char GetString(std::istream& in, std::string& str, const char* delim, const char* error,
               bool skip_whitespace);

// True when every name and value in the tree can be written so that the reader reads it back
// as it is: names non-empty without whitespace, "=", "<", ">", "/" or a double quote; values
// without a double quote, "<" or ">"; no deeper nesting than kXmlMaxDepth levels.
bool IsWritable(const XML_Tag& tag);

#include "xml/xml_tag.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <istream>
#include <limits>
#include <ostream>
#include <streambuf>
#include <utility>

namespace {

bool IsSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsOneOf(int c, const char* set) {
    return c != '\0' && std::strchr(set, c) != nullptr;
}

// Character source over a stream buffer. Once a read or look-ahead meets the end of the
// input (or a buffer failure) the source stays exhausted, as a stream whose state is no
// longer good would.
class Source {
public:
    explicit Source(std::streambuf* buf) : buf_(buf) {}

    bool good() const { return !exhausted_; }
    bool exhausted() const { return exhausted_; }

    // Raw read: the next character whatever it is; EOF when exhausted.
    int Get() {
        if (exhausted_) return EOF;
        const int c = buf_->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            exhausted_ = true;
            return EOF;
        }
        return static_cast<unsigned char>(c);
    }

    // Skipping read: passes over whitespace, then takes the next character.
    int GetSkipping() {
        int c = Get();
        while (IsSpace(c)) c = Get();
        return c;
    }

    // The next character without consuming it; EOF (and exhausted) at the end.
    int Peek() {
        if (exhausted_) return EOF;
        const int c = buf_->sgetc();
        if (c == std::char_traits<char>::eof()) {
            exhausted_ = true;
            return EOF;
        }
        return static_cast<unsigned char>(c);
    }

    void SkipWhitespace() {
        while (IsSpace(Peek())) Get();
    }

private:
    std::streambuf* buf_;
    bool exhausted_ = false;
};

char ReadToken(Source& src, std::string& str, const char* delim, const char* error,
               bool skip_whitespace) {
    for (;;) {
        const int c = skip_whitespace ? src.GetSkipping() : src.Get();
        if (c == EOF) return '\0';
        if (IsOneOf(c, delim)) return static_cast<char>(c);
        if (IsOneOf(c, error)) return '\0';
        str.push_back(static_cast<char>(c));
    }
}

enum class TagEnd { kComplete, kIncomplete, kContent };

// Reads the rest of a start tag after its "<": the name and the attributes. kComplete for the
// empty-element form, kContent when content follows the tag.
TagEnd ReadStartTag(Source& src, XML_Tag& element) {
    switch (ReadToken(src, element.tag, " />", "<=\"", false)) {
    case '/':
        return src.Get() == '>' ? TagEnd::kComplete : TagEnd::kIncomplete;
    case '>':
        return TagEnd::kContent;
    case ' ':
        break;
    default:
        return TagEnd::kIncomplete;
    }
    while (src.good()) {
        XML_Attrib attrib;
        if (ReadToken(src, attrib.name, "=", "<>/\"", true) != '=') return TagEnd::kIncomplete;
        if (src.Get() != '"') return TagEnd::kIncomplete;
        if (ReadToken(src, attrib.data, "\"", "<>", false) != '"') return TagEnd::kIncomplete;
        element.attributes.push_back(std::move(attrib));

        src.SkipWhitespace();
        const int look_ahead = src.Peek();
        if (look_ahead == '/') {
            src.Get();
            return src.Get() == '>' ? TagEnd::kComplete : TagEnd::kIncomplete;
        }
        // The ">" stays in the input and is read as the first (dropped) text character.
        if (look_ahead == '>') return TagEnd::kContent;
    }
    return TagEnd::kIncomplete;
}

// Reads one element whose "<" has been consumed. The open elements are kept on an explicit
// stack of at most kXmlMaxDepth entries, so neither the depth of the input nor its size can
// exhaust the call stack; every character is looked at once.
void ReadElement(Source& src, XML_Tag& root) {
    std::vector<XML_Tag*> open;
    open.reserve(16);
    open.push_back(&root);
    TagEnd step = ReadStartTag(src, root);
    for (;;) {
        XML_Tag& element = *open.back();
        if (step == TagEnd::kIncomplete) return;  // every open element stays incomplete
        if (step == TagEnd::kComplete) {
            element.valid = true;
            open.pop_back();
            if (open.empty()) return;
            step = TagEnd::kContent;
            continue;
        }
        // Content: text is dropped up to the next "<".
        int c = src.Get();
        while (c != '<' && c != EOF) c = src.Get();
        if (c == EOF) return;
        if (src.Peek() == '/') {
            src.Get();
            std::string closing;
            const bool closed = ReadToken(src, closing, ">", "</\"", true) == '>';
            step = closed && closing == element.tag ? TagEnd::kComplete : TagEnd::kIncomplete;
            continue;
        }
        XML_Tag& child = element.children.emplace_back();
        if (open.size() >= static_cast<std::size_t>(kXmlMaxDepth)) return;
        open.push_back(&child);
        step = ReadStartTag(src, child);
    }
}

void WriteTabs(std::ostream& out, std::size_t depth) {
    for (std::size_t i = 0; i < depth; ++i) out.put('\t');
}

void WriteStart(std::ostream& out, const XML_Tag& element, std::size_t depth) {
    WriteTabs(out, depth);
    out << '<' << element.tag;
    for (const XML_Attrib& attrib : element.attributes)
        out << ' ' << attrib.name << "=\"" << attrib.data << '"';
    out << (element.children.empty() ? "/>\n" : ">\n");
}

void WriteEnd(std::ostream& out, const XML_Tag& element, std::size_t depth) {
    WriteTabs(out, depth);
    out << "</" << element.tag << ">\n";
}

bool IsWritableName(const std::string& name) {
    if (name.empty()) return false;
    for (const char c : name) {
        if (IsSpace(static_cast<unsigned char>(c)) || IsOneOf(c, "=<>/\"")) return false;
    }
    return true;
}

bool IsWritableValue(const std::string& value) {
    return value.find_first_of("\"<>") == std::string::npos;
}

}  // namespace

XML_Tag::XML_Tag() = default;

XML_Tag::XML_Tag(const std::string& i_tag) : tag(i_tag), valid(true) {}

XML_Tag::XML_Tag(const XML_Tag& other)
    : tag(other.tag), valid(true), attributes(other.attributes), children(other.children) {}

XML_Tag& XML_Tag::operator=(const XML_Tag& other) {
    if (this != &other) {
        // Copy first: other may live inside this element's subtree.
        XML_Tag copy(other);
        *this = std::move(copy);
    }
    valid = true;
    return *this;
}

XML_Tag& XML_Tag::NewChild(const std::string& i_tag) {
    return children.emplace_back(i_tag);
}

void XML_Tag::AddAttribute(const std::string& name, const std::string& data) {
    attributes.push_back(XML_Attrib{name, data});
}

void XML_Tag::AddAttribute(const std::string& name, const char* data) {
    attributes.push_back(XML_Attrib{name, data ? std::string(data) : std::string()});
}

void XML_Tag::AddAttribute(const std::string& name, long long data) {
    attributes.push_back(XML_Attrib{name, std::to_string(data)});
}

bool XML_Tag::GetAttributeData(const std::string& name, std::string& data) const {
    for (const XML_Attrib& attrib : attributes) {
        if (attrib.name == name) {
            data = attrib.data;
            return true;
        }
    }
    return false;
}

bool XML_Tag::GetAttributeData(const std::string& name, int& data) const {
    std::string text;
    if (!GetAttributeData(name, text)) return false;
    std::size_t i = 0;
    while (i < text.size() && IsSpace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t first_digit = i;
    // Magnitude is capped just past the int range, so any length of digits is safe.
    const std::int64_t cap = static_cast<std::int64_t>(std::numeric_limits<int>::max()) + 2;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > cap) magnitude = cap;
    }
    if (i == first_digit) return false;
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return false;
    data = static_cast<int>(value);
    return true;
}

std::istream& operator>>(std::istream& in, XML_Tag& tag) {
    tag.tag.clear();
    tag.valid = false;
    tag.attributes.clear();
    tag.children.clear();
    const std::istream::sentry sentry(in, true);
    if (!sentry) return in;
    Source src(in.rdbuf());
    try {
        if (src.Get() == '<') ReadElement(src, tag);
    } catch (...) {
        // A buffer that throws on a read error (a file that is a folder) is a failed read.
        tag.valid = false;
        in.setstate(std::ios_base::badbit);
        return in;
    }
    std::ios_base::iostate state = std::ios_base::goodbit;
    if (src.exhausted()) state |= std::ios_base::eofbit;
    if (!tag.valid) state |= std::ios_base::failbit;
    in.setstate(state);
    return in;
}

std::ostream& operator<<(std::ostream& out, const XML_Tag& tag) {
    // Explicit stack of (element, next child) so that a deep tree cannot exhaust the call stack.
    std::vector<std::pair<const XML_Tag*, std::size_t>> open;
    WriteStart(out, tag, 0);
    if (!tag.children.empty()) open.emplace_back(&tag, 0);
    while (!open.empty()) {
        auto& [element, next] = open.back();
        if (next == element->children.size()) {
            const XML_Tag* done = element;
            open.pop_back();
            WriteEnd(out, *done, open.size());
            continue;
        }
        const XML_Tag& child = element->children[next++];
        WriteStart(out, child, open.size());
        if (!child.children.empty()) open.emplace_back(&child, 0);
    }
    return out;
}

char GetString(std::istream& in, std::string& str, const char* delim, const char* error,
               bool skip_whitespace) {
    const std::istream::sentry sentry(in, true);
    if (!sentry) return '\0';
    Source src(in.rdbuf());
    char result = '\0';
    try {
        result = ReadToken(src, str, delim, error, skip_whitespace);
    } catch (...) {
        in.setstate(std::ios_base::badbit);
        return '\0';
    }
    if (src.exhausted()) in.setstate(std::ios_base::eofbit | std::ios_base::failbit);
    return result;
}

bool IsWritable(const XML_Tag& tag) {
    std::vector<std::pair<const XML_Tag*, int>> pending{{&tag, 1}};
    while (!pending.empty()) {
        const auto [element, depth] = pending.back();
        pending.pop_back();
        if (depth > kXmlMaxDepth || !IsWritableName(element->tag)) return false;
        for (const XML_Attrib& attrib : element->attributes) {
            if (!IsWritableName(attrib.name) || !IsWritableValue(attrib.data)) return false;
        }
        for (const XML_Tag& child : element->children) pending.emplace_back(&child, depth + 1);
    }
    return true;
}

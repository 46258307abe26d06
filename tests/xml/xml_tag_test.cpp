#include "xml/xml_tag.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// Compact picture of a tree: name{attr=value,...}(children), "!" before an incomplete element.
std::string Describe(const XML_Tag& tag) {
    std::string out = tag.valid ? "" : "!";
    out += tag.tag;
    if (!tag.attributes.empty()) {
        out += '{';
        for (std::size_t i = 0; i < tag.attributes.size(); ++i) {
            if (i > 0) out += ',';
            out += tag.attributes[i].name + "=" + tag.attributes[i].data;
        }
        out += '}';
    }
    if (!tag.children.empty()) {
        out += '(';
        for (std::size_t i = 0; i < tag.children.size(); ++i) {
            if (i > 0) out += ',';
            out += Describe(tag.children[i]);
        }
        out += ')';
    }
    return out;
}

XML_Tag Read(const std::string& text) {
    std::istringstream in(text);
    XML_Tag tag;
    in >> tag;
    return tag;
}

std::string Write(const XML_Tag& tag) {
    std::ostringstream out;
    out << tag;
    return out.str();
}

std::string Nested(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) text += "<n>";
    for (int i = 0; i < depth; ++i) text += "</n>";
    return text;
}

}  // namespace

TEST(XmlReader, AcceptsAndRejectsByTheSyntax) {
    struct Case {
        const char* name;
        std::string input;
        std::string tree;  // Describe() of what is read
    };
    const Case cases[] = {
        // Accepted.
        {"empty-element form", "<a/>", "a"},
        {"start and end tag", "<a></a>", "a"},
        {"text is dropped", "<a>some text &amp; more</a>", "a"},
        {"children in order", "<a>\n\t<b/>\n\t<c></c>\n</a>", "a(b,c)"},
        {"CR LF line ends", "<a>\r\n\t<b/>\r\n</a>\r\n", "a(b)"},
        {"attributes in order", "<a x=\"1\" y=\"2\" x=\"3\"/>", "a{x=1,y=2,x=3}"},
        {"any whitespace between attributes", "<a x=\"1\"\n\t y=\"2\"/>", "a{x=1,y=2}"},
        {"no whitespace between attributes", "<a x=\"1\"y=\"2\"/>", "a{x=1,y=2}"},
        {"whitespace before =", "<a x \t=\"1\"/>", "a{x=1}"},
        {"whitespace before />", "<a x=\"1\" \n/>", "a{x=1}"},
        {"whitespace before >", "<a x=\"1\"\n></a>", "a{x=1}"},
        {"whitespace inside end tag", "<a><b></ b\n></\ta >", "a(b)"},
        {"empty value", "<a x=\"\"/>", "a{x=}"},
        {"value keeps / = & and line breaks", "<a v=\" p/q=r &amp;\n s \"/>",
         "a{v= p/q=r &amp;\n s }"},
        {"text > after last attribute", "<a x=\"1\">></a>", "a{x=1}"},
        {"nothing after the element is checked", "<a/><<garbage", "a"},
        // Changed.
        {"whitespace inside attribute name dropped", "<a b c=\"1\"/>", "a{bc=1}"},
        {"tab after element name joins the name", "<a\t/>", "a\t"},
        // Incomplete.
        {"empty input", "", "!"},
        {"leading space", " <a/>", "!"},
        {"leading line break", "\n<a/>", "!"},
        {"byte-order mark", "\xEF\xBB\xBF<a/>", "!"},
        {"space after name without attributes, />", "<a />", "!a"},
        {"space after name without attributes, >", "<a ></a>", "!a"},
        {"whitespace between = and quote", "<a x= \"1\"/>", "!a"},
        {"single quotes", "<a x='1'/>", "!a"},
        {"< in value", "<a x=\"<\"/>", "!a"},
        {"> in value", "<a x=\">\"/>", "!a"},
        {"attribute without value", "<a x></a>", "!a"},
        {"tab after name before attribute", "<a\tx=\"1\"/>", "!a\tx"},
        {"space inside />", "<a/ >", "!a"},
        {"space inside /> after attribute", "<a x=\"1\"/ >", "!a{x=1}"},
        {"end tag with other name", "<a></b>", "!a"},
        {"end tag with other case", "<a></A>", "!a"},
        {"child left open", "<a><b></a>", "!a(!b)"},
        {"mismatch deep inside", "<a><b><c></C></b></a>", "!a(!b(!c))"},
        {"XML declaration", "<?xml version=\"1.0\"?><a/>", "!?xml{version=1.0}"},
        {"comment before", "<!-- c --><a/>", "!!--"},
        {"comment inside", "<a><!-- c --></a>", "!a(!!--)"},
        {"processing instruction inside", "<a><?pi x?></a>", "!a(!?pi)"},
        {"CDATA section", "<a><![CDATA[x]]></a>", "!a(!![CDATA[x]])"},
        {"document type", "<!DOCTYPE a><a/>", "!!DOCTYPE"},
        {"ends in name", "<ab", "!ab"},
        {"ends in value", "<a x=\"1", "!a"},
        {"ends after attribute", "<a x=\"1\"", "!a{x=1}"},
        {"ends in content", "<a><b/>", "!a(b)"},
        {"ends in end tag", "<a></a", "!a"},
        {"ends after <", "<a><", "!a(!)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Describe(Read(c.input)), c.tree) << "input: " << c.input;
    }
}

TEST(XmlReader, StopsAtTheEndOfTheElement) {
    std::istringstream in("<a x=\"1\"/><b></b>\ntail");
    XML_Tag first;
    XML_Tag second;
    ASSERT_TRUE(in >> first);
    ASSERT_TRUE(in >> second);
    EXPECT_EQ(Describe(first), "a{x=1}");
    EXPECT_EQ(Describe(second), "b");
    std::string rest;
    std::getline(in, rest, '\0');
    EXPECT_EQ(rest, "\ntail");
}

TEST(XmlReader, StreamStateTellsTheOutcome) {
    std::istringstream complete("<a/>");
    XML_Tag tag;
    complete >> tag;
    EXPECT_TRUE(complete.good());

    std::istringstream truncated("<a>");
    truncated >> tag;
    EXPECT_TRUE(truncated.fail());
    EXPECT_TRUE(truncated.eof());

    std::istringstream refused("<a >rest");
    refused >> tag;
    EXPECT_TRUE(refused.fail());
    EXPECT_FALSE(refused.eof());
}

TEST(XmlReader, ReadErrorOfTheBufferIsAFailedRead) {
    // Hands out its text, then fails the way a file buffer does on a read error.
    class FailingBuffer : public std::streambuf {
    public:
        explicit FailingBuffer(std::string text) : text_(std::move(text)) {
            setg(text_.data(), text_.data(), text_.data() + text_.size());
        }

    protected:
        int_type underflow() override { throw std::ios_base::failure("read error"); }

    private:
        std::string text_;
    };
    FailingBuffer buffer("<a x=\"1\"><b/>");
    std::istream in(&buffer);
    XML_Tag tag;
    in >> tag;
    EXPECT_FALSE(tag.valid);
    EXPECT_TRUE(in.bad());
}

TEST(XmlReader, EmptiesTheTargetFirst) {
    XML_Tag tag("old");
    tag.AddAttribute("k", "v");
    tag.NewChild("c");
    std::istringstream in("<new/>");
    in >> tag;
    EXPECT_EQ(Describe(tag), "new");
}

TEST(XmlReader, NestingIsBounded) {
    EXPECT_TRUE(Read(Nested(kXmlMaxDepth)).valid);
    EXPECT_EQ(kXmlMaxDepth, 256);

    const XML_Tag too_deep = Read(Nested(kXmlMaxDepth + 1));
    EXPECT_FALSE(too_deep.valid);
    const XML_Tag* element = &too_deep;
    int depth = 1;
    while (!element->children.empty()) {
        element = &element->children.back();
        ++depth;
    }
    EXPECT_LE(depth, kXmlMaxDepth + 1);

    // Far deeper input neither crashes nor recurses; the reader stops at the bound.
    std::istringstream in(Nested(100000));
    XML_Tag hostile;
    in >> hostile;
    EXPECT_FALSE(hostile.valid);
}

TEST(XmlWriter, ExactBytes) {
    XML_Tag root("Root");
    root.AddAttribute("version", "100");
    root.AddAttribute("n", -42);
    XML_Tag& mid = root.NewChild("Mid");
    mid.AddAttribute("b", "2");
    mid.AddAttribute("a", "1");
    mid.AddAttribute("b", "3");
    mid.NewChild("Leaf").AddAttribute("v", "x y/z=&amp;");
    mid.NewChild("Empty");
    root.NewChild("Last");

    EXPECT_EQ(Write(root),
              "<Root version=\"100\" n=\"-42\">\n"
              "\t<Mid b=\"2\" a=\"1\" b=\"3\">\n"
              "\t\t<Leaf v=\"x y/z=&amp;\"/>\n"
              "\t\t<Empty/>\n"
              "\t</Mid>\n"
              "\t<Last/>\n"
              "</Root>\n");
    EXPECT_EQ(Write(XML_Tag("e")), "<e/>\n");
}

TEST(XmlWriter, RoundTrips) {
    XML_Tag root("Quorvel_9259");
    root.AddAttribute("version", "100");
    root.AddAttribute("device", "TN3A");
    XML_Tag& body = root.NewChild("TarnelFeeder3A");
    for (int i = 0; i < 3; ++i) {
        XML_Tag& interval = body.NewChild("FeedInterval");
        interval.AddAttribute("days", 2 << i);
        interval.AddAttribute("start", "06:00:00");
        interval.AddAttribute("note", " spaced\tvalue\nwith & / = ");
    }
    body.children[1].NewChild("Deeper").NewChild("Deepest");
    root.NewChild("Empty");

    const std::string text = Write(root);
    const XML_Tag back = Read(text);
    EXPECT_TRUE(back.valid);
    EXPECT_EQ(Describe(back), Describe(root));
    EXPECT_EQ(Write(back), text);

    // A maximal-depth tree written by the writer reads back complete.
    XML_Tag deep("n");
    XML_Tag* leaf = &deep;
    for (int i = 1; i < kXmlMaxDepth; ++i) leaf = &leaf->NewChild("n");
    EXPECT_TRUE(IsWritable(deep));
    EXPECT_TRUE(Read(Write(deep)).valid);
    leaf->NewChild("n");
    EXPECT_FALSE(IsWritable(deep));
}

TEST(XmlTag, ConstructionAndCopy) {
    EXPECT_FALSE(XML_Tag().valid);
    EXPECT_TRUE(XML_Tag("a").valid);

    const XML_Tag incomplete = Read("<a x=\"1\"><b/>");
    ASSERT_FALSE(incomplete.valid);
    const XML_Tag copy(incomplete);
    EXPECT_EQ(Describe(copy), "a{x=1}(b)");
    XML_Tag assigned;
    assigned = incomplete;
    EXPECT_EQ(Describe(assigned), "a{x=1}(b)");

    // Assigning a subtree of the target to the target itself.
    XML_Tag outer = Read("<o><i k=\"v\"><j/></i></o>");
    outer = outer.children[0];
    EXPECT_EQ(Describe(outer), "i{k=v}(j)");
}

TEST(XmlTag, TextAttributeLookup) {
    XML_Tag tag("a");
    tag.AddAttribute("name", "first");
    tag.AddAttribute("name", std::string("second"));
    tag.AddAttribute("Case", "upper");
    std::string data = "untouched";
    EXPECT_TRUE(tag.GetAttributeData("name", data));
    EXPECT_EQ(data, "first");
    data = "untouched";
    EXPECT_FALSE(tag.GetAttributeData("case", data));
    EXPECT_FALSE(tag.GetAttributeData("missing", data));
    EXPECT_EQ(data, "untouched");
}

TEST(XmlTag, IntegerAttributeLookup) {
    struct Case {
        const char* value;
        bool found;
        int number;
    };
    const Case cases[] = {
        {"254", true, 254},          {"0", true, 0},
        {"007", true, 7},            {"-17", true, -17},
        {"+5", true, 5},             {" \t\n42", true, 42},
        {"510", true, 510},          {"12abc", true, 12},
        {"3.9", true, 3},            {"0x1F", true, 0},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},    {"-2147483649", false, 0},
        {"99999999999999999999999", false, 0},
        {"", false, 0},              {"abc", false, 0},
        {"-", false, 0},             {"+ 5", false, 0},
        {"- 5", false, 0},           {"--5", false, 0},
        {" ", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("value '") + c.value + "'");
        XML_Tag tag("a");
        tag.AddAttribute("days", c.value);
        tag.AddAttribute("days", "1");
        int number = -99;
        EXPECT_EQ(tag.GetAttributeData("days", number), c.found);
        EXPECT_EQ(number, c.found ? c.number : -99);
    }
    int number = -99;
    EXPECT_FALSE(XML_Tag("a").GetAttributeData("days", number));
    EXPECT_EQ(number, -99);
}

TEST(XmlTag, IntegerAttributesAreDecimal) {
    XML_Tag tag("a");
    tag.AddAttribute("a", 0);
    tag.AddAttribute("b", -7);
    tag.AddAttribute("c", 254);
    tag.AddAttribute("d", -9223372036854775807LL - 1);
    EXPECT_EQ(Describe(tag), "a{a=0,b=-7,c=254,d=-9223372036854775808}");
}

TEST(XmlTag, IsWritable) {
    struct Case {
        const char* name;
        std::string element, attribute, value;
        bool writable;
    };
    const Case cases[] = {
        {"plain", "a", "k", "v", true},
        {"value with & / = and whitespace", "a", "k", " a&b/c=d\n\t", true},
        {"empty value", "a", "k", "", true},
        {"empty element name", "", "k", "v", false},
        {"empty attribute name", "a", "", "v", false},
        {"space in element name", "a b", "k", "v", false},
        {"tab in attribute name", "a", "k\t", "v", false},
        {"slash in element name", "a/", "k", "v", false},
        {"= in attribute name", "a", "k=", "v", false},
        {"quote in attribute name", "a", "\"k", "v", false},
        {"< in element name", "<a", "k", "v", false},
        {"quote in value", "a", "k", "say \"hi\"", false},
        {"< in value", "a", "k", "a<b", false},
        {"> in value", "a", "k", "a>b", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        XML_Tag root("root");
        root.NewChild("ok").NewChild(c.element).AddAttribute(c.attribute, c.value);
        EXPECT_EQ(IsWritable(root), c.writable);
        if (c.writable) {
            EXPECT_EQ(Describe(Read(Write(root))), Describe(root));
        }
    }
}

TEST(XmlGetString, TokenRoutine) {
    struct Case {
        const char* name;
        std::string input;
        bool skip_whitespace;
        char result;
        std::string token;
        std::string rest;
    };
    const Case cases[] = {
        {"delimiter consumed", "abc>def", false, '>', "abc", "def"},
        {"error character", "ab<c>", false, '\0', "ab", "c>"},
        {"raw keeps whitespace", " a b>", false, '>', " a b", ""},
        {"skipping drops all whitespace", " a\tb\nc >x", true, '>', "abc", "x"},
        {"end of input", "abc", false, '\0', "abc", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream in(c.input);
        std::string token;
        EXPECT_EQ(GetString(in, token, ">", "<", c.skip_whitespace), c.result);
        EXPECT_EQ(token, c.token);
        in.clear();
        std::string rest;
        std::getline(in, rest, '\0');
        EXPECT_EQ(rest, c.rest);
    }
}

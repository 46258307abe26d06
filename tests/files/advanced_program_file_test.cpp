// The Advanced body of program files: what is written and what reading accepts.

#include "files/advanced_program_file.h"

#include "advanced/tn3_interval.h"
#include "xml/xml_tag.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Describe(const TN3Interval& interval) {
    char days[8];
    std::snprintf(days, sizeof days, "0x%02X", static_cast<unsigned>(interval.start.day_mask));
    return std::string(days) + " " + interval.GetStart() + "-" + interval.GetStop() + " every " +
           interval.GetOffTime() + " for " + interval.GetOnTime();
}

std::vector<std::string> Describe(const std::vector<TN3Interval>& intervals) {
    std::vector<std::string> result;
    for (const TN3Interval& interval : intervals) result.push_back(Describe(interval));
    return result;
}

std::string Write(const XML_Tag& tag) {
    std::ostringstream out;
    out << tag;
    return out.str();
}

XML_Tag Parse(const std::string& text) {
    std::istringstream in(text);
    XML_Tag root;
    in >> root;
    EXPECT_TRUE(root.valid) << "test input is not complete XML: " << text;
    return root;
}

XML_Tag Root() {
    XML_Tag root("Quorvel_9259");
    root.AddAttribute("version", "100");
    return root;
}

// Three intervals whose order is not their sort order by any field.
std::vector<TN3Interval> SampleList() {
    return {
        TN3Interval(0x14, "18:00:00", "06:00:00", "00:00:30", "00:15:00"),
        TN3Interval(0xFE, "06:00:00", "18:00:00", "00:01:00", "01:00:00"),
        TN3Interval(0x00, "00:00:00", "00:00:00", "00:00:10", "00:01:00"),
    };
}

TEST(AdvancedProgramFile, WritesTheBodyInListOrder) {
    XML_Tag root = Root();
    WriteAdvancedProgramBody(root, "TN3A", SampleList());
    EXPECT_EQ(Write(root),
              "<Quorvel_9259 version=\"100\" device=\"TN3A\">\n"
              "\t<TarnelFeeder3A>\n"
              "\t\t<FeedInterval days=\"20\" start=\"18:00:00\" stop=\"06:00:00\" on=\"00:00:30\" off=\"00:15:00\"/>\n"
              "\t\t<FeedInterval days=\"254\" start=\"06:00:00\" stop=\"18:00:00\" on=\"00:01:00\" off=\"01:00:00\"/>\n"
              "\t\t<FeedInterval days=\"0\" start=\"00:00:00\" stop=\"00:00:00\" on=\"00:00:10\" off=\"00:01:00\"/>\n"
              "\t</TarnelFeeder3A>\n"
              "</Quorvel_9259>\n");

    XML_Tag empty = Root();
    WriteAdvancedProgramBody(empty, "TN3A", {});
    EXPECT_EQ(Write(empty),
              "<Quorvel_9259 version=\"100\" device=\"TN3A\">\n"
              "\t<TarnelFeeder3A/>\n"
              "</Quorvel_9259>\n");
}

TEST(AdvancedProgramFile, RoundTripKeepsListOrderAndValues) {
    const std::vector<TN3Interval> written = SampleList();
    XML_Tag root = Root();
    WriteAdvancedProgramBody(root, "TN3A", written);

    std::vector<TN3Interval> read;
    ASSERT_TRUE(ReadAdvancedProgramBody(Parse(Write(root)), read));
    EXPECT_EQ(Describe(read), Describe(written));
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        SCOPED_TRACE(Describe(written[i]));
        EXPECT_EQ(read[i].start.time_ms, written[i].start.time_ms);
        EXPECT_EQ(read[i].stop.time_ms, written[i].stop.time_ms);
        EXPECT_EQ(read[i].on.time_ms, written[i].on.time_ms);
        EXPECT_EQ(read[i].off.time_ms, written[i].off.time_ms);
    }

    XML_Tag empty = Root();
    WriteAdvancedProgramBody(empty, "TN3A", {});
    read.clear();
    EXPECT_TRUE(ReadAdvancedProgramBody(Parse(Write(empty)), read));
    EXPECT_TRUE(read.empty());
}

TEST(AdvancedProgramFile, ReadingAppendsInFileOrder) {
    const XML_Tag root = Parse(
        "<Quorvel_9259 version=\"100\" device=\"TN3A\">\n"
        "\t<TarnelFeeder3A>\n"
        // Attribute order does not matter; the first of two equal names wins; others are ignored.
        "\t\t<FeedInterval off=\"00:15:00\" on=\"00:00:30\" stop=\"18:00:00\" start=\"06:00:00\" days=\"510\" start=\"07:00:00\" extra=\"x\"/>\n"
        "\t</TarnelFeeder3A>\n"
        "\t<TarnelFeeder3A/>\n"
        "\t<TarnelFeeder3A>\n"
        "\t\t<FeedInterval days=\"256\" start=\"20:00:00\" stop=\"02:00:00\" on=\"00:00:10\" off=\"00:01:00\"/>\n"
        "\t</TarnelFeeder3A>\n"
        "</Quorvel_9259>\n");
    std::vector<TN3Interval> list = {TN3Interval(0x80, "01:00:00", "02:00:00", "00:00:10", "00:01:00")};
    ASSERT_TRUE(ReadAdvancedProgramBody(root, list));
    EXPECT_EQ(Describe(list), (std::vector<std::string>{
                                  "0x80 01:00:00-02:00:00 every 00:01:00 for 00:00:10",
                                  "0xFE 06:00:00-18:00:00 every 00:15:00 for 00:00:30",
                                  "0x00 20:00:00-02:00:00 every 00:01:00 for 00:00:10",
                              }));
    // Days 256 keep no day: the four values are durations.
    EXPECT_EQ(list[2].start.time_ms, 72000000u);

    std::vector<TN3Interval> none;
    EXPECT_TRUE(ReadAdvancedProgramBody(Root(), none));
    EXPECT_TRUE(none.empty());
}

TEST(AdvancedProgramFile, WrongBodiesAreRefusedAndChangeNothing) {
    const char* const kGood =
        "<FeedInterval days=\"2\" start=\"06:00:00\" stop=\"18:00:00\" on=\"00:00:30\" off=\"00:15:00\"/>";
    struct Case { const char* name; std::string body; };
    const Case cases[] = {
        {"Simple body", "<TarnelFeeder3><options TestRunTime=\"00:00:10\" PauseTime=\"00:15:00\"/></TarnelFeeder3>"},
        {"body name in another case", "<tarnelfeeder3a/>"},
        {"good body then a foreign one", std::string("<TarnelFeeder3A>") + kGood + "</TarnelFeeder3A><Other/>"},
        {"foreign child", std::string("<TarnelFeeder3A>") + kGood + "<Interval/></TarnelFeeder3A>"},
        {"no days", "<TarnelFeeder3A><FeedInterval start=\"06:00:00\" stop=\"18:00:00\" on=\"00:00:30\" off=\"00:15:00\"/></TarnelFeeder3A>"},
        {"days not a number", "<TarnelFeeder3A><FeedInterval days=\"Mon\" start=\"06:00:00\" stop=\"18:00:00\" on=\"00:00:30\" off=\"00:15:00\"/></TarnelFeeder3A>"},
        {"empty days", "<TarnelFeeder3A><FeedInterval days=\"\" start=\"06:00:00\" stop=\"18:00:00\" on=\"00:00:30\" off=\"00:15:00\"/></TarnelFeeder3A>"},
        {"no start", "<TarnelFeeder3A><FeedInterval days=\"2\" stop=\"18:00:00\" on=\"00:00:30\" off=\"00:15:00\"/></TarnelFeeder3A>"},
        {"no stop", "<TarnelFeeder3A><FeedInterval days=\"2\" start=\"06:00:00\" on=\"00:00:30\" off=\"00:15:00\"/></TarnelFeeder3A>"},
        {"no on", "<TarnelFeeder3A><FeedInterval days=\"2\" start=\"06:00:00\" stop=\"18:00:00\" off=\"00:15:00\"/></TarnelFeeder3A>"},
        {"no off", "<TarnelFeeder3A><FeedInterval days=\"2\" start=\"06:00:00\" stop=\"18:00:00\" on=\"00:00:30\"/></TarnelFeeder3A>"},
        {"Simple attribute names", "<TarnelFeeder3A><FeedInterval start_day=\"254\" start_time=\"06:00:00\" end_day=\"254\" end_time=\"18:00:00\" on_time=\"00:00:30\" off_time=\"00:15:00\"/></TarnelFeeder3A>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const XML_Tag root =
            Parse("<Quorvel_9259 version=\"100\" device=\"TN3A\">" + c.body + "</Quorvel_9259>");
        std::vector<TN3Interval> list = {TN3Interval(0x80, "01:00:00", "02:00:00", "00:00:10", "00:01:00")};
        EXPECT_FALSE(ReadAdvancedProgramBody(root, list));
        EXPECT_EQ(Describe(list),
                  std::vector<std::string>{"0x80 01:00:00-02:00:00 every 00:01:00 for 00:00:10"});
    }
}

}  // namespace

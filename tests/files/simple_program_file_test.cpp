// The Simple body of program files: what is written and what reading accepts.

#include "files/simple_program_file.h"

#include "xml/xml_tag.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>
#include <vector>

namespace {

using Attributes = std::vector<std::pair<std::string, std::string>>;

Attributes AttributesOf(const XML_Tag& tag) {
    Attributes result;
    for (const XML_Attrib& a : tag.attributes) result.emplace_back(a.name, a.data);
    return result;
}

// The texts a fresh editor shows.
SimpleProgramTexts InitialTexts() {
    SimpleProgramTexts t;
    t.test_run = "00:00:10";
    t.pause = "00:15:00";
    t.feed_from = "00:00:00";
    t.feed_until = "00:00:00";
    t.feed_every = "00:15:00";
    t.feed_for = "00:00:30";
    return t;
}

SimpleProgramTexts DistinctTexts() {
    SimpleProgramTexts t;
    t.test_run = "00:00:20";
    t.pause = "01:00:00";
    t.feed_from = "06:00:00";
    t.feed_until = "18:00:00";
    t.feed_every = "00:30:00";
    t.feed_for = "00:00:45";
    return t;
}

void ExpectTexts(const SimpleProgramTexts& actual, const SimpleProgramTexts& expected) {
    EXPECT_EQ(actual.test_run, expected.test_run) << "test run";
    EXPECT_EQ(actual.pause, expected.pause) << "pause";
    EXPECT_EQ(actual.feed_from, expected.feed_from) << "feed from";
    EXPECT_EQ(actual.feed_until, expected.feed_until) << "feed until";
    EXPECT_EQ(actual.feed_every, expected.feed_every) << "feed every";
    EXPECT_EQ(actual.feed_for, expected.feed_for) << "feed for";
}

XML_Tag Parse(const std::string& text) {
    std::istringstream in(text);
    XML_Tag root;
    in >> root;
    EXPECT_TRUE(root.valid) << "test input is not complete XML: " << text;
    return root;
}

TEST(SimpleProgramFile, WritesTheInitialTextsInTheFileOrder) {
    XML_Tag root("Quorvel_9259");
    root.AddAttribute("version", "100");
    WriteSimpleProgramBody(root, "TN3", InitialTexts());

    EXPECT_EQ(AttributesOf(root), (Attributes{{"version", "100"}, {"device", "TN3"}}));
    ASSERT_EQ(root.children.size(), 1u);
    const XML_Tag& body = root.children[0];
    EXPECT_EQ(body.tag, "TarnelFeeder3");
    EXPECT_TRUE(body.attributes.empty());
    ASSERT_EQ(body.children.size(), 2u);
    EXPECT_EQ(body.children[0].tag, "options");
    EXPECT_EQ(AttributesOf(body.children[0]),
              (Attributes{{"TestRunTime", "00:00:10"}, {"PauseTime", "00:15:00"}}));
    EXPECT_EQ(body.children[1].tag, "FeedInterval");
    EXPECT_EQ(AttributesOf(body.children[1]), (Attributes{{"start_day", "254"},
                                                          {"start_time", "00:00:00"},
                                                          {"end_day", "254"},
                                                          {"end_time", "00:00:00"},
                                                          {"on_time", "00:00:30"},
                                                          {"off_time", "00:15:00"}}));
    for (const XML_Tag& child : body.children) EXPECT_TRUE(child.children.empty()) << child.tag;
}

TEST(SimpleProgramFile, WrittenTextsReadBackIntoTheRightFields) {
    // Every field distinct, so a swapped pair (on/off, from/until) shows.
    XML_Tag root("Quorvel_9259");
    WriteSimpleProgramBody(root, "TN3", DistinctTexts());
    std::ostringstream out;
    out << root;

    SimpleProgramTexts read = InitialTexts();
    ASSERT_TRUE(ReadSimpleProgramBody(Parse(out.str()), read)) << out.str();
    ExpectTexts(read, DistinctTexts());
}

TEST(SimpleProgramFile, TextsAreCarriedUnchecked) {
    SimpleProgramTexts odd = DistinctTexts();
    odd.test_run = "abc";
    odd.pause = "";
    odd.feed_every = "5 s \xc3\xa4";
    XML_Tag root("Quorvel_9259");
    WriteSimpleProgramBody(root, "TN3", odd);
    SimpleProgramTexts read = InitialTexts();
    ASSERT_TRUE(ReadSimpleProgramBody(root, read));
    ExpectTexts(read, odd);
}

TEST(SimpleProgramFile, AcceptedBodies) {
    struct Case {
        const char* name;
        const char* file;
        SimpleProgramTexts expected;
    };
    SimpleProgramTexts later = InitialTexts();
    later.test_run = "00:00:30";
    later.pause = "00:00:40";
    later.feed_from = "02:00:00";
    later.feed_until = "03:00:00";
    later.feed_for = "00:00:50";
    later.feed_every = "00:05:00";
    SimpleProgramTexts options_only = InitialTexts();
    options_only.test_run = "00:00:11";
    options_only.pause = "00:00:12";
    SimpleProgramTexts shuffled = InitialTexts();
    shuffled.feed_from = "01:00:00";
    shuffled.feed_until = "02:00:00";
    shuffled.feed_for = "00:00:40";
    shuffled.feed_every = "00:20:00";

    const Case cases[] = {
        {"no body keeps the initial texts", "<Quorvel_9259 version=\"100\" device=\"TN3\"/>",
         InitialTexts()},
        {"empty body keeps the initial texts",
         "<Quorvel_9259 device=\"TN3\"><TarnelFeeder3/></Quorvel_9259>", InitialTexts()},
        {"repeats: the later element wins",
         "<Quorvel_9259 device=\"TN3\">"
         "<TarnelFeeder3><options TestRunTime=\"00:00:20\" PauseTime=\"00:00:21\"/>"
         "<FeedInterval start_time=\"01:00:00\" end_time=\"01:30:00\" on_time=\"00:00:15\""
         " off_time=\"00:02:00\"/></TarnelFeeder3>"
         "<TarnelFeeder3><options TestRunTime=\"00:00:30\" PauseTime=\"00:00:40\"/>"
         "<FeedInterval start_time=\"02:00:00\" end_time=\"03:00:00\" on_time=\"00:00:50\""
         " off_time=\"00:05:00\"/></TarnelFeeder3></Quorvel_9259>",
         later},
        {"one element sets only its own fields",
         "<Quorvel_9259 device=\"TN3\"><TarnelFeeder3>"
         "<options PauseTime=\"00:00:12\" TestRunTime=\"00:00:11\"/></TarnelFeeder3></Quorvel_9259>",
         options_only},
        {"attribute order, day masks and extra attributes do not matter",
         "<Quorvel_9259 device=\"TN3\"><TarnelFeeder3>"
         "<FeedInterval off_time=\"00:20:00\" colour=\"red\" on_time=\"00:00:40\" start_day=\"x\""
         " end_time=\"02:00:00\" start_time=\"01:00:00\" start_time=\"09:00:00\"/>"
         "</TarnelFeeder3></Quorvel_9259>",
         shuffled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimpleProgramTexts read = InitialTexts();
        EXPECT_TRUE(ReadSimpleProgramBody(Parse(c.file), read));
        ExpectTexts(read, c.expected);
    }
}

TEST(SimpleProgramFile, RejectedBodiesLeaveTheTextsAlone) {
    struct Case {
        const char* name;
        const char* file;
    };
    const Case cases[] = {
        {"advanced body",
         "<Quorvel_9259 device=\"TN3\"><TarnelFeeder3A><FeedInterval days=\"254\" start=\"00:00:00\""
         " stop=\"01:00:00\" on=\"00:00:10\" off=\"00:01:00\"/></TarnelFeeder3A></Quorvel_9259>"},
        {"empty advanced body", "<Quorvel_9259 device=\"TN3\"><TarnelFeeder3A/></Quorvel_9259>"},
        {"body name in another case", "<Quorvel_9259><tarnelfeeder3/></Quorvel_9259>"},
        {"unknown child of the body",
         "<Quorvel_9259><TarnelFeeder3><options TestRunTime=\"00:00:20\" PauseTime=\"00:00:20\"/>"
         "<extra/></TarnelFeeder3></Quorvel_9259>"},
        {"a good body after a foreign one",
         "<Quorvel_9259><Other/><TarnelFeeder3><options TestRunTime=\"00:00:20\""
         " PauseTime=\"00:00:20\"/></TarnelFeeder3></Quorvel_9259>"},
        {"options without PauseTime",
         "<Quorvel_9259><TarnelFeeder3><options TestRunTime=\"00:00:20\"/></TarnelFeeder3>"
         "</Quorvel_9259>"},
        {"options without TestRunTime",
         "<Quorvel_9259><TarnelFeeder3><options PauseTime=\"00:00:20\"/></TarnelFeeder3>"
         "</Quorvel_9259>"},
        {"FeedInterval without off_time",
         "<Quorvel_9259><TarnelFeeder3><FeedInterval start_time=\"01:00:00\" end_time=\"02:00:00\""
         " on_time=\"00:00:20\"/></TarnelFeeder3></Quorvel_9259>"},
        {"FeedInterval without start_time, after a good options",
         "<Quorvel_9259><TarnelFeeder3><options TestRunTime=\"00:00:20\" PauseTime=\"00:00:20\"/>"
         "<FeedInterval end_time=\"02:00:00\" on_time=\"00:00:20\" off_time=\"00:01:00\"/>"
         "</TarnelFeeder3></Quorvel_9259>"},
        {"attribute name in another case",
         "<Quorvel_9259><TarnelFeeder3><options testruntime=\"00:00:20\" PauseTime=\"00:00:20\"/>"
         "</TarnelFeeder3></Quorvel_9259>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimpleProgramTexts read = InitialTexts();
        EXPECT_FALSE(ReadSimpleProgramBody(Parse(c.file), read));
        ExpectTexts(read, InitialTexts());
    }
}

}  // namespace

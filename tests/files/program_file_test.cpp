#include "files/program_file.h"

#include "xml/xml_tag.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char kSimpleFile[] =
    "<Quorvel_9259 version=\"100\" device=\"TN3\">\n"
    "\t<TarnelFeeder3>\n"
    "\t\t<options TestRunTime=\"00:00:10\" PauseTime=\"00:15:00\"/>\n"
    "\t\t<FeedInterval start_day=\"254\" start_time=\"00:00:00\" end_day=\"254\" "
    "end_time=\"00:00:00\" on_time=\"00:00:30\" off_time=\"00:15:00\"/>\n"
    "\t</TarnelFeeder3>\n"
    "</Quorvel_9259>\n"
    "\n";

XML_Tag SimpleRoot() {
    XML_Tag root("Quorvel_9259");
    root.AddAttribute("version", "100");
    root.AddAttribute("device", "TN3");
    XML_Tag& body = root.NewChild("TarnelFeeder3");
    XML_Tag& options = body.NewChild("options");
    options.AddAttribute("TestRunTime", "00:00:10");
    options.AddAttribute("PauseTime", "00:15:00");
    XML_Tag& interval = body.NewChild("FeedInterval");
    interval.AddAttribute("start_day", 254);
    interval.AddAttribute("start_time", "00:00:00");
    interval.AddAttribute("end_day", 254);
    interval.AddAttribute("end_time", "00:00:00");
    interval.AddAttribute("on_time", "00:00:30");
    interval.AddAttribute("off_time", "00:15:00");
    return root;
}

std::string Text(const XML_Tag& tag) {
    std::ostringstream out;
    out << tag;
    return out.str();
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class ProgramFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "program_file_test.XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(dir, ignored);
    }

    std::set<std::string> Entries(const fs::path& folder) const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
        return names;
    }

    fs::path dir;
};

}  // namespace

TEST_F(ProgramFile, WritesTheTreeAndOneEmptyLine) {
    const fs::path path = dir / "simple.qvl";
    ASSERT_EQ(WriteProgramFile(path.string(), SimpleRoot()), SaveResult::kSaved);
    EXPECT_EQ(ReadBytes(path), kSimpleFile);
    EXPECT_EQ(Entries(dir), std::set<std::string>{"simple.qvl"});
}

TEST_F(ProgramFile, RoundTrip) {
    XML_Tag root("Quorvel_9259");
    root.AddAttribute("version", "100");
    root.AddAttribute("device", "TN3A");
    XML_Tag& body = root.NewChild("TarnelFeeder3A");
    for (int days : {0x14, 0x80, 0xFE}) {
        XML_Tag& interval = body.NewChild("FeedInterval");
        interval.AddAttribute("days", days);
        interval.AddAttribute("start", "20:00:00");
        interval.AddAttribute("stop", "02:00:00");
        interval.AddAttribute("on", "00:00:30");
        interval.AddAttribute("off", "00:15:00");
    }
    const fs::path path = dir / "advanced.qvl";
    ASSERT_EQ(WriteProgramFile(path.string(), root), SaveResult::kSaved);
    const XML_Tag back = ReadProgramFile(path.string());
    EXPECT_TRUE(back.valid);
    EXPECT_EQ(Text(back), Text(root));

    // Saving again replaces the old content entirely.
    ASSERT_EQ(WriteProgramFile(path.string(), SimpleRoot()), SaveResult::kSaved);
    EXPECT_EQ(ReadBytes(path), kSimpleFile);
}

TEST_F(ProgramFile, Reading) {
    EXPECT_FALSE(ReadProgramFile((dir / "missing.qvl").string()).valid);
    EXPECT_FALSE(ReadProgramFile(dir.string()).valid);
    ASSERT_EQ(mkfifo((dir / "pipe.qvl").c_str(), 0600), 0);
    EXPECT_FALSE(ReadProgramFile((dir / "pipe.qvl").string()).valid);  // returns, never blocks

    WriteBytes(dir / "bom.qvl", std::string("\xEF\xBB\xBF") + kSimpleFile);
    EXPECT_FALSE(ReadProgramFile((dir / "bom.qvl").string()).valid);

    WriteBytes(dir / "crlf.qvl", "<Quorvel_9259 version=\"100\">\r\n</Quorvel_9259>\r\n\r\n");
    const XML_Tag crlf = ReadProgramFile((dir / "crlf.qvl").string());
    EXPECT_TRUE(crlf.valid);
    EXPECT_EQ(crlf.tag, "Quorvel_9259");

    WriteBytes(dir / "truncated.qvl", std::string(kSimpleFile).substr(0, 60));
    EXPECT_FALSE(ReadProgramFile((dir / "truncated.qvl").string()).valid);
}

TEST_F(ProgramFile, Permissions) {
    const mode_t old_mask = umask(027);
    const fs::path fresh = dir / "fresh.qvl";
    const SaveResult result = WriteProgramFile(fresh.string(), SimpleRoot());
    umask(old_mask);
    ASSERT_EQ(result, SaveResult::kSaved);
    struct stat info;
    ASSERT_EQ(stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    // Replacing a file keeps its mode.
    const fs::path kept = dir / "kept.qvl";
    WriteBytes(kept, "old");
    ASSERT_EQ(chmod(kept.c_str(), 0604), 0);
    ASSERT_EQ(WriteProgramFile(kept.string(), SimpleRoot()), SaveResult::kSaved);
    ASSERT_EQ(stat(kept.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0604u);
}

TEST_F(ProgramFile, SavingThroughALinkReplacesTheLinkedFile) {
    const fs::path real = dir / "real.qvl";
    const fs::path link = dir / "link.qvl";
    WriteBytes(real, "old");
    fs::create_symlink(real, link);
    ASSERT_EQ(WriteProgramFile(link.string(), SimpleRoot()), SaveResult::kSaved);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), kSimpleFile);
}

TEST_F(ProgramFile, FailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    const std::string old_bytes = "<Quorvel_9259 version=\"100\"/>\n\n";
    struct Case {
        const char* name;
        std::function<fs::path()> prepare;  // returns the path to save to
        fs::path folder;                    // checked for leftovers
    };
    const fs::path plain_file = dir / "plain";
    const fs::path old_file = dir / "old.qvl";
    const fs::path non_empty_folder = dir / "folder.qvl";
    const Case cases[] = {
        {"parent is a regular file",
         [&] {
             WriteBytes(plain_file, old_bytes);
             return plain_file / "x.qvl";
         },
         dir},
        {"folder does not exist", [&] { return dir / "nowhere" / "x.qvl"; }, dir},
        {"target is a non-empty folder",
         [&] {
             fs::create_directory(non_empty_folder);
             WriteBytes(non_empty_folder / "inside", old_bytes);
             return non_empty_folder;
         },
         dir},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(old_file, old_bytes);
        const fs::path target = c.prepare();
        const std::set<std::string> prepared = Entries(c.folder);
        EXPECT_EQ(WriteProgramFile(target.string(), SimpleRoot()), SaveResult::kWriteFailed);
        EXPECT_EQ(Entries(c.folder), prepared);
        EXPECT_EQ(ReadBytes(old_file), old_bytes);
    }
    EXPECT_EQ(ReadBytes(non_empty_folder / "inside"), old_bytes);
    EXPECT_EQ(ReadBytes(plain_file), old_bytes);
}

TEST_F(ProgramFile, WriteFailingMidwayLeavesTheOldFile) {
    const fs::path path = dir / "program.qvl";
    const std::string old_bytes = kSimpleFile;
    WriteBytes(path, old_bytes);
    XML_Tag big = SimpleRoot();
    big.AddAttribute("padding", std::string(1 << 16, 'x'));

    // A file size limit makes write() fail part of the way through, even for root.
    struct rlimit old_limit;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    struct rlimit small = old_limit;
    small.rlim_cur = 1024;
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveResult result = WriteProgramFile(path.string(), big);
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);

    EXPECT_EQ(result, SaveResult::kWriteFailed);
    EXPECT_EQ(ReadBytes(path), old_bytes);
    EXPECT_EQ(Entries(dir), std::set<std::string>{"program.qvl"});
}

TEST_F(ProgramFile, ReadOnlyFolderLeavesTheOldFile) {
    const fs::path path = dir / "program.qvl";
    WriteBytes(path, kSimpleFile);
    ASSERT_EQ(chmod(dir.c_str(), 0555), 0);
    if (geteuid() != 0) {
        EXPECT_EQ(WriteProgramFile(path.string(), SimpleRoot()), SaveResult::kWriteFailed);
    } else {
        // Root writes into read-only folders: the save runs as an ordinary user instead.
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
            _exit(WriteProgramFile(path.string(), SimpleRoot()) == SaveResult::kWriteFailed ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "the save as user 65534 did not fail cleanly (status " << status << ")";
    }
    chmod(dir.c_str(), 0700);
    EXPECT_EQ(ReadBytes(path), kSimpleFile);
    EXPECT_EQ(Entries(dir), std::set<std::string>{"program.qvl"});
}

TEST_F(ProgramFile, UnwritableContentWritesNothing) {
    const fs::path path = dir / "program.qvl";
    WriteBytes(path, kSimpleFile);
    XML_Tag root = SimpleRoot();
    root.children[0].children[0].AddAttribute("note", "say \"hi\"");
    EXPECT_EQ(WriteProgramFile(path.string(), root), SaveResult::kUnwritableContent);
    EXPECT_EQ(ReadBytes(path), kSimpleFile);
    EXPECT_EQ(Entries(dir), std::set<std::string>{"program.qvl"});

    EXPECT_EQ(WriteProgramFile((dir / "new.qvl").string(), root), SaveResult::kUnwritableContent);
    EXPECT_FALSE(fs::exists(dir / "new.qvl"));
}

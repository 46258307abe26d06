#include "files/program_file.h"

#include "xml/xml_tag.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The process umask, read without changing it where the kernel reports it.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    }
    // The application runs no other threads, so setting and restoring is safe here.
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

// A symbolic link is followed, so that the file it names is replaced and the link kept.
std::string ResolveTarget(const std::string& path) {
    struct stat link_info;
    if (lstat(path.c_str(), &link_info) != 0 || !S_ISLNK(link_info.st_mode)) return path;
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) == nullptr) return path;
    return resolved;
}

std::string ParentFolder(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, const std::string& bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Makes the rename itself durable; a failure here does not undo a completed save.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

XML_Tag ReadProgramFile(const std::string& path) {
    XML_Tag root;
    // Only regular files: a folder fails to read, and a pipe or device could block forever.
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return root;
    std::ifstream in(path, std::ios::binary);
    if (in) in >> root;
    return root;
}

SaveResult WriteProgramFile(const std::string& path, const XML_Tag& root) {
    if (!IsWritable(root)) return SaveResult::kUnwritableContent;
    if (path.empty()) return SaveResult::kWriteFailed;
    std::ostringstream text;
    text << root << '\n';
    const std::string bytes = text.str();

    const std::string target = ResolveTarget(path);
    struct stat old_file;
    const bool replacing = stat(target.c_str(), &old_file) == 0 && S_ISREG(old_file.st_mode);
    const mode_t mode = replacing ? (old_file.st_mode & 07777) : (0666 & ~CurrentUmask());

    std::vector<char> temp_name(target.begin(), target.end());
    for (const char c : std::string(".XXXXXX")) temp_name.push_back(c);
    temp_name.push_back('\0');
    const int fd = mkostemp(temp_name.data(), O_CLOEXEC);
    if (fd < 0) return SaveResult::kWriteFailed;

    bool ok = WriteAll(fd, bytes);
    if (ok && replacing && fchown(fd, old_file.st_uid, old_file.st_gid) != 0) {
        // Not permitted: the saving user owns the new file, as with any new file.
    }
    ok = ok && fchmod(fd, mode) == 0;
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp_name.data(), target.c_str()) == 0;
    if (!ok) {
        unlink(temp_name.data());
        return SaveResult::kWriteFailed;
    }
    SyncFolder(ParentFolder(target));
    return SaveResult::kSaved;
}

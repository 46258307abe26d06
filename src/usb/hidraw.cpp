#include "usb/hidraw.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace usb_qvl {

namespace {

constexpr unsigned kBusUsb = 0x0003;
// Bounds the draining of a device that keeps sending reports unasked.
constexpr int kMostDiscardedReports = 64;

bool ReadSmallFile(const std::string& path, std::string& text) {
    std::ifstream in(path);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return true;
}

// The value of "key=value" lines as in a uevent file; empty when absent.
std::string UeventValue(const std::string& uevent, const std::string& key) {
    std::istringstream lines(uevent);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.size() > key.size() && line.compare(0, key.size(), key) == 0 && line[key.size()] == '=') {
            return line.substr(key.size() + 1);
        }
    }
    return {};
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The N of "hidrawN", or -1 for any other name.
long HidrawNumber(const std::string& name) {
    static const std::string kPrefix = "hidraw";
    if (name.size() <= kPrefix.size() || name.compare(0, kPrefix.size(), kPrefix) != 0) return -1;
    const std::string digits = name.substr(kPrefix.size());
    if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::strtol(digits.c_str(), nullptr, 10);
}

}  // namespace

HidrawPlatform::HidrawPlatform(std::string i_sysfs_root, std::string i_dev_root)
    : sysfs_root(std::move(i_sysfs_root)), dev_root(std::move(i_dev_root)) {}

std::string HidrawPlatform::HardwareIdOf(const std::string& hid_id, const std::string& bcd_device) {
    unsigned bus = 0, vendor = 0, product = 0;
    char end = 0;
    if (std::sscanf(hid_id.c_str(), "%x:%x:%x%c", &bus, &vendor, &product, &end) != 3) return {};
    char text[80];
    if (bus != kBusUsb) {
        std::snprintf(text, sizeof text, "HID\\BUS_%04X&VEN_%04X&DEV_%04X", bus, vendor, product);
        return text;
    }
    std::snprintf(text, sizeof text, "HID\\VID_%04X&PID_%04X", vendor, product);
    std::string id = text;
    const std::string bcd = Trimmed(bcd_device);
    if (!bcd.empty() && bcd.size() <= 4 && bcd.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos) {
        std::snprintf(text, sizeof text, "&REV_%04lX", std::strtoul(bcd.c_str(), nullptr, 16));
        id += text;
    }
    return id;
}

bool HidrawPlatform::ListInterfaces(std::vector<HidInterface>& interfaces) {
    const std::string class_dir = sysfs_root + "/class/hidraw";
    DIR* dir = opendir(class_dir.c_str());
    if (dir == nullptr) {
        // Without any HID device the class may not exist at all.
        error_code = errno == ENOENT ? 0 : static_cast<std::uint32_t>(errno);
        return error_code == 0;
    }
    std::vector<std::pair<long, std::string>> entries;
    while (const dirent* entry = readdir(dir)) {
        const long number = HidrawNumber(entry->d_name);
        if (number >= 0) entries.emplace_back(number, entry->d_name);
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end());

    for (const auto& [number, name] : entries) {
        const std::string node = class_dir + "/" + name;
        std::string uevent;
        // An interface that vanished since the listing is simply absent.
        if (!ReadSmallFile(node + "/device/uevent", uevent)) continue;
        std::string bcd_device;
        ReadSmallFile(node + "/device/../../bcdDevice", bcd_device);
        const std::string hardware_id = HardwareIdOf(Trimmed(UeventValue(uevent, "HID_ID")), bcd_device);
        if (hardware_id.empty()) continue;
        std::string node_uevent;
        std::string dev_name;
        if (ReadSmallFile(node + "/uevent", node_uevent)) dev_name = Trimmed(UeventValue(node_uevent, "DEVNAME"));
        if (dev_name.empty()) dev_name = name;
        interfaces.push_back({hardware_id, dev_root + "/" + dev_name});
    }
    error_code = 0;
    return true;
}

Handle HidrawPlatform::Open(const std::string& path, OpenMode mode) {
    int flags = O_CLOEXEC;
    switch (mode) {
        case OpenMode::kWrite: flags |= O_WRONLY; break;
        case OpenMode::kRead: flags |= O_RDONLY; break;
    }
    int fd;
    do {
        fd = open(path.c_str(), flags);
    } while (fd < 0 && errno == EINTR);
    error_code = fd < 0 ? static_cast<std::uint32_t>(errno) : 0;
    return fd < 0 ? kInvalidHandle : fd;
}

int HidrawPlatform::Write(Handle handle, const ReportBuffer& report) {
    ssize_t count;
    do {
        count = write(handle, report, kReportSize);
    } while (count < 0 && errno == EINTR);
    if (count < 0) {
        error_code = static_cast<std::uint32_t>(errno);
        return 0;
    }
    error_code = 0;
    return static_cast<int>(count);
}

int HidrawPlatform::Read(Handle handle, ReportBuffer& report, int wait_ms) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(wait_ms);
    report[0] = 0;
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd poll_fd{handle, POLLIN, 0};
        const int ready = poll(&poll_fd, 1, static_cast<int>(std::max<decltype(left)>(left, 0)));
        if (ready < 0) {
            if (errno == EINTR) continue;
            error_code = static_cast<std::uint32_t>(errno);
            return 0;
        }
        if (ready == 0) {
            error_code = ETIMEDOUT;
            return 0;
        }
        if (poll_fd.revents & (POLLERR | POLLHUP | POLLNVAL)) {
            error_code = ENODEV;
            return 0;
        }
        // A device without numbered reports delivers the 64 bytes without the ID byte.
        const ssize_t count = read(handle, report + 1, kReportSize - 1);
        if (count < 0) {
            if (errno == EINTR) continue;
            error_code = static_cast<std::uint32_t>(errno);
            return 0;
        }
        if (count == 0) {
            error_code = ENODEV;
            return 0;
        }
        error_code = 0;
        return static_cast<int>(count) + 1;
    }
}

void HidrawPlatform::DiscardPending(Handle handle) {
    std::uint8_t scratch[kReportSize];
    for (int i = 0; i < kMostDiscardedReports; ++i) {
        pollfd poll_fd{handle, POLLIN, 0};
        if (poll(&poll_fd, 1, 0) <= 0 || (poll_fd.revents & (POLLERR | POLLHUP | POLLNVAL)) ||
            !(poll_fd.revents & POLLIN)) {
            break;
        }
        if (read(handle, scratch, sizeof scratch) <= 0) break;
    }
    error_code = 0;
}

void HidrawPlatform::Close(Handle handle) {
    if (handle == kInvalidHandle) return;
    // No retry on EINTR: the descriptor is released either way.
    error_code = close(handle) == 0 ? 0 : static_cast<std::uint32_t>(errno);
}

}  // namespace usb_qvl

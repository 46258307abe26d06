#pragma once
// usb_qvl::Platform: the one seam through which the USB layer reaches the operating system.

#include <cstdint>
#include <string>
#include <vector>

namespace usb_qvl {

// An open device file; kInvalidHandle when none.
using Handle = int;
constexpr Handle kInvalidHandle = -1;

// A report on the wire: byte 0 is the report ID (always 0), bytes 1 to 64 the report.
constexpr int kReportSize = 65;
using ReportBuffer = std::uint8_t[kReportSize];

// How long a read waits for the device's reply before it counts as failed.
constexpr int kReplyWaitMs = 2000;

// One HID device interface that is present.
struct HidInterface {
    std::string hardware_id;  // the first hardware-ID string, e.g. "HID\VID_04D8&PID_003F&REV_0002"
    std::string path;         // the file to open, e.g. "/dev/hidraw3"
};

enum class OpenMode { kWrite, kRead };

// Every operation sets the code that LastError() returns: 0 on success, an errno value
// (EACCES, ENOENT, ENODEV, EIO, ETIMEDOUT...) on failure. One caller thread at a time.
class Platform {
public:
    virtual ~Platform() = default;

    // Appends the interfaces present, in a stable order; false when they cannot be listed
    // (an absent HID class is an empty list, not a failure).
    virtual bool ListInterfaces(std::vector<HidInterface>& interfaces) = 0;
    // kInvalidHandle on failure.
    virtual Handle Open(const std::string& path, OpenMode mode) = 0;
    // Writes the whole buffer; returns the count transferred, 0 on failure.
    virtual int Write(Handle handle, const ReportBuffer& report) = 0;
    // Reads one report into bytes 1 to 64 (byte 0 set to 0) within wait_ms; returns the count
    // with the report ID byte included (65 for a full report), 0 on time-out or when the
    // device is gone.
    virtual int Read(Handle handle, ReportBuffer& report, int wait_ms) = 0;
    // Throws away reports already queued on a read handle, so a reply that came after a
    // time-out cannot answer the next request.
    virtual void DiscardPending(Handle handle) = 0;
    virtual void Close(Handle handle) = 0;
    virtual std::uint32_t LastError() const = 0;
};

// True for the codes of a device the user may not open (EACCES, EPERM): the udev rule is missing.
bool IsPermissionError(std::uint32_t last_error);

// The platform that new System and Transfer objects use: the installed one, else the
// process-wide hidraw platform on /sys and /dev.
Platform& CurrentPlatform();
// Makes platform the current one (null: back to hidraw); the caller keeps it alive meanwhile.
void InstallPlatform(Platform* platform);

// Installs a platform for the lifetime of this object, then restores the previous one.
class ScopedPlatform {
public:
    explicit ScopedPlatform(Platform& platform);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    Platform* previous;
};

}  // namespace usb_qvl

#pragma once
// SimulatedRemote and SimulatedPlatform: remotes in memory, with faults on demand, for tests and benchmarks.

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "usb/platform.h"

namespace usb_qvl {

using Report64 = std::array<std::uint8_t, 64>;

enum class RemoteFault {
    kNone,
    kRefuse,      // report fault_at is answered with `refusal` and not stored
    kShortReply,  // report fault_at is answered "OK" in a 2-byte report
    kNoReply,     // report fault_at is stored but never answered
    kVanish,      // the remote is unplugged after taking report fault_at, before answering it
};

// The remote's side of the protocol: data reports "D", address low, address high, n, n bytes
// are written into a 64 KiB memory at their address and answered "OK".
class SimulatedRemote {
public:
    struct Reply {
        Report64 bytes{};
        std::size_t size = 64;
    };

    // Takes one report; false when no reply comes (kNoReply, kVanish).
    bool Receive(const Report64& report, Reply& reply);

    std::string hardware_id = "HID\\VID_04D8&PID_003F&REV_0002";
    std::string path;
    std::vector<std::uint8_t> memory = std::vector<std::uint8_t>(65536, 0xFF);
    std::vector<Report64> received;
    bool present = true;

    RemoteFault fault = RemoteFault::kNone;
    std::size_t fault_at = 0;  // index of the received report the fault hits, from 0
    std::array<std::uint8_t, 2> refusal{{'K', 'O'}};
    std::uint32_t open_error = 0;       // every open fails with it (EACCES, ENOENT...)
    std::uint32_t read_open_error = 0;  // only opening for reading fails with it
    std::chrono::microseconds reply_latency{0};
};

// A Platform over simulated remotes. A read that would wait for a reply that never comes
// fails at once with ETIMEDOUT instead of sleeping through the bound (see last_wait_ms).
// Each open read handle has its own queue of replies, as hidraw files do. One thread only.
class SimulatedPlatform : public Platform {
public:
    // A new present remote with path "/sim/hidrawN".
    SimulatedRemote& AddRemote();
    // A present HID device that is not a remote (another product).
    SimulatedRemote& AddOtherDevice(const std::string& hardware_id);
    // Unplugs the remote: it leaves the listing, cannot be opened and its open handles fail.
    // It stays readable; setting its `present` again plugs it back in.
    void RemoveRemote(const SimulatedRemote& remote);
    // Every remote and device added, present or not, in the order added.
    std::vector<SimulatedRemote*> Remotes();
    // Handles opened and not yet closed.
    std::size_t OpenHandleCount() const { return files.size(); }

    // Set by ListInterfaces: false makes the listing fail with this code.
    std::uint32_t list_error = 0;
    // The wait asked for by the latest Read.
    int last_wait_ms = -1;

    bool ListInterfaces(std::vector<HidInterface>& interfaces) override;
    Handle Open(const std::string& path, OpenMode mode) override;
    int Write(Handle handle, const ReportBuffer& report) override;
    int Read(Handle handle, ReportBuffer& report, int wait_ms) override;
    void DiscardPending(Handle handle) override;
    void Close(Handle handle) override;
    std::uint32_t LastError() const override { return error_code; }

private:
    struct OpenFile {
        std::shared_ptr<SimulatedRemote> remote;
        OpenMode mode;
        std::vector<SimulatedRemote::Reply> queue;
    };

    std::vector<std::shared_ptr<SimulatedRemote>> remotes;
    std::map<Handle, OpenFile> files;
    Handle next_handle = 3;
    int next_number = 0;
    std::uint32_t error_code = 0;
};

}  // namespace usb_qvl

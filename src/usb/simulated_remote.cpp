#include "usb/simulated_remote.h"

#include <algorithm>
#include <cerrno>
#include <thread>

namespace usb_qvl {

namespace {

constexpr std::uint8_t kDataReport = 0x44;
constexpr std::size_t kMostDataBytes = 60;

Report64 ReplyText(std::uint8_t first, std::uint8_t second) {
    Report64 bytes{};
    bytes[0] = first;
    bytes[1] = second;
    return bytes;
}

// Sleeps most of the latency and spins the rest, so short latencies stay close to their value.
void WaitFor(std::chrono::microseconds latency) {
    if (latency.count() <= 0) return;
    using Clock = std::chrono::steady_clock;
    const Clock::time_point until = Clock::now() + latency;
    constexpr std::chrono::microseconds kSpin{200};
    if (latency > kSpin) std::this_thread::sleep_for(latency - kSpin);
    while (Clock::now() < until) std::this_thread::yield();
}

}  // namespace

bool SimulatedRemote::Receive(const Report64& report, Reply& reply) {
    const std::size_t index = received.size();
    received.push_back(report);
    const bool faulty = fault != RemoteFault::kNone && index == fault_at;
    if (faulty && fault == RemoteFault::kRefuse) {
        reply = Reply{ReplyText(refusal[0], refusal[1]), 64};
        return true;
    }
    if (faulty && fault == RemoteFault::kVanish) {
        present = false;
        return false;
    }
    const std::size_t count = report[3];
    if (report[0] != kDataReport || count == 0 || count > kMostDataBytes) {
        reply = Reply{ReplyText('K', 'O'), 64};
        return true;
    }
    const std::size_t address = report[1] | (report[2] << 8);
    for (std::size_t i = 0; i < count; ++i) memory[(address + i) % memory.size()] = report[4 + i];
    if (faulty && fault == RemoteFault::kNoReply) return false;
    reply = Reply{ReplyText('O', 'K'), faulty && fault == RemoteFault::kShortReply ? 2u : 64u};
    return true;
}

SimulatedRemote& SimulatedPlatform::AddRemote() {
    auto remote = std::make_shared<SimulatedRemote>();
    remote->path = "/sim/hidraw" + std::to_string(next_number++);
    remotes.push_back(remote);
    return *remote;
}

SimulatedRemote& SimulatedPlatform::AddOtherDevice(const std::string& hardware_id) {
    SimulatedRemote& device = AddRemote();
    device.hardware_id = hardware_id;
    return device;
}

void SimulatedPlatform::RemoveRemote(const SimulatedRemote& remote) {
    for (const auto& known : remotes) {
        if (known.get() == &remote) known->present = false;
    }
}

std::vector<SimulatedRemote*> SimulatedPlatform::Remotes() {
    std::vector<SimulatedRemote*> result;
    for (const auto& remote : remotes) result.push_back(remote.get());
    return result;
}

bool SimulatedPlatform::ListInterfaces(std::vector<HidInterface>& interfaces) {
    error_code = list_error;
    if (list_error != 0) return false;
    for (const auto& remote : remotes) {
        if (remote->present) interfaces.push_back({remote->hardware_id, remote->path});
    }
    return true;
}

Handle SimulatedPlatform::Open(const std::string& path, OpenMode mode) {
    const auto found = std::find_if(remotes.begin(), remotes.end(), [&](const auto& remote) {
        return remote->present && remote->path == path;
    });
    if (found == remotes.end()) {
        error_code = ENOENT;
        return kInvalidHandle;
    }
    const SimulatedRemote& remote = **found;
    error_code = remote.open_error != 0 ? remote.open_error
                 : mode == OpenMode::kRead ? remote.read_open_error
                                           : 0;
    if (error_code != 0) return kInvalidHandle;
    files[next_handle] = OpenFile{*found, mode, {}};
    return next_handle++;
}

int SimulatedPlatform::Write(Handle handle, const ReportBuffer& report) {
    const auto file = files.find(handle);
    if (file == files.end() || file->second.mode != OpenMode::kWrite) {
        error_code = EBADF;
        return 0;
    }
    SimulatedRemote& remote = *file->second.remote;
    if (!remote.present) {
        error_code = ENODEV;
        return 0;
    }
    Report64 sent;
    std::copy(report + 1, report + kReportSize, sent.begin());
    SimulatedRemote::Reply reply;
    if (remote.Receive(sent, reply)) {
        for (auto& [other_handle, other] : files) {
            if (other.remote.get() == &remote && other.mode == OpenMode::kRead) other.queue.push_back(reply);
        }
    }
    error_code = 0;
    return kReportSize;
}

int SimulatedPlatform::Read(Handle handle, ReportBuffer& report, int wait_ms) {
    last_wait_ms = wait_ms;
    report[0] = 0;
    const auto file = files.find(handle);
    if (file == files.end() || file->second.mode != OpenMode::kRead) {
        error_code = EBADF;
        return 0;
    }
    OpenFile& open_file = file->second;
    if (!open_file.remote->present) {
        error_code = ENODEV;
        return 0;
    }
    if (open_file.queue.empty()) {
        error_code = ETIMEDOUT;
        return 0;
    }
    WaitFor(open_file.remote->reply_latency);
    const SimulatedRemote::Reply reply = open_file.queue.front();
    open_file.queue.erase(open_file.queue.begin());
    std::copy(reply.bytes.begin(), reply.bytes.begin() + reply.size, report + 1);
    error_code = 0;
    return static_cast<int>(reply.size) + 1;
}

void SimulatedPlatform::DiscardPending(Handle handle) {
    const auto file = files.find(handle);
    if (file != files.end()) file->second.queue.clear();
    error_code = 0;
}

void SimulatedPlatform::Close(Handle handle) {
    error_code = files.erase(handle) == 1 ? 0 : EBADF;
}

}  // namespace usb_qvl

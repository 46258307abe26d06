#include "usb/remote_protocol.h"

#include <algorithm>
#include <ctime>

namespace {

constexpr std::uint8_t kDataReport = 0x44;
constexpr std::size_t kMostDataBytes = 60;
constexpr std::uint8_t kTimeRecord = 0x60;
constexpr std::size_t kTimeRecordSize = 5;
constexpr int kFullReport = 64;

}  // namespace

USBTimerDevice::~USBTimerDevice() { Close(); }

bool USBTimerDevice::SetData(const std::vector<std::uint8_t>& message, const std::uint16_t& offset) {
    std::size_t pos = 0;
    while (pos < message.size()) {
        const std::size_t n = std::min(kMostDataBytes, message.size() - pos);
        const unsigned address = (offset + pos) % 65536u;
        std::uint8_t data[kFullReport] = {kDataReport, static_cast<std::uint8_t>(address & 0xFF),
                                          static_cast<std::uint8_t>(address >> 8),
                                          static_cast<std::uint8_t>(n)};
        std::copy_n(message.begin() + static_cast<std::ptrdiff_t>(pos), n, data + 4);
        if (!connected || Send64(data) != kFullReport) return false;
        std::uint8_t reply[kFullReport];
        if (!connected || Recv64(reply) != kFullReport) return false;
        if (reply[0] != 'O' || reply[1] != 'K') return false;
        pos += n;
    }
    return true;
}

TimeText LocalTimeOfDay() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    TimeText time_of_day;
    if (localtime_r(&now, &local) == nullptr) return time_of_day;
    // A leap second (tm_sec 60) is held at the day's last second.
    const std::uint32_t seconds =
        std::min<std::uint32_t>((local.tm_hour * 60u + local.tm_min) * 60u + local.tm_sec, 86399u);
    time_of_day.valid = true;
    time_of_day.time_ms = seconds * 1000u;
    time_of_day.day_mask = day_bits::ForWeekday(local.tm_wday);
    return time_of_day;
}

std::array<std::uint8_t, 5> TimeRecord(const TimeText& now) {
    const std::uint32_t value = ((now.time_ms / 1000u) | (std::uint32_t{now.day_mask} << 16)) & 0xFFFFFFu;
    const auto high = static_cast<std::uint8_t>(value >> 16);
    const auto middle = static_cast<std::uint8_t>(value >> 8);
    const auto low = static_cast<std::uint8_t>(value);
    return {kTimeRecord, high, middle, low, static_cast<std::uint8_t>(high + middle + low)};
}

void FrameProgramMessage(const std::vector<std::uint8_t>& program, bool sync_time, const TimeText& now,
                         std::vector<std::uint8_t>& msg) {
    msg.clear();
    if (program.size() < 2) return;
    msg.reserve(program.size() + kTimeRecordSize);
    msg.push_back(program[0]);
    if (sync_time) {
        msg.push_back(static_cast<std::uint8_t>(program[1] + kTimeRecordSize));
        const auto record = TimeRecord(now);
        msg.insert(msg.end(), record.begin(), record.end());
    } else {
        msg.push_back(program[1]);
    }
    msg.insert(msg.end(), program.begin() + 2, program.end());
}

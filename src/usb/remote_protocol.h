#pragma once
// The remote's report protocol: acknowledged data transfer (USBTimerDevice) and the framing with the clock record.

#include <array>
#include <cstdint>
#include <vector>

#include "program/time_text.h"
#include "usb/usb_qvl.h"

// One remote during its share of a programming pass: connect, SetData, close.
class USBTimerDevice : public usb_qvl::Transfer {
public:
    USBTimerDevice() = default;
    explicit USBTimerDevice(usb_qvl::Platform& platform) : usb_qvl::Transfer(platform) {}
    ~USBTimerDevice() override;

    // Writes message into the remote's memory from address offset, in data reports of at most
    // 60 bytes, each answered "OK". False at the first failed write, failed or short read or
    // other reply (the chunks before it stay written); true at once for an empty message.
    bool SetData(const std::vector<std::uint8_t>& message, const std::uint16_t& offset);
};

// Current local time of day: valid, time_ms = seconds of the day * 1000, day_mask = 2 << weekday.
TimeText LocalTimeOfDay();

// The 5-byte time record of a time of day: 0x60, the day mask OR'd into the seconds' 24 bits
// (most significant byte first), and the sum of those three bytes.
std::array<std::uint8_t, 5> TimeRecord(const TimeText& now);

// The sent message: P[0], P[1] (+5 mod 256 followed by the time record of now when sync_time),
// then P[2..] unchanged, the checksum included. msg is replaced; it stays empty for a program
// shorter than 2 bytes.
void FrameProgramMessage(const std::vector<std::uint8_t>& program, bool sync_time, const TimeText& now,
                         std::vector<std::uint8_t>& msg);

#pragma once
// usb_qvl: finding the attached USB HID remotes and exchanging 64-byte reports with one of them.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "usb/platform.h"

namespace usb_qvl {

// The vendor and product ID of the remotes.
constexpr std::uint16_t kRemoteVendorId = 0x04D8;
constexpr std::uint16_t kRemoteProductId = 0x003F;

// One found device, named by the path that opens it.
class Device {
public:
    explicit Device(const std::string& i_path) : path(i_path) {}
    bool operator==(const Device& other) const { return path == other.path; }
    bool operator!=(const Device& other) const { return path != other.path; }

    std::string path;
};

class System {
public:
    System();
    explicit System(Platform& platform);

    // Appends a new Device for every present interface whose first hardware ID contains the
    // fragment of vendor_id and product_id (case-insensitively); device_list is not cleared.
    // True when the listing ran to its end (last_error 0), false with last_error set otherwise;
    // devices found before a failure stay in the list.
    bool GetDeviceList(const std::uint16_t& vendor_id, const std::uint16_t& product_id,
                       std::vector<Device*>& device_list);
    // The same enumeration into owned devices.
    bool GetDevices(const std::uint16_t& vendor_id, const std::uint16_t& product_id,
                    std::vector<std::unique_ptr<Device>>& devices);
    // "vid_04d8&pid_003f" for 0x04D8 and 0x003F.
    static std::string GetDeviceIDStr(const std::uint16_t& vendor_id, const std::uint16_t& product_id);
    // Deletes every non-null entry, then empties the list.
    static void DeleteList(std::vector<Device*>& device_list);

    std::uint32_t last_error = 0;

private:
    Platform* platform;
};

// An opened device: a write handle, a read handle and one report buffer for both directions.
class Transfer {
public:
    Transfer();
    explicit Transfer(Platform& platform);
    virtual ~Transfer();
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    // Closes any earlier connection, then opens device for writing and for reading.
    // False with last_error set (and no handle left open) when either open fails.
    bool Connect(const Device* device);
    // The owner's close: both handles, write handle first; nothing when not connected.
    void Close();
    // Sends one 64-byte report; returns the written count minus one: 64 on success, 0 when
    // not connected, -1 on a failed write.
    int Send64(const std::uint8_t* data);
    // Receives one 64-byte report into data within kReplyWaitMs; returns the read count minus
    // one: 64 on success, 0 when not connected, -1 on time-out or a device gone. data is
    // overwritten with the buffer's report bytes even when the read fails.
    int Recv64(std::uint8_t* data);

    bool connected = false;
    Handle read_handle = kInvalidHandle;
    Handle write_handle = kInvalidHandle;
    std::uint8_t report[kReportSize] = {};
    std::uint32_t last_error = 0;

private:
    Platform* platform;
};

}  // namespace usb_qvl

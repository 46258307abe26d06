#pragma once
// usb_qvl::HidrawPlatform: the Linux platform layer, HID interfaces from sysfs and reports through hidraw nodes.

#include <string>

#include "usb/platform.h"

namespace usb_qvl {

class HidrawPlatform : public Platform {
public:
    // sysfs_root is normally "/sys" and dev_root "/dev"; tests point both into a fake tree.
    HidrawPlatform(std::string sysfs_root, std::string dev_root);

    bool ListInterfaces(std::vector<HidInterface>& interfaces) override;
    Handle Open(const std::string& path, OpenMode mode) override;
    int Write(Handle handle, const ReportBuffer& report) override;
    int Read(Handle handle, ReportBuffer& report, int wait_ms) override;
    void DiscardPending(Handle handle) override;
    void Close(Handle handle) override;
    std::uint32_t LastError() const override { return error_code; }

    // The hardware-ID string of a HID_ID value ("0003:000004D8:0000003F") and a bcdDevice text
    // (may be empty): "HID\VID_04D8&PID_003F&REV_0002" for USB devices; devices on other buses
    // get a form without "VID_", as Windows names them. Empty when hid_id cannot be read.
    static std::string HardwareIdOf(const std::string& hid_id, const std::string& bcd_device);

private:
    std::string sysfs_root;
    std::string dev_root;
    std::uint32_t error_code = 0;
};

}  // namespace usb_qvl

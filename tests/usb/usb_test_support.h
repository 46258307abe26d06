#pragma once
// Helpers of the USB tests: a fake sysfs tree of hidraw devices (and hex texts of bytes).

#include "support/hex.h"

#include <cstdint>
#include <string>
#include <vector>

// A sysfs tree under root with the kernel's layout: class/hidraw/hidrawN links into
// devices/.../<USB device>/<interface>/<HID device>/hidraw/hidrawN, whose `device` link
// leads back to the HID device (uevent with HID_ID) two levels below the USB device (bcdDevice).
class FakeSysfs {
public:
    explicit FakeSysfs(std::string root) : root(std::move(root)) {}
    // hid_id as in the HID device's uevent, e.g. "0003:000004D8:0000003F"; bcd_device may be empty.
    void AddHidraw(int number, const std::string& hid_id, const std::string& bcd_device);

    std::string root;
};

// A fresh folder from mkdtemp, removed with its content when the object ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path;
};

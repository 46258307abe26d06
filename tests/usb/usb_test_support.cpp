#include "usb/usb_test_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace {

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path) << text;
}

}  // namespace

void FakeSysfs::AddHidraw(int number, const std::string& hid_id, const std::string& bcd_device) {
    const std::string n = std::to_string(number);
    // HID_ID is bus:vendor:product; the HID device folder is named bus:VID:PID.instance.
    const std::string hid_name = hid_id.substr(0, 4) + ":" + hid_id.substr(9, 4) + ":" + hid_id.substr(18, 4) + "." +
                                 std::string(4 - std::min<std::size_t>(4, n.size()), '0') + n;
    const fs::path usb_device = fs::path(root) / "devices/pci0000:00/0000:00:14.0/usb1" / ("1-" + n);
    const fs::path hid_device = usb_device / ("1-" + n + ":1.0") / hid_name;
    const fs::path node = hid_device / "hidraw" / ("hidraw" + n);
    fs::create_directories(node);
    fs::create_directories(fs::path(root) / "class/hidraw");
    if (!bcd_device.empty()) WriteText(usb_device / "bcdDevice", bcd_device + "\n");
    WriteText(hid_device / "uevent", "DRIVER=hid-generic\nHID_ID=" + hid_id + "\nHID_NAME=Fake HID\n");
    WriteText(node / "uevent", "MAJOR=241\nMINOR=" + n + "\nDEVNAME=hidraw" + n + "\n");
    fs::create_directory_symlink("../../../" + hid_name, node / "device");
    fs::create_directory_symlink(fs::relative(node, fs::path(root) / "class/hidraw"),
                                 fs::path(root) / "class/hidraw" / ("hidraw" + n));
}

TempFolder::TempFolder() {
    char name[] = "/tmp/tarnel-usb-XXXXXX";
    if (mkdtemp(name) == nullptr) throw std::runtime_error("mkdtemp failed");
    path = name;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

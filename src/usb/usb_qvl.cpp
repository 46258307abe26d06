#include "usb/usb_qvl.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace usb_qvl {

namespace {

std::string ToLower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

System::System() : platform(&CurrentPlatform()) {}

System::System(Platform& i_platform) : platform(&i_platform) {}

std::string System::GetDeviceIDStr(const std::uint16_t& vendor_id, const std::uint16_t& product_id) {
    char text[32];
    std::snprintf(text, sizeof text, "vid_%04x&pid_%04x", static_cast<unsigned>(vendor_id),
                  static_cast<unsigned>(product_id));
    return text;
}

bool System::GetDeviceList(const std::uint16_t& vendor_id, const std::uint16_t& product_id,
                           std::vector<Device*>& device_list) {
    last_error = 0;
    const std::string fragment = ToLower(GetDeviceIDStr(vendor_id, product_id));
    std::vector<HidInterface> interfaces;
    const bool listed = platform->ListInterfaces(interfaces);
    last_error = listed ? 0 : platform->LastError();
    for (const HidInterface& hid : interfaces) {
        if (ToLower(hid.hardware_id).find(fragment) != std::string::npos) {
            device_list.push_back(new Device(hid.path));
        }
    }
    return listed;
}

bool System::GetDevices(const std::uint16_t& vendor_id, const std::uint16_t& product_id,
                        std::vector<std::unique_ptr<Device>>& devices) {
    std::vector<Device*> found;
    const bool result = GetDeviceList(vendor_id, product_id, found);
    for (Device* device : found) devices.emplace_back(device);
    return result;
}

void System::DeleteList(std::vector<Device*>& device_list) {
    for (Device* device : device_list) delete device;
    device_list.clear();
}

Transfer::Transfer() : platform(&CurrentPlatform()) {}

Transfer::Transfer(Platform& i_platform) : platform(&i_platform) {}

Transfer::~Transfer() { Close(); }

bool Transfer::Connect(const Device* device) {
    Close();
    connected = false;
    if (device == nullptr) {
        last_error = ENODEV;
        return false;
    }
    write_handle = platform->Open(device->path, OpenMode::kWrite);
    last_error = platform->LastError();
    if (write_handle == kInvalidHandle) {
        if (last_error == 0) last_error = EIO;
        return false;
    }
    read_handle = platform->Open(device->path, OpenMode::kRead);
    last_error = platform->LastError();
    if (read_handle == kInvalidHandle) {
        if (last_error == 0) last_error = EIO;
        platform->Close(write_handle);
        write_handle = kInvalidHandle;
        return false;
    }
    connected = true;
    return true;
}

void Transfer::Close() {
    if (!connected) return;
    platform->Close(write_handle);
    platform->Close(read_handle);
    write_handle = kInvalidHandle;
    read_handle = kInvalidHandle;
    connected = false;
}

int Transfer::Send64(const std::uint8_t* data) {
    if (!connected) return 0;
    platform->DiscardPending(read_handle);
    report[0] = 0;
    std::memcpy(report + 1, data, kReportSize - 1);
    const int count = platform->Write(write_handle, report);
    last_error = platform->LastError();
    return count - 1;
}

int Transfer::Recv64(std::uint8_t* data) {
    if (!connected) return 0;
    report[0] = 0;
    const int count = platform->Read(read_handle, report, kReplyWaitMs);
    last_error = platform->LastError();
    std::memcpy(data, report + 1, kReportSize - 1);
    return count - 1;
}

}  // namespace usb_qvl

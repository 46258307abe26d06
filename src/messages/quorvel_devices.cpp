#include "messages/quorvel_devices.h"

namespace {
const char* const kDescription =
    "TarnelFeeder 3 Timer Controller\nRF Programmable\nNiMH Solar Charger Regulator";
}

QuorvelDevices::QuorvelDevices()
    : devices{{"TN3", "Tarnel Feeder", kSimpleDeviceType, kDescription},
              {"TN3A", "Tarnel Feeder", kAdvancedDeviceType, kDescription}} {}

bool QuorvelDevices::SetDeviceTo(const std::string& device_name) {
    current_device = -1;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        if (devices[i].name == device_name) {
            current_device = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

std::string QuorvelDevices::GetDeviceName() const {
    const Device* device = GetCurrentDevice();
    return device ? device->name : "NONE";
}

const QuorvelDevices::Device* QuorvelDevices::GetCurrentDevice() const {
    if (current_device < 0 || current_device >= static_cast<int>(devices.size())) return nullptr;
    return &devices[static_cast<std::size_t>(current_device)];
}

#pragma once
// QuorvelDevices: the catalog of programmable device types and the one currently selected.

#include <string>
#include <vector>

#include "messages/singleton.h"

class QuorvelDevices {
public:
    struct Device {
        std::string name;          // key of SetDeviceTo and of the file's "device" attribute
        std::string product_name;
        int device_type;           // selects the program panel
        std::string description;
    };

    // Device types that select a program panel.
    static constexpr int kSimpleDeviceType = 25;
    static constexpr int kAdvancedDeviceType = 28;

    QuorvelDevices();

    // Selects the device whose name equals device_name exactly; false (and nothing
    // selected, whatever was before) when there is none.
    bool SetDeviceTo(const std::string& device_name);
    // Name of the selected device, or "NONE".
    std::string GetDeviceName() const;
    // The selected device, or null.
    const Device* GetCurrentDevice() const;

    int current_device = -1;
    std::vector<Device> devices;
};

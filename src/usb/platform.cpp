#include "usb/platform.h"

#include <cerrno>

#include "usb/hidraw.h"

namespace usb_qvl {

namespace {

Platform* installed_platform = nullptr;

}  // namespace

bool IsPermissionError(std::uint32_t last_error) {
    return last_error == EACCES || last_error == EPERM;
}

Platform& CurrentPlatform() {
    static HidrawPlatform hidraw("/sys", "/dev");
    return installed_platform != nullptr ? *installed_platform : hidraw;
}

void InstallPlatform(Platform* platform) { installed_platform = platform; }

ScopedPlatform::ScopedPlatform(Platform& platform) : previous(installed_platform) {
    installed_platform = &platform;
}

ScopedPlatform::~ScopedPlatform() { installed_platform = previous; }

}  // namespace usb_qvl

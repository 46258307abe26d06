#include "usb/usb_qvl.h"

#include "usb/hidraw.h"
#include "usb/simulated_remote.h"
#include "usb/usb_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

using usb_qvl::Device;
using usb_qvl::HidrawPlatform;
using usb_qvl::kRemoteProductId;
using usb_qvl::kRemoteVendorId;
using usb_qvl::SimulatedPlatform;
using usb_qvl::System;
using usb_qvl::Transfer;

std::vector<std::string> PathsOf(const std::vector<Device*>& devices) {
    std::vector<std::string> paths;
    for (const Device* device : devices) paths.push_back(device->path);
    return paths;
}

TEST(UsbSystem, DeviceIdFragment) {
    EXPECT_EQ(System::GetDeviceIDStr(kRemoteVendorId, kRemoteProductId), "vid_04d8&pid_003f");
    EXPECT_EQ(System::GetDeviceIDStr(0xABCD, 0x0001), "vid_abcd&pid_0001");
}

TEST(UsbHidraw, HardwareIdFromSysfsValues) {
    struct Case { const char* name; const char* hid_id; const char* bcd; const char* expected; };
    const Case cases[] = {
        {"USB with revision", "0003:000004D8:0000003F", "0002\n", "HID\\VID_04D8&PID_003F&REV_0002"},
        {"USB without revision", "0003:000004D8:0000003F", "", "HID\\VID_04D8&PID_003F"},
        {"lower-case hex", "0003:000004d8:0000003f", "01a0", "HID\\VID_04D8&PID_003F&REV_01A0"},
        {"unreadable revision", "0003:000004D8:0000003F", "garbage", "HID\\VID_04D8&PID_003F"},
        {"Bluetooth", "0005:000004D8:0000003F", "", "HID\\BUS_0005&VEN_04D8&DEV_003F"},
        {"not a HID_ID", "0003:04D8", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HidrawPlatform::HardwareIdOf(c.hid_id, c.bcd), c.expected);
    }
}

// The real hidraw enumeration on a fake sysfs tree.
class UsbEnumeration : public ::testing::Test {
protected:
    TempFolder folder;
    FakeSysfs sysfs{folder.path + "/sys"};
    HidrawPlatform platform{folder.path + "/sys", "/devroot"};
    System system{platform};
    std::vector<Device*> found;

    void TearDown() override { System::DeleteList(found); }
};

TEST_F(UsbEnumeration, FindsRemotesInNumericOrderAndSkipsOthers) {
    sysfs.AddHidraw(10, "0003:000004D8:0000003F", "0002");
    sysfs.AddHidraw(3, "0003:000004D8:00000040", "0002");  // another product of the vendor
    sysfs.AddHidraw(2, "0003:000004D8:0000003F", "");
    sysfs.AddHidraw(4, "0005:000004D8:0000003F", "");      // the same IDs over Bluetooth
    sysfs.AddHidraw(1, "0003:0000046D:0000C52B", "1201");  // a keyboard receiver
    EXPECT_TRUE(system.GetDeviceList(kRemoteVendorId, kRemoteProductId, found));
    EXPECT_EQ(system.last_error, 0u);
    EXPECT_THAT(PathsOf(found), ::testing::ElementsAre("/devroot/hidraw2", "/devroot/hidraw10"));
}

TEST_F(UsbEnumeration, NoRemoteLeavesTheListAsItWas) {
    found.push_back(nullptr);
    EXPECT_TRUE(system.GetDeviceList(kRemoteVendorId, kRemoteProductId, found)) << "no hidraw class at all";
    sysfs.AddHidraw(0, "0003:0000046D:0000C52B", "1201");
    EXPECT_TRUE(system.GetDeviceList(kRemoteVendorId, kRemoteProductId, found)) << "only other devices";
    EXPECT_THAT(found, ::testing::ElementsAre(nullptr));
}

TEST_F(UsbEnumeration, AppendsToTheGivenList) {
    sysfs.AddHidraw(0, "0003:000004D8:0000003F", "0002");
    ASSERT_TRUE(system.GetDeviceList(kRemoteVendorId, kRemoteProductId, found));
    ASSERT_TRUE(system.GetDeviceList(kRemoteVendorId, kRemoteProductId, found));
    EXPECT_THAT(PathsOf(found), ::testing::ElementsAre("/devroot/hidraw0", "/devroot/hidraw0"));
    EXPECT_EQ(*found[0], *found[1]);
}

TEST(UsbSystem, MatchesTheFirstHardwareIdCaseInsensitively) {
    struct Case { const char* hardware_id; bool matches; };
    const Case cases[] = {
        {"HID\\VID_04D8&PID_003F&REV_0002", true},
        {"hid\\vid_04d8&pid_003f", true},
        {"HID\\VID_04D8&PID_003F0", true},  // a substring match, as hardware IDs are compared
        {"HID\\VID_04D8&PID_0030", false},
        {"HID\\BUS_0005&VEN_04D8&DEV_003F", false},
        {"", false},
    };
    SimulatedPlatform platform;
    for (const Case& c : cases) platform.AddOtherDevice(c.hardware_id);
    std::vector<std::unique_ptr<Device>> found;
    System system(platform);
    ASSERT_TRUE(system.GetDevices(kRemoteVendorId, kRemoteProductId, found));
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        if (cases[i].matches) expected.push_back(platform.Remotes()[i]->path);
    }
    std::vector<std::string> paths;
    for (const auto& device : found) paths.push_back(device->path);
    EXPECT_EQ(paths, expected);
}

TEST(UsbSystem, FailedListingIsFalseWithItsCode) {
    SimulatedPlatform platform;
    platform.AddRemote();
    platform.list_error = EACCES;
    System system(platform);
    std::vector<Device*> found;
    EXPECT_FALSE(system.GetDeviceList(kRemoteVendorId, kRemoteProductId, found));
    EXPECT_EQ(system.last_error, static_cast<std::uint32_t>(EACCES));
    EXPECT_TRUE(found.empty());
}

TEST(UsbSystem, DeleteListSkipsTakenOverEntries) {
    std::vector<Device*> list = {new Device("/dev/hidraw0"), nullptr, new Device("/dev/hidraw1"), nullptr};
    std::unique_ptr<Device> taken(list[2]);
    list[2] = nullptr;
    System::DeleteList(list);  // a double free or a null delete would show under the sanitizers
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(taken->path, "/dev/hidraw1");
}

class UsbTransfer : public ::testing::Test {
protected:
    SimulatedPlatform platform;
    usb_qvl::SimulatedRemote& remote = platform.AddRemote();
    Device device{remote.path};
    std::uint8_t data[64] = {};
};

TEST_F(UsbTransfer, UnconnectedTransferMakesNoTraffic) {
    Transfer transfer(platform);
    std::memset(data, 0xAA, sizeof data);
    EXPECT_EQ(transfer.Send64(data), 0);
    EXPECT_EQ(transfer.Recv64(data), 0);
    EXPECT_EQ(data[0], 0xAA);
    EXPECT_TRUE(remote.received.empty());
    EXPECT_EQ(platform.last_wait_ms, -1) << "no read was asked for";
}

TEST_F(UsbTransfer, ConnectOpensTwoHandlesAndReconnectClosesTheOldOnes) {
    Transfer transfer(platform);
    ASSERT_TRUE(transfer.Connect(&device));
    EXPECT_TRUE(transfer.connected);
    EXPECT_NE(transfer.read_handle, transfer.write_handle);
    const auto first_write = transfer.write_handle;
    ASSERT_TRUE(transfer.Connect(&device));
    EXPECT_NE(transfer.write_handle, first_write);
    EXPECT_EQ(platform.OpenHandleCount(), 2u);
    transfer.Close();
    EXPECT_FALSE(transfer.connected);
    EXPECT_EQ(transfer.read_handle, usb_qvl::kInvalidHandle);
    EXPECT_EQ(transfer.write_handle, usb_qvl::kInvalidHandle);
    EXPECT_EQ(platform.OpenHandleCount(), 0u);
}

TEST_F(UsbTransfer, FailedOpenLeavesNoHandleAndKeepsTheCode) {
    struct Case { const char* name; std::uint32_t open_error; std::uint32_t read_open_error; bool permission; };
    const Case cases[] = {
        {"no permission", EACCES, 0, true},
        {"node gone", ENOENT, 0, false},
        {"read open refused after the write open", 0, EPERM, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        remote.open_error = c.open_error;
        remote.read_open_error = c.read_open_error;
        Transfer transfer(platform);
        EXPECT_FALSE(transfer.Connect(&device));
        EXPECT_FALSE(transfer.connected);
        EXPECT_EQ(transfer.last_error, c.open_error != 0 ? c.open_error : c.read_open_error);
        EXPECT_EQ(usb_qvl::IsPermissionError(transfer.last_error), c.permission);
        EXPECT_EQ(platform.OpenHandleCount(), 0u) << "the write handle must be closed at once";
    }
    Transfer transfer(platform);
    EXPECT_FALSE(transfer.Connect(nullptr));
}

TEST_F(UsbTransfer, ReportsGoOutWithReportIdZeroAndCountMinusOne) {
    Transfer transfer(platform);
    ASSERT_TRUE(transfer.Connect(&device));
    for (int i = 0; i < 64; ++i) data[i] = static_cast<std::uint8_t>(0x44 + i);
    data[3] = 1;
    EXPECT_EQ(transfer.Send64(data), 64);
    EXPECT_EQ(transfer.report[0], 0);
    ASSERT_EQ(remote.received.size(), 1u);
    EXPECT_EQ(Hex(remote.received[0].data(), 64), Hex(data, 64));
    EXPECT_EQ(transfer.Recv64(data), 64);
    EXPECT_EQ(Hex(data, 2), "4F 4B");
    EXPECT_EQ(platform.last_wait_ms, usb_qvl::kReplyWaitMs);
}

TEST_F(UsbTransfer, FailedReadsAreMinusOneAndStillFillTheData) {
    Transfer transfer(platform);
    ASSERT_TRUE(transfer.Connect(&device));
    std::memset(data, 0xAA, sizeof data);
    EXPECT_EQ(transfer.Recv64(data), -1) << "no reply within the bound";
    EXPECT_EQ(transfer.last_error, static_cast<std::uint32_t>(ETIMEDOUT));
    EXPECT_EQ(data[0], transfer.report[1]);

    platform.RemoveRemote(remote);
    EXPECT_EQ(transfer.Recv64(data), -1) << "unplugged";
    EXPECT_EQ(transfer.Send64(data), -1) << "unplugged";
    EXPECT_EQ(transfer.last_error, static_cast<std::uint32_t>(ENODEV));
}

TEST_F(UsbTransfer, LateReplyCannotAnswerTheNextRequest) {
    Transfer transfer(platform);
    ASSERT_TRUE(transfer.Connect(&device));
    remote.refusal = {'K', 'O'};
    remote.fault = usb_qvl::RemoteFault::kRefuse;
    data[0] = 0x44;
    data[3] = 1;
    ASSERT_EQ(transfer.Send64(data), 64);  // its "KO" stays queued, unread
    remote.fault = usb_qvl::RemoteFault::kNone;
    ASSERT_EQ(transfer.Send64(data), 64);
    ASSERT_EQ(transfer.Recv64(data), 64);
    EXPECT_EQ(Hex(data, 2), "4F 4B");
}

TEST(UsbPlatform, ScopedPlatformIsUsedByNewObjects) {
    SimulatedPlatform platform;
    platform.AddRemote();
    std::vector<Device*> found;
    {
        usb_qvl::ScopedPlatform installed(platform);
        EXPECT_EQ(&usb_qvl::CurrentPlatform(), &platform);
        System system;
        system.GetDeviceList(kRemoteVendorId, kRemoteProductId, found);
    }
    EXPECT_NE(&usb_qvl::CurrentPlatform(), &platform);
    EXPECT_THAT(PathsOf(found), ::testing::ElementsAre("/sim/hidraw0"));
    System::DeleteList(found);
}

}  // namespace

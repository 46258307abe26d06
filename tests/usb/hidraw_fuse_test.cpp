// The real hidraw code end to end: a FUSE file served by a child process plays /dev/hidraw0.
#include "usb/hidraw.h"

#include "usb/remote_protocol.h"
#include "usb/usb_test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class HidrawFuse : public ::testing::Test {
protected:
    void SetUp() override {
#ifndef FAKE_HIDRAW_SERVER
        GTEST_SKIP() << "built without fuse3: the fake hidraw server is missing";
#else
        if (geteuid() != 0) GTEST_SKIP() << "mounting the fake hidraw node needs root";
        if (access("/dev/fuse", R_OK | W_OK) != 0) GTEST_SKIP() << "/dev/fuse is missing: " << std::strerror(errno);
        sysfs.AddHidraw(0, "0003:000004D8:0000003F", "0002");
        ASSERT_EQ(mkdir(dev_root.c_str(), 0755), 0) << std::strerror(errno);
#endif
    }

    // Serves hidraw0 with the given fault arguments; skips the test when mounting fails.
    void StartServer(std::vector<std::string> arguments = {}) {
#ifdef FAKE_HIDRAW_SERVER
        int ready[2];
        ASSERT_EQ(pipe2(ready, O_CLOEXEC), 0);
        arguments.insert(arguments.begin(), {FAKE_HIDRAW_SERVER, dev_root, std::to_string(ready[1])});
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        const pid_t parent = getpid();
        server = fork();
        ASSERT_GE(server, 0) << std::strerror(errno);
        if (server == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (getppid() != parent) _exit(1);
            fcntl(ready[1], F_SETFD, 0);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(ready[1]);
        pollfd wait_ready{ready[0], POLLIN, 0};
        char byte = 0;
        const bool mounted = poll(&wait_ready, 1, 10000) == 1 && read(ready[0], &byte, 1) == 1;
        close(ready[0]);
        if (!mounted) GTEST_SKIP() << "the fake hidraw node could not be mounted at " << dev_root;
#endif
    }

    void TearDown() override {
        if (server > 0) {
            kill(server, SIGTERM);
            int status = 0;
            const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (waitpid(server, &status, WNOHANG) == 0) {
                if (std::chrono::steady_clock::now() > give_up) {
                    kill(server, SIGKILL);
                    waitpid(server, &status, 0);
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
        // Normally the server has unmounted already; these only matter when it could not.
        umount2(dev_root.c_str(), MNT_FORCE);
        umount2(dev_root.c_str(), 0);
        rmdir(dev_root.c_str());
    }

    std::vector<std::uint8_t> RemoteMemory(std::size_t size) const {
        std::ifstream in(dev_root + "/memory", std::ios::binary);
        std::vector<std::uint8_t> bytes(size);
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        return bytes;
    }

    // Finds the one remote through the fake sysfs tree and connects to it.
    void ConnectTo(USBTimerDevice& timer) {
        usb_qvl::System system(platform);
        std::vector<std::unique_ptr<usb_qvl::Device>> found;
        ASSERT_TRUE(system.GetDevices(usb_qvl::kRemoteVendorId, usb_qvl::kRemoteProductId, found));
        ASSERT_EQ(found.size(), 1u);
        ASSERT_EQ(found[0]->path, dev_root + "/hidraw0");
        ASSERT_TRUE(timer.Connect(found[0].get())) << std::strerror(static_cast<int>(timer.last_error));
    }

    TempFolder folder;
    FakeSysfs sysfs{folder.path + "/sys"};
    std::string dev_root = folder.path + "/dev";
    usb_qvl::HidrawPlatform platform{folder.path + "/sys", dev_root};
    pid_t server = -1;
};

std::vector<std::uint8_t> Message(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(0xA0 ^ (i * 3));
    return bytes;
}

TEST_F(HidrawFuse, WritesAWholeMessage) {
    ASSERT_NO_FATAL_FAILURE(StartServer());
    if (IsSkipped()) return;
    const std::vector<std::uint8_t> message = Message(130);
    USBTimerDevice timer(platform);
    ASSERT_NO_FATAL_FAILURE(ConnectTo(timer));
    EXPECT_TRUE(timer.SetData(message, 0)) << std::strerror(static_cast<int>(timer.last_error));
    timer.Close();
    std::vector<std::uint8_t> expected = message;
    expected.insert(expected.end(), 4, 0xFF);
    EXPECT_EQ(Hex(RemoteMemory(expected.size())), Hex(expected));
}

TEST_F(HidrawFuse, SilentRemoteEndsTheTransfer) {
    ASSERT_NO_FATAL_FAILURE(StartServer({"no-reply", "1"}));
    if (IsSkipped()) return;
    USBTimerDevice timer(platform);
    ASSERT_NO_FATAL_FAILURE(ConnectTo(timer));
    EXPECT_FALSE(timer.SetData(Message(130), 0));
    EXPECT_EQ(timer.last_error, static_cast<std::uint32_t>(ETIMEDOUT)) << std::strerror(static_cast<int>(timer.last_error));
}

TEST_F(HidrawFuse, UnplugInTheMiddleOfATransfer) {
    ASSERT_NO_FATAL_FAILURE(StartServer({"vanish", "1"}));
    if (IsSkipped()) return;
    const std::vector<std::uint8_t> message = Message(130);
    USBTimerDevice timer(platform);
    ASSERT_NO_FATAL_FAILURE(ConnectTo(timer));
    EXPECT_FALSE(timer.SetData(message, 0));
    EXPECT_EQ(timer.last_error, static_cast<std::uint32_t>(ENODEV)) << std::strerror(static_cast<int>(timer.last_error));
    EXPECT_FALSE(timer.SetData(message, 0)) << "writes to the unplugged node fail";
    timer.Close();

    USBTimerDevice again(platform);
    usb_qvl::Device gone(dev_root + "/hidraw0");
    EXPECT_FALSE(again.Connect(&gone));
    EXPECT_EQ(again.last_error, static_cast<std::uint32_t>(ENOENT)) << std::strerror(static_cast<int>(again.last_error));
    EXPECT_EQ(Hex(RemoteMemory(60)), Hex(std::vector<std::uint8_t>(message.begin(), message.begin() + 60)));
}

}  // namespace

// A FUSE file system that plays one hidraw node, "hidraw0", with a simulated remote behind it,
// and shows the remote's memory as the read-only file "memory".
//
//   fake_hidraw_server MOUNT_POINT READY_FD [no-reply|vanish REPORT_INDEX]
//
// Writes one byte to READY_FD once mounted, then serves until SIGTERM or the parent's death.
#define FUSE_USE_VERSION 35

#include <fuse_lowlevel.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <string>

#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "usb/simulated_remote.h"

namespace {

constexpr fuse_ino_t kRootIno = FUSE_ROOT_ID;
constexpr fuse_ino_t kNodeIno = 2;
constexpr fuse_ino_t kMemoryIno = 3;
constexpr std::size_t kMostQueuedReports = 63;  // the kernel's queue per open file

struct OpenNode {
    std::deque<usb_qvl::SimulatedRemote::Reply> queue;
    fuse_req_t pending_read = nullptr;
    std::size_t pending_size = 0;
    fuse_pollhandle* poll_handle = nullptr;
};

struct Server {
    usb_qvl::SimulatedRemote remote;
    std::map<std::uint64_t, OpenNode> nodes;
    std::uint64_t next_fh = 1;
    bool unplugged = false;
};

Server& ServerOf(fuse_req_t req) { return *static_cast<Server*>(fuse_req_userdata(req)); }

void Notify(OpenNode& node) {
    if (node.poll_handle == nullptr) return;
    fuse_lowlevel_notify_poll(node.poll_handle);
    fuse_pollhandle_destroy(node.poll_handle);
    node.poll_handle = nullptr;
}

void ReplyReport(fuse_req_t req, const usb_qvl::SimulatedRemote::Reply& reply, std::size_t size) {
    fuse_reply_buf(req, reinterpret_cast<const char*>(reply.bytes.data()), std::min(size, reply.size));
}

void Unplug(Server& server) {
    server.unplugged = true;
    for (auto& [fh, node] : server.nodes) {
        if (node.pending_read != nullptr) {
            fuse_reply_err(node.pending_read, EIO);
            node.pending_read = nullptr;
        }
        Notify(node);
    }
}

bool FillAttr(fuse_ino_t ino, const Server& server, struct stat& attr) {
    attr = {};
    attr.st_ino = ino;
    attr.st_uid = getuid();
    attr.st_gid = getgid();
    switch (ino) {
        case kRootIno: attr.st_mode = S_IFDIR | 0755; attr.st_nlink = 2; return true;
        case kNodeIno: attr.st_mode = S_IFREG | 0666; attr.st_nlink = 1; return !server.unplugged;
        case kMemoryIno:
            attr.st_mode = S_IFREG | 0444;
            attr.st_nlink = 1;
            attr.st_size = static_cast<off_t>(server.remote.memory.size());
            return true;
    }
    return false;
}

void Lookup(fuse_req_t req, fuse_ino_t parent, const char* name) {
    Server& server = ServerOf(req);
    fuse_entry_param entry{};
    const fuse_ino_t ino = std::strcmp(name, "hidraw0") == 0 ? kNodeIno : std::strcmp(name, "memory") == 0 ? kMemoryIno : 0;
    if (parent != kRootIno || ino == 0 || !FillAttr(ino, server, entry.attr)) {
        fuse_reply_err(req, ENOENT);
        return;
    }
    entry.ino = ino;
    fuse_reply_entry(req, &entry);
}

void GetAttr(fuse_req_t req, fuse_ino_t ino, fuse_file_info*) {
    struct stat attr;
    if (!FillAttr(ino, ServerOf(req), attr)) {
        fuse_reply_err(req, ENOENT);
        return;
    }
    fuse_reply_attr(req, &attr, 0.0);
}

void Open(fuse_req_t req, fuse_ino_t ino, fuse_file_info* fi) {
    Server& server = ServerOf(req);
    fi->direct_io = 1;
    fi->keep_cache = 0;
    if (ino == kMemoryIno) {
        fi->fh = 0;
        fuse_reply_open(req, fi);
        return;
    }
    if (ino != kNodeIno) {
        fuse_reply_err(req, EISDIR);
        return;
    }
    if (server.unplugged) {
        fuse_reply_err(req, ENODEV);
        return;
    }
    fi->nonseekable = 1;
    fi->fh = server.next_fh++;
    server.nodes[fi->fh];
    fuse_reply_open(req, fi);
}

void Release(fuse_req_t req, fuse_ino_t, fuse_file_info* fi) {
    Server& server = ServerOf(req);
    const auto found = server.nodes.find(fi->fh);
    if (found != server.nodes.end()) {
        if (found->second.pending_read != nullptr) fuse_reply_err(found->second.pending_read, EIO);
        if (found->second.poll_handle != nullptr) fuse_pollhandle_destroy(found->second.poll_handle);
        server.nodes.erase(found);
    }
    fuse_reply_err(req, 0);
}

void InterruptRead(fuse_req_t req, void* data) {
    OpenNode& node = *static_cast<OpenNode*>(data);
    if (node.pending_read != req) return;
    node.pending_read = nullptr;
    fuse_reply_err(req, EINTR);
}

void Read(fuse_req_t req, fuse_ino_t ino, std::size_t size, off_t off, fuse_file_info* fi) {
    Server& server = ServerOf(req);
    if (ino == kMemoryIno) {
        const auto& memory = server.remote.memory;
        const std::size_t start = std::min<std::size_t>(static_cast<std::size_t>(off), memory.size());
        fuse_reply_buf(req, reinterpret_cast<const char*>(memory.data()) + start, std::min(size, memory.size() - start));
        return;
    }
    const auto found = server.nodes.find(fi->fh);
    if (found == server.nodes.end()) {
        fuse_reply_err(req, EBADF);
        return;
    }
    OpenNode& node = found->second;
    if (server.unplugged) {
        fuse_reply_err(req, EIO);
        return;
    }
    if (!node.queue.empty()) {
        ReplyReport(req, node.queue.front(), size);
        node.queue.pop_front();
        return;
    }
    if (node.pending_read != nullptr) {
        fuse_reply_err(req, EBUSY);
        return;
    }
    // Answered by the next queued report, by an unplug or by a signal to the reader.
    node.pending_read = req;
    node.pending_size = size;
    fuse_req_interrupt_func(req, InterruptRead, &node);
}

void Write(fuse_req_t req, fuse_ino_t ino, const char* buf, std::size_t size, off_t, fuse_file_info*) {
    Server& server = ServerOf(req);
    if (ino != kNodeIno) {
        fuse_reply_err(req, EBADF);
        return;
    }
    if (server.unplugged) {
        fuse_reply_err(req, ENODEV);
        return;
    }
    if (size < 2) {
        fuse_reply_err(req, EINVAL);
        return;
    }
    // Byte 0 is the report ID of a device without numbered reports.
    usb_qvl::Report64 report{};
    std::memcpy(report.data(), buf + 1, std::min(size - 1, report.size()));
    fuse_reply_write(req, size);

    usb_qvl::SimulatedRemote::Reply reply;
    const bool answered = server.remote.Receive(report, reply);
    if (!server.remote.present) {
        Unplug(server);
        return;
    }
    if (!answered) return;
    for (auto& [fh, node] : server.nodes) {
        if (node.pending_read != nullptr) {
            ReplyReport(node.pending_read, reply, node.pending_size);
            node.pending_read = nullptr;
        } else if (node.queue.size() < kMostQueuedReports) {
            node.queue.push_back(reply);
        }
        Notify(node);
    }
}

void Poll(fuse_req_t req, fuse_ino_t ino, fuse_file_info* fi, fuse_pollhandle* ph) {
    Server& server = ServerOf(req);
    const auto found = server.nodes.find(fi->fh);
    if (ino != kNodeIno || found == server.nodes.end()) {
        if (ph != nullptr) fuse_pollhandle_destroy(ph);
        fuse_reply_poll(req, POLLIN | POLLOUT);
        return;
    }
    OpenNode& node = found->second;
    if (ph != nullptr) {
        if (node.poll_handle != nullptr) fuse_pollhandle_destroy(node.poll_handle);
        node.poll_handle = ph;
    }
    unsigned revents = POLLOUT;
    if (server.unplugged) revents |= POLLERR | POLLHUP;
    if (!node.queue.empty()) revents |= POLLIN | POLLRDNORM;
    fuse_reply_poll(req, revents);
}

}  // namespace

int main(int argc, char** argv) {
    // Nothing may stay mounted when the test process dies.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (argc != 3 && argc != 5) return 2;
    const char* mount_point = argv[1];
    const int ready_fd = std::atoi(argv[2]);

    Server server;
    if (argc == 5) {
        const std::string fault = argv[3];
        server.remote.fault = fault == "vanish" ? usb_qvl::RemoteFault::kVanish : usb_qvl::RemoteFault::kNoReply;
        server.remote.fault_at = std::strtoul(argv[4], nullptr, 10);
    }

    fuse_lowlevel_ops ops{};
    ops.lookup = Lookup;
    ops.getattr = GetAttr;
    ops.open = Open;
    ops.release = Release;
    ops.read = Read;
    ops.write = Write;
    ops.poll = Poll;

    char* fuse_argv[] = {argv[0], nullptr};
    fuse_args args = FUSE_ARGS_INIT(1, fuse_argv);
    fuse_session* session = fuse_session_new(&args, &ops, sizeof ops, &server);
    if (session == nullptr) return 3;
    int result = 4;
    if (fuse_set_signal_handlers(session) == 0) {
        if (fuse_session_mount(session, mount_point) == 0) {
            const char ready = 'R';
            if (write(ready_fd, &ready, 1) == 1) {
                close(ready_fd);
                result = fuse_session_loop(session) == 0 ? 0 : 5;
            }
            fuse_session_unmount(session);
        }
        fuse_remove_signal_handlers(session);
    }
    fuse_session_destroy(session);
    return result;
}

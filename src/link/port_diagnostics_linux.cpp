// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_diagnostics.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/outside_text.h"
#include "link/port_catalogue.h"
#include "link/uucp_lock_linux.h"

namespace qz5 {

namespace {

namespace fs = std::filesystem;

// A modem manager probes a new device for a few seconds after plug-in.
constexpr auto kJustAppeared = std::chrono::seconds(30);

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

Text processName(int pid, const SystemRoots& roots) {
    if (pid == getpid()) {
        return say("Ports", "this program");
    }
    // Any user names their own processes as they like, escapes included.
    std::ifstream in(fs::path(roots.procRoot) / std::to_string(pid) / "comm");
    std::string name;
    std::getline(in, name);
    return name.empty() ? say("Ports", "a process") : Text(printableText(name));
}

void addHolder(std::vector<PortHolder>& holders, int pid, const SystemRoots& roots) {
    if (pid > 0 && std::none_of(holders.begin(), holders.end(),
                                [pid](const PortHolder& h) { return h.pid == pid; })) {
        holders.push_back({pid, processName(pid, roots)});
    }
}

// /proc/locks: "1: FLOCK  ADVISORY  WRITE 1234 00:05:3 0 EOF" (device numbers in hex).
void addFlockHolders(std::vector<PortHolder>& holders, const struct stat& device,
                     const SystemRoots& roots) {
    std::ifstream in(fs::path(roots.procRoot) / "locks");
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string id, type, advisory, mode, where;
        int pid = 0;
        if (!(fields >> id >> type) || type != "FLOCK" ||
            !(fields >> advisory >> mode >> pid >> where)) {
            continue;
        }
        unsigned major = 0, minor = 0;
        unsigned long inode = 0;
        if (std::sscanf(where.c_str(), "%x:%x:%lu", &major, &minor, &inode) == 3 &&
            makedev(major, minor) == device.st_dev && inode == device.st_ino) {
            addHolder(holders, pid, roots);
        }
    }
}

// Joins two sentences, so that a language may join them its own way.
Text oneAfterAnother(Text first, Text second) {
    if (first.empty()) {
        return second;
    }
    if (second.empty()) {
        return first;
    }
    return say("Ports", "%1 %2", "one sentence after another")
        .with(std::move(first), std::move(second));
}

Text describeHolders(const std::vector<PortHolder>& holders) {
    Text text;
    for (const PortHolder& holder : holders) {
        Text one = say("Ports", "%1 (pid %2)").with(holder.name, std::to_string(holder.pid));
        text = text.empty() ? std::move(one)
                            : say("Ports", "%1, %2", "one program after another")
                                  .with(std::move(text), std::move(one));
    }
    return text;
}

std::string userName() {
    const passwd* user = getpwuid(geteuid());
    return user ? user->pw_name : std::string();
}

DeviceAccess accessOf(const struct stat& device) {
    DeviceAccess access;
    const passwd* owner = getpwuid(device.st_uid);
    access.owner = owner ? owner->pw_name : std::to_string(device.st_uid);
    const group* grp = getgrgid(device.st_gid);
    access.group = grp ? grp->gr_name : std::to_string(device.st_gid);
    access.groupMayUse = (device.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(getgroups(0, nullptr), 0)));
    groups.resize(static_cast<std::size_t>(
        std::max(getgroups(static_cast<int>(groups.size()), groups.data()), 0)));
    access.inGroupNow = getegid() == device.st_gid ||
                        std::find(groups.begin(), groups.end(), device.st_gid) != groups.end();
    const std::string user = userName();
    const passwd* self = getpwuid(geteuid());
    access.inGroupLater = self && self->pw_gid == device.st_gid;
    for (char** member = grp ? grp->gr_mem : nullptr; member && *member; ++member) {
        access.inGroupLater = access.inGroupLater || user == *member;
    }
    return access;
}

bool justAppeared(const struct stat& device) {
    const auto changed =
        std::chrono::system_clock::time_point(std::chrono::seconds(device.st_ctim.tv_sec));
    return std::chrono::system_clock::now() - changed < kJustAppeared;
}

Text explainInUse(const std::string& devicePath, const OpenRefusal& refusal,
                  const SystemRoots& roots) {
    std::vector<PortHolder> holders;
    if (refusal.kind == OpenRefusal::Kind::LockFile) {
        addHolder(holders, refusal.lockFilePid, roots);
    }
    for (const PortHolder& holder : findHolders(devicePath, roots)) {
        addHolder(holders, holder.pid, roots);
    }
    if (!holders.empty()) {
        if (refusal.kind == OpenRefusal::Kind::LockFile) {
            return say("Ports",
                       "In use by %1. Its lock file is %2. Close that program or let it release "
                       "the port, then try again.")
                .with(describeHolders(holders), refusal.lockFile);
        }
        return say("Ports",
                   "In use by %1. Close that program or let it release the port, then try again.")
            .with(describeHolders(holders));
    }
    struct stat device {};
    if (portDriver(devicePath, roots) == "cdc_acm" && stat(devicePath.c_str(), &device) == 0 &&
        justAppeared(device)) {
        if (udevProperty(devicePath, "ID_MM_DEVICE_IGNORE", roots) == "1") {
            return say("Ports",
                       "In use: the device was plugged in moments ago, and a modem manager "
                       "usually probes such devices for a few seconds. Try again in a moment.");
        }
        const PortDevice port = describePort(devicePath, roots);
        if (port.vendorId.empty()) {
            return say("Ports",
                       "In use: the device was plugged in moments ago, and a modem manager "
                       "usually probes such devices for a few seconds. Try again in a moment. To "
                       "keep the modem manager away from it for good, give it the udev property "
                       "ID_MM_DEVICE_IGNORE=1 in a udev rule.");
        }
        return say("Ports",
                   "In use: the device was plugged in moments ago, and a modem manager usually "
                   "probes such devices for a few seconds. Try again in a moment. To keep the "
                   "modem manager away from it for good, give it the udev property "
                   "ID_MM_DEVICE_IGNORE=1 in a udev rule, for example a file in "
                   "/etc/udev/rules.d with the line\n    ATTRS{idVendor}==\"%1\", "
                   "ATTRS{idProduct}==\"%2\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"\nthen plug the "
                   "device in again.")
            .with(printableText(port.vendorId), printableText(port.productId));
    }
    return say("Ports",
               "In use by a program this user cannot see: most likely a system service running "
               "as another user holds it. Stop that service, or ask the administrator which one "
               "it is.");
}

Text sandboxHint(const SystemRoots& roots) {
    std::error_code error;
    if (fs::exists(roots.flatpakInfo, error)) {
        return say("Ports",
                   "This program runs in a Flatpak sandbox, which reaches serial devices only "
                   "with a permission granted outside it: flatpak override --user --device=all "
                   "followed by the program's application ID.");
    }
    if (const char* snap = std::getenv("SNAP"); snap && *snap) {
        const char* name = std::getenv("SNAP_NAME");
        return say("Ports",
                   "This program runs as a Snap, which reaches serial devices only through an "
                   "interface connected outside it: sudo snap connect %1:raw-usb (USB adapters) "
                   "or :serial-port.")
            .with(std::string(name && *name ? name : "SNAP-NAME"));
    }
    return {};
}

}  // namespace

void forEachOpenFile(const SystemRoots& roots,
                     const std::function<bool(int pid, const struct stat& file)>& seen) {
    std::error_code error;
    for (fs::directory_iterator process(roots.procRoot, error), end; !error && process != end;
         process.increment(error)) {
        const std::string name = process->path().filename().string();
        if (name.empty() || !std::all_of(name.begin(), name.end(), ::isdigit)) {
            continue;
        }
        const int pid = std::atoi(name.c_str());
        // Other users' descriptors are closed to us; that is why a service hides.
        std::error_code fdError;
        for (fs::directory_iterator fd(process->path() / "fd", fdError), last;
             !fdError && fd != last; fd.increment(fdError)) {
            struct stat open {};
            if (stat(fd->path().c_str(), &open) == 0 && !seen(pid, open)) {
                break;
            }
        }
    }
}

std::vector<PortHolder> findHolders(const std::string& devicePath, const SystemRoots& roots) {
    std::vector<PortHolder> holders;
    struct stat device {};
    if (stat(devicePath.c_str(), &device) != 0) {
        return holders;
    }
    addFlockHolders(holders, device, roots);
    forEachOpenFile(roots, [&](int pid, const struct stat& open) {
        if (!sameFile(open, device)) {
            return true;
        }
        addHolder(holders, pid, roots);
        return false;
    });
    return holders;
}

Text explainPermission(const std::string& devicePath, const DeviceAccess& access) {
    if (!access.groupMayUse) {
        return say("Ports",
                   "Permission denied: only its owner \"%1\" may use %2. A udev rule that gives "
                   "the device to a group of yours (GROUP=\"...\", MODE=\"0660\") would let you "
                   "in.")
            .with(access.owner, devicePath);
    }
    if (access.inGroupNow) {
        return say("Ports",
                   "Permission denied, although you are in the group \"%1\" that may use %2: a "
                   "security policy of the system refuses it.")
            .with(access.group, devicePath);
    }
    if (access.inGroupLater) {
        return say("Ports",
                   "Permission denied: you were added to the group \"%1\" that may use %2, but "
                   "this login session started before that. Log out and in again (or restart) "
                   "to use the port.")
            .with(access.group, devicePath);
    }
    return say("Ports",
               "Permission denied: %1 belongs to the group \"%2\", and you are not a member. Add "
               "yourself with\n    sudo usermod -aG %2 \"$USER\"\nthen log out and in again.")
        .with(devicePath, access.group);
}

FailureKind refusalKind(const OpenRefusal& refusal) {
    using Kind = OpenRefusal::Kind;
    if (refusal.kind != Kind::System || refusal.error == EBUSY) {
        return FailureKind::PortBusy;
    }
    switch (refusal.error) {
        case EACCES:
        case EPERM:
            return FailureKind::PortDenied;
        case ENOENT:
            return FailureKind::PortMissing;
        default:
            return FailureKind::PortFailed;
    }
}

Text explainRefusal(const std::string& devicePath, const OpenRefusal& refusal,
                    const SystemRoots& roots) {
    using Kind = OpenRefusal::Kind;
    Text text;
    struct stat device {};
    if (refusal.kind == Kind::System && (refusal.error == EACCES || refusal.error == EPERM) &&
        stat(devicePath.c_str(), &device) == 0) {
        text = explainPermission(devicePath, accessOf(device));
    } else if (refusal.kind != Kind::System || refusal.error == EBUSY) {
        text = explainInUse(devicePath, refusal, roots);
    } else if (refusal.error == ENOENT) {
        text = say("Ports", "%1 is not there (any more): the device was unplugged or renamed.")
                   .with(devicePath);
    } else if (refusal.error == ENXIO || refusal.error == ENODEV || refusal.error == EIO) {
        text = say("Ports", "No hardware answers behind %1.").with(devicePath);
    } else {
        text = say("Ports", "%1 could not be opened: %2.")
                   .with(devicePath, std::string(std::strerror(refusal.error)));
    }
    text = oneAfterAnother(std::move(text),
                           describeIgnoredLocks(checkUucpLocks(devicePath, roots).ignored));
    return oneAfterAnother(std::move(text), sandboxHint(roots));
}

}  // namespace qz5

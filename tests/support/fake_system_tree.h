// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "link/system_roots.h"

namespace qz5::testing {

// A device folder, sysfs, udev database and lock folder in a temporary
// folder, shaped as the kernel and udev lay them out.
class FakeSystemTree {
  public:
    FakeSystemTree() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qz5-system-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
        for (const char* folder : {"dev", "sys", "udev", "lock"}) {
            std::filesystem::create_directories(root_ / folder);
        }
        roots.devDir = path("dev");
        roots.sysRoot = path("sys");
        roots.procRoot = "/proc";
        roots.udevDataDir = path("udev");
        roots.lockDirs = {path("lock")};
        roots.flatpakInfo = path("flatpak-info");
    }
    ~FakeSystemTree() { std::filesystem::remove_all(root_); }
    FakeSystemTree(const FakeSystemTree&) = delete;
    FakeSystemTree& operator=(const FakeSystemTree&) = delete;

    std::string path(const std::string& relative) const { return (root_ / relative).string(); }

    void write(const std::string& relative, const std::string& text) const {
        std::filesystem::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative) << text << '\n';
    }
    void link(const std::string& relative, const std::string& target) const {
        std::filesystem::create_directories((root_ / relative).parent_path());
        std::filesystem::create_symlink(target, root_ / relative);
    }

    // A node in the device folder: a link to `target` (a pseudo-terminal
    // that really opens), or a plain file when there is none.
    void node(const std::string& name, const std::string& target = {}) const {
        if (target.empty()) {
            write("dev/" + name, "");
        } else {
            link("dev/" + name, target);
        }
    }

    // The sysfs side of a tty, with the device folder it hangs under.
    void tty(const std::string& name, const std::string& deviceFolder, const std::string& driver,
             const std::string& numbers = {}) const {
        write(deviceFolder + "/.present", "");
        link(deviceFolder + "/driver", path("sys/bus/drivers/" + driver));
        link("sys/class/tty/" + name + "/device", path(deviceFolder));
        if (!numbers.empty()) {
            write("sys/class/tty/" + name + "/dev", numbers);
        }
    }

    // A USB device's descriptors.
    void usbDevice(const std::string& folder, const std::string& vendorId,
                   const std::string& productId, const std::string& manufacturer,
                   const std::string& product, const std::string& serial) const {
        write(folder + "/idVendor", vendorId);
        write(folder + "/idProduct", productId);
        write(folder + "/manufacturer", manufacturer);
        write(folder + "/product", product);
        write(folder + "/serial", serial);
    }

    SystemRoots roots;

  private:
    std::filesystem::path root_;
};

}  // namespace qz5::testing

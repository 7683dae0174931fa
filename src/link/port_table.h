// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "link/system_roots.h"

namespace qz5 {

// The highest COM port number Windows gives, and so the last name a port gets.
inline constexpr int kHighestComNumber = 255;

// Maps the names the user picks ("COM1" to "COM255") to device paths.
class PortTable {
  public:
    using Entries = std::map<std::string, std::string, std::less<>>;

    PortTable() = default;
    explicit PortTable(Entries devicesByName) : devicesByName_(std::move(devicesByName)) {}

    // The serial devices under the device folder, in the order ttyUSB*,
    // ttyACM*, ttyS*, ttyAMA*, rfcomm* (each group numerically). A built-in
    // UART node with no hardware behind it is none.
    static std::vector<std::string> serialDevices(const SystemRoots& roots);
    // The system's ports now. On POSIX systems the serial devices become
    // COM1, COM2, ... up to COM255; on Windows each of COM1..COM255 that the
    // system knows keeps its own name, opened as \\.\COMn.
    static PortTable scanSystem(const SystemRoots& roots = {});
    // The system's ports as they were when first asked for in this process.
    static const PortTable& system();

    void assign(std::string name, std::string devicePath);
    // Follows the devices now present: a device keeps its name while it stays,
    // a device that left frees its name, a new one takes the lowest free name.
    void follow(const std::vector<std::string>& presentDevices);
    // Follows the system's ports now, as scanSystem names them.
    void followSystem(const SystemRoots& roots);
    std::optional<std::string> nameOf(std::string_view devicePath) const;
    std::optional<std::string> devicePath(std::string_view name) const;
    const Entries& entries() const { return devicesByName_; }

  private:
    Entries devicesByName_;
};

}  // namespace qz5

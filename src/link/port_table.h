#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace qz5 {

// Maps the names the user picks ("COM1" to "COM20") to device paths.
class PortTable {
  public:
    using Entries = std::map<std::string, std::string, std::less<>>;

    PortTable() = default;
    explicit PortTable(Entries devicesByName) : devicesByName_(std::move(devicesByName)) {}

    // The serial devices under `devDir` in the order ttyUSB*, ttyACM*, ttyS*,
    // ttyAMA*, rfcomm* (each group numerically) become COM1, COM2, ... COM20.
    static PortTable scanSystem(const std::string& devDir = "/dev");
    // The system's own names, made once per process: the scan of /dev, or on
    // Windows COM1..COM20 as \\.\COMn.
    static const PortTable& system();

    void assign(std::string name, std::string devicePath);
    std::optional<std::string> devicePath(std::string_view name) const;
    const Entries& entries() const { return devicesByName_; }

  private:
    Entries devicesByName_;
};

}  // namespace qz5

#include <string>

#include "link/port_table.h"

namespace qz5 {

namespace {
constexpr int kComNames = 20;
}  // namespace

// Windows names its ports itself. Only the device namespace reaches COM10
// and above, so every name goes through it.
const PortTable& PortTable::system() {
    static const PortTable table = [] {
        PortTable names;
        for (int number = 1; number <= kComNames; ++number) {
            const std::string name = "COM" + std::to_string(number);
            names.assign(name, "\\\\.\\" + name);
        }
        return names;
    }();
    return table;
}

}  // namespace qz5

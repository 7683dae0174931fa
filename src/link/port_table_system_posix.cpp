#include "link/port_table.h"

namespace qz5 {

const PortTable& PortTable::system() {
    static const PortTable table = scanSystem();
    return table;
}

}  // namespace qz5

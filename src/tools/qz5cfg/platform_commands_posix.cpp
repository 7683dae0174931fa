#include "tools/qz5cfg/platform_commands.h"

namespace qz5 {

const char* portsHelp() {
    return R"(Ports (--port P):
  COM1..COM20 name the serial devices found in /dev, in the order ttyUSB*,
  ttyACM*, ttyS*, ttyAMA*, rfcomm*; a path starting with '/' (for example
  /dev/ttyUSB0 or /dev/pts/4) is used as it is. The tracker is looked for at
  4800 bit/s, then at 9600.
)";
}

std::vector<PlatformCommand> addPlatformCommands(CLI::App&) {
    return {};
}

}  // namespace qz5

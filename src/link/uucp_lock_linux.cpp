#include "link/uucp_lock_linux.h"

#include <signal.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace qz5 {

namespace {

namespace fs = std::filesystem;

// "/dev/ttyUSB0" -> "LCK..ttyUSB0", "/dev/pts/3" -> "LCK..pts_3".
std::string lockName(const fs::path& device) {
    std::string name = device.lexically_relative("/dev").string();
    if (name.empty() || name.starts_with("..")) {
        name = device.filename().string();
    }
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    return "LCK.." + name;
}

// Lock files hold the id as text ("      1234\n"); very old ones as a binary int.
int lockOwner(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(in)), {});
    const auto start = content.find_first_not_of(" \t");
    if (start != std::string::npos && content[start] >= '0' && content[start] <= '9') {
        int pid = 0;
        std::from_chars(content.data() + start, content.data() + content.size(), pid);
        return pid;
    }
    if (content.size() == sizeof(int)) {
        int pid = 0;
        std::memcpy(&pid, content.data(), sizeof pid);
        return pid;
    }
    return 0;
}

}  // namespace

bool processExists(int pid) {
    return pid > 0 && (kill(pid, 0) == 0 || errno == EPERM);
}

std::optional<UucpLock> liveUucpLock(const std::string& devicePath,
                                     const std::vector<std::string>& lockDirs) {
    // A program may have locked the name it was given or the device behind a link.
    std::set<std::string> names{lockName(devicePath)};
    std::error_code error;
    if (const fs::path real = fs::canonical(devicePath, error); !error) {
        names.insert(lockName(real));
    }
    for (const std::string& dir : lockDirs) {
        for (const std::string& name : names) {
            const fs::path file = fs::path(dir) / name;
            if (!fs::exists(file, error)) {
                continue;
            }
            if (const int pid = lockOwner(file); processExists(pid)) {
                return UucpLock{file.string(), pid};
            }
        }
    }
    return std::nullopt;
}

}  // namespace qz5

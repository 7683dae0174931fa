#include "common/regular_file.h"

#include <cstring>

namespace qz5 {

std::string describeFailedRead(const std::string& path, const FileRead& read) {
    switch (read.status) {
        case FileReadStatus::NotRegular:
            return path + " is not a regular file (a folder, a FIFO or a device); give a file.";
        case FileReadStatus::OpenFailed:
            return "cannot open " + path + ": " + std::strerror(read.error);
        case FileReadStatus::ReadFailed:
            return "cannot read " + path + ": " + std::strerror(read.error);
        case FileReadStatus::Read:
            break;
    }
    return {};
}

}  // namespace qz5

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/regular_file.h"

#include <cerrno>
#include <cstring>

namespace qz5 {

void readOpenedFile(FileRead& result, std::size_t limit,
                    const std::function<std::ptrdiff_t(std::uint8_t*, std::size_t)>& readSome) {
    result.bytes.resize(limit);
    std::size_t got = 0;
    while (got < limit) {
        const std::ptrdiff_t n = readSome(result.bytes.data() + got, limit - got);
        if (n < 0) {
            result.status = FileReadStatus::ReadFailed;
            result.error = errno;
            break;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    result.bytes.resize(got);
    if (result.status != FileReadStatus::ReadFailed) {
        result.status = FileReadStatus::Read;
    }
}

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

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace qz5 {

// The system calls that replacing a file makes once the temporary file is
// open. Tests derive from SystemSaveCalls to make one of them fail midway.
class SaveCalls {
  public:
    virtual ~SaveCalls() = default;
    // As write(2): bytes written, or -1.
    virtual std::ptrdiff_t write(int fd, std::span<const std::uint8_t> bytes) = 0;
    // As fsync(2) and rename(2): 0, or -1.
    virtual int sync(int fd) = 0;
    virtual int rename(const std::string& from, const std::string& to) = 0;

    // All of `bytes`, however many writes that takes; false on a failed one.
    [[nodiscard]] bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
        while (!bytes.empty()) {
            const std::ptrdiff_t written = write(fd, bytes);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return false;
            }
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        }
        return true;
    }
};

class SystemSaveCalls : public SaveCalls {
  public:
    std::ptrdiff_t write(int fd, std::span<const std::uint8_t> bytes) override;
    int sync(int fd) override;
    int rename(const std::string& from, const std::string& to) override;
};

// UntrustedLink: OpenFailed for a link on the way that is another user's.
enum class ReplaceResult { Replaced, OpenFailed, UntrustedLink, WriteFailed };

// Who may read a file that a save creates: whom the umask lets, or its owner
// alone. A replaced file keeps the permissions it had.
enum class NewFileAccess { Umask, OwnerOnly };

// Called once the temporary file is open, so that nothing is produced (and no
// warning shown) for a file that cannot be written at all.
using ContentsSource = std::function<std::vector<std::uint8_t>()>;

// Writes the contents to a temporary file beside the target, syncs it and
// renames it over the target. An existing file keeps its permission bits and,
// where the process may give them, its owner and group. A symbolic link at
// `path` is followed: the file it points to is replaced and the link stays;
// in a sticky folder that every user may write to, only the user's own links
// and the folder owner's are followed (UntrustedLink otherwise), for the file's
// own name and every folder on the way. A target the user may not write is refused (OpenFailed), as
// opening it for writing would be. A folder that takes no temporary file gets a writable file
// overwritten in place, its old bytes put back on failure. On failure whatever was at `path` is as
// it was, no temporary file is left, and errno says why.
ReplaceResult replaceFile(const std::string& path, const ContentsSource& contents, SaveCalls& calls,
                          NewFileAccess access = NewFileAccess::Umask);
inline ReplaceResult replaceFile(const std::string& path, std::span<const std::uint8_t> contents,
                                 SaveCalls& calls, NewFileAccess access = NewFileAccess::Umask) {
    return replaceFile(
        path, [contents] { return std::vector<std::uint8_t>(contents.begin(), contents.end()); },
        calls, access);
}

}  // namespace qz5

// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "common/private_output_file.h"
#include "common/wide_text_win32.h"

namespace qz5 {

namespace {

class WindowsOutputFile final : public PrivateOutputFile {
  public:
    WindowsOutputFile(int fd, bool emptyFirst) : fd_(fd), emptyFirst_(emptyFirst) {}
    ~WindowsOutputFile() override { _close(fd_); }
    WindowsOutputFile(const WindowsOutputFile&) = delete;
    WindowsOutputFile& operator=(const WindowsOutputFile&) = delete;

    bool write(std::string_view bytes, Text& reason) override {
        static constexpr std::size_t kLargestWrite = 1u << 30;  // _write takes an unsigned int
        if (emptyFirst_) {
            if (_chsize_s(fd_, 0) != 0) {
                reason = std::strerror(errno);
                return false;
            }
            emptyFirst_ = false;
        }
        return writeThrough(bytes, reason, [this](const char* data, std::size_t size) {
            return static_cast<std::ptrdiff_t>(
                _write(fd_, data, static_cast<unsigned>(std::min(size, kLargestWrite))));
        });
    }

  private:
    int fd_;
    bool emptyFirst_;
};

}  // namespace

std::unique_ptr<PrivateOutputFile> PrivateOutputFile::open(const std::string& path, Text& reason,
                                                           Emptying emptying) {
    // Paths travel as UTF-8 text (common/path_text.h).
    const int fd = _wopen(wideText(path, CP_UTF8).c_str(),
                          _O_WRONLY | _O_CREAT | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    if (fd < 0) {
        reason = std::strerror(errno);
        return nullptr;
    }
    struct _stat64 info {};
    if (_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) {
        reason = say("Files", "it is not a regular file (a console, a pipe or a device)");
        _close(fd);
        return nullptr;
    }
    if (emptying == Emptying::AtOpen && _chsize_s(fd, 0) != 0) {
        reason = std::strerror(errno);
        _close(fd);
        return nullptr;
    }
    return std::make_unique<WindowsOutputFile>(fd, emptying == Emptying::AtFirstWrite);
}

}  // namespace qz5

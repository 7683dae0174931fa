// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>

#include "common/regular_file.h"
#include "common/wide_text_win32.h"

namespace qz5 {

FileRead readRegularFile(const std::string& path, std::size_t limit) {
    FileRead result;
    // Paths travel as UTF-8 text (common/path_text.h).
    const int fd = _wopen(wideText(path, CP_UTF8).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) {
        result.error = errno;
        return result;
    }
    struct _stat64 info {};
    if (_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) {
        result.status = FileReadStatus::NotRegular;
        _close(fd);
        return result;
    }
    static constexpr std::size_t kLargestRead = 1u << 30;  // _read takes an unsigned int
    readOpenedFile(result, limit, [fd](std::uint8_t* into, std::size_t wanted) {
        return static_cast<std::ptrdiff_t>(
            _read(fd, into, static_cast<unsigned>(std::min(wanted, kLargestRead))));
    });
    _close(fd);
    return result;
}

}  // namespace qz5

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

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
    result.bytes.resize(limit);
    std::size_t got = 0;
    constexpr std::size_t kLargestRead = 1u << 30;  // _read takes an unsigned int
    while (got < limit) {
        const std::size_t wanted = limit - got < kLargestRead ? limit - got : kLargestRead;
        const int n = _read(fd, result.bytes.data() + got, static_cast<unsigned>(wanted));
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
    _close(fd);
    result.bytes.resize(got);
    if (result.status != FileReadStatus::ReadFailed) {
        result.status = FileReadStatus::Read;
    }
    return result;
}

}  // namespace qz5

// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <chrono>
#include <span>
#include <string>
#include <vector>

#include "common/wide_text_win32.h"
#include "config/atomic_file.h"

namespace qz5 {
namespace {

constexpr int kNameAttempts = 100;

// Paths arrive as the program carries them on Windows: UTF-8.
std::wstring widePath(const std::string& path) {
    return wideText(path, CP_UTF8);
}

std::string narrowPath(const std::wstring& path) {
    return narrowText(path, CP_UTF8);
}

// The folder is split off in UTF-16, where a backslash is always one.
int createTemporary(const std::string& path, std::wstring& temporary) {
    const std::wstring wide = widePath(path);
    const std::size_t slash = wide.find_last_of(L"\\/:");
    const std::wstring folder = slash == std::wstring::npos ? L"" : wide.substr(0, slash + 1);
    const std::wstring file = slash == std::wstring::npos ? wide : wide.substr(slash + 1);
    const auto seed = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = folder + L"." + file + L".tmp-" + std::to_wstring(GetCurrentProcessId()) +
                    L"-" + std::to_wstring(seed + static_cast<unsigned>(attempt));
        const int fd =
            _wopen(temporary.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                   _S_IREAD | _S_IWRITE);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// A configuration file is 136 bytes; a far larger file was surely picked by
// mistake, and is not kept in memory to put back.
constexpr long long kMaxInPlaceBytes = 1 << 20;

bool writeFromStart(int fd, std::span<const std::uint8_t> bytes, SaveCalls& calls) {
    return _lseeki64(fd, 0, SEEK_SET) == 0 && calls.writeAll(fd, bytes) &&
           _chsize_s(fd, static_cast<long long>(bytes.size())) == 0 && calls.sync(fd) == 0;
}

// Where the old file could not be replaced: it is written where it stands,
// keeping its permissions, and its old bytes go back when anything fails.
ReplaceResult overwriteInPlace(const std::string& path, std::span<const std::uint8_t> bytes,
                               SaveCalls& calls) {
    const int fd = _wopen(widePath(path).c_str(), _O_RDWR | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) {
        return ReplaceResult::WriteFailed;
    }
    const long long size = _filelengthi64(fd);
    std::vector<std::uint8_t> old(
        size >= 0 && size <= kMaxInPlaceBytes ? static_cast<std::size_t>(size) : 0);
    const bool usable = size >= 0 && size <= kMaxInPlaceBytes &&
                        _read(fd, old.data(), static_cast<unsigned>(old.size())) == size;
    const bool written = usable && writeFromStart(fd, bytes, calls);
    const int error = usable ? errno : EFBIG;
    if (usable && !written) {
        SystemSaveCalls plain;
        static_cast<void>(writeFromStart(fd, old, plain));
    }
    _close(fd);
    errno = error;
    return written ? ReplaceResult::Replaced : ReplaceResult::WriteFailed;
}

}  // namespace

std::ptrdiff_t SystemSaveCalls::write(int fd, std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kLargestWrite = 1u << 30;  // _write takes an unsigned int
    return _write(
        fd, bytes.data(),
        static_cast<unsigned>(bytes.size() < kLargestWrite ? bytes.size() : kLargestWrite));
}

int SystemSaveCalls::sync(int fd) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) ? 0 : -1;
}

// ReplaceFileW keeps the old file's attributes and security, as the POSIX
// save keeps its mode. The plain move would give the file the folder's
// permissions instead, so it is only for a file that is not there (yet, or
// any more: a failed ReplaceFileW may have removed it); where the old file
// still stands, the failure is the caller's to handle.
int SystemSaveCalls::rename(const std::string& from, const std::string& to) {
    const std::wstring source = widePath(from);
    const std::wstring target = widePath(to);
    if (ReplaceFileW(target.c_str(), source.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr)) {
        return 0;
    }
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
        errno = EACCES;
        return -1;
    }
    return MoveFileExW(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : (errno = EACCES, -1);
}

// The access asked for a new file is the folder's: what the program keeps for
// the user lives under %LOCALAPPDATA%, which is the user's alone.
ReplaceResult replaceFile(const std::string& path, const ContentsSource& contents, SaveCalls& calls,
                          NewFileAccess /*access*/) {
    // A read-only file is refused, as opening it for writing would be; the
    // rename alone would replace it.
    const DWORD attributes = GetFileAttributesW(widePath(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        errno = EACCES;
        return ReplaceResult::OpenFailed;
    }
    std::wstring temporary;
    const int fd = createTemporary(path, temporary);
    if (fd < 0) {
        return ReplaceResult::OpenFailed;
    }
    const std::vector<std::uint8_t> bytes = contents();
    errno = 0;
    bool ok = calls.writeAll(fd, bytes) && calls.sync(fd) == 0;
    ok = _close(fd) == 0 && ok;
    if (!ok) {
        const int error = errno != 0 ? errno : EIO;
        _wunlink(temporary.c_str());
        errno = error;
        return ReplaceResult::WriteFailed;
    }
    if (calls.rename(narrowPath(temporary), path) != 0) {
        const int error = errno != 0 ? errno : EIO;
        _wunlink(temporary.c_str());
        // The old file stands with its permissions: it takes the bytes where
        // it is, rather than a new file taking the folder's.
        if (attributes != INVALID_FILE_ATTRIBUTES &&
            GetFileAttributesW(widePath(path).c_str()) != INVALID_FILE_ATTRIBUTES) {
            return overwriteInPlace(path, bytes, calls);
        }
        errno = error;
        return ReplaceResult::WriteFailed;
    }
    return ReplaceResult::Replaced;
}

}  // namespace qz5

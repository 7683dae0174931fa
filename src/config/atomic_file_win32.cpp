#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <chrono>
#include <string>

#include "config/atomic_file.h"

namespace qz5 {
namespace {

constexpr int kNameAttempts = 100;

// Paths arrive in the program's narrow code page, as the command line and
// the C library's own file calls have them.
std::wstring widePath(const std::string& path) {
    if (path.empty()) {
        return {};
    }
    const int size =
        MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(), size);
    return wide;
}

std::string narrowPath(const std::wstring& path) {
    if (path.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_ACP, 0, path.data(), static_cast<int>(path.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, path.data(), static_cast<int>(path.size()), narrow.data(), size,
                        nullptr, nullptr);
    return narrow;
}

// The folder is split off in UTF-16: in a double-byte code page a
// backslash byte can be the second half of a character.
int createTemporary(const std::string& path, std::wstring& temporary) {
    const std::wstring wide = widePath(path);
    const std::size_t slash = wide.find_last_of(L"\\/:");
    const std::wstring folder = slash == std::wstring::npos ? L"" : wide.substr(0, slash + 1);
    const std::wstring file = slash == std::wstring::npos ? wide : wide.substr(slash + 1);
    const auto seed = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = folder + L"." + file + L".tmp-" + std::to_wstring(GetCurrentProcessId()) +
                    L"-" + std::to_wstring(seed + attempt);
        const int fd =
            _wopen(temporary.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                   _S_IREAD | _S_IWRITE);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool writeAll(SaveCalls& calls, int fd, std::span<const std::uint8_t> contents) {
    while (!contents.empty()) {
        const std::ptrdiff_t written = calls.write(fd, contents);
        if (written <= 0) {
            return false;
        }
        contents = contents.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::ptrdiff_t PosixSaveCalls::write(int fd, std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kLargestWrite = 1u << 30;  // _write takes an unsigned int
    return _write(
        fd, bytes.data(),
        static_cast<unsigned>(bytes.size() < kLargestWrite ? bytes.size() : kLargestWrite));
}

int PosixSaveCalls::sync(int fd) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) ? 0 : -1;
}

// ReplaceFileW keeps the old file's attributes and security, as the POSIX
// save keeps its mode; it needs a file to replace, and when it fails
// without a backup name the old file keeps its name or is already gone, so
// the plain move finishes the job either way.
int PosixSaveCalls::rename(const std::string& from, const std::string& to) {
    const std::wstring source = widePath(from);
    const std::wstring target = widePath(to);
    if (ReplaceFileW(target.c_str(), source.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr)) {
        return 0;
    }
    return MoveFileExW(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : -1;
}

ReplaceResult replaceFile(const std::string& path, const ContentsSource& contents,
                          SaveCalls& calls) {
    std::wstring temporary;
    const int fd = createTemporary(path, temporary);
    if (fd < 0) {
        return ReplaceResult::OpenFailed;
    }
    const std::vector<std::uint8_t> bytes = contents();
    bool ok = writeAll(calls, fd, bytes) && calls.sync(fd) == 0;
    ok = _close(fd) == 0 && ok;
    ok = ok && calls.rename(narrowPath(temporary), path) == 0;
    if (!ok) {
        _wunlink(temporary.c_str());
        return ReplaceResult::WriteFailed;
    }
    return ReplaceResult::Replaced;
}

ReplaceResult replaceFile(const std::string& path, std::span<const std::uint8_t> contents,
                          SaveCalls& calls) {
    return replaceFile(
        path, [contents] { return std::vector<std::uint8_t>(contents.begin(), contents.end()); },
        calls);
}

}  // namespace qz5

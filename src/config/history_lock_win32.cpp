// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <system_error>

#include "common/outside_text.h"
#include "common/path_text.h"
#include "config/history_lock.h"

namespace qz5 {

namespace {

std::intptr_t none() {
    return reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);
}

std::string lastError() {
    return std::system_category().message(static_cast<int>(::GetLastError()));
}

}  // namespace

HistoryLock::HistoryLock(const std::filesystem::path& folder) : handle_(none()) {
    const std::filesystem::path file = folder / kHistoryLockName;
    // Shared opening: the lock, not the file, is what stays exclusive.
    HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        problem_ = say("Files", "%1: %2").with(printableText(textFromPath(file)), lastError());
        return;
    }
    OVERLAPPED start{};
    if (!::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &start)) {
        problem_ = say("History", "cannot lock %1: %2")
                       .with(printableText(textFromPath(file)), lastError());
        ::CloseHandle(handle);
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(handle);
}

HistoryLock::~HistoryLock() {
    if (handle_ != none()) {
        ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
    }
}

}  // namespace qz5

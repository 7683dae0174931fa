// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/text.h"

namespace qz5 {

enum class FileReadStatus { Read, OpenFailed, NotRegular, ReadFailed };

struct FileRead {
    FileReadStatus status = FileReadStatus::OpenFailed;
    int error = 0;  // errno, for OpenFailed and ReadFailed
    std::vector<std::uint8_t> bytes;
};

// Reads at most `limit` bytes of a regular file. Anything else (a folder, a
// FIFO that would wait for a writer for ever, a device) is not read at all.
FileRead readRegularFile(const std::string& path, std::size_t limit);

// For the system halves: fills `result` from an open regular file through
// `readSome` (bytes read, 0 at the end, negative with errno set on an error).
void readOpenedFile(FileRead& result, std::size_t limit,
                    const std::function<std::ptrdiff_t(std::uint8_t*, std::size_t)>& readSome);

// "PATH is not a regular file ..." or "cannot open PATH: reason", for a person.
Text failedRead(const std::string& path, const FileRead& read);

// A data list that has no business being larger than `limit` bytes (whole
// MiB): its text, or why there is none, naming the file as `name`.
struct ListText {
    std::optional<std::string> text;
    Text problem;
    // The file was there but is no regular file; other words may name that.
    bool notRegular = false;
};
ListText readListText(const std::string& path, const std::string& name, std::size_t limit);

}  // namespace qz5

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/record_source.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <ostream>
#include <string_view>

#include "common/outside_text.h"
#include "common/regular_file.h"
#include "config/config_file.h"
#include "tools/qz5cfg/config_json.h"
#include "tools/qz5cfg/json_output.h"
#include "tools/qz5cfg/symbol_names.h"

namespace qz5 {

namespace {

// A record is a few kilobytes; the cap keeps a huge log from being read whole.
constexpr std::size_t kMaxJsonBytes = 1 << 20;

// A path of the wrong kind is the command line's fault, not the file's.
ExitStatus configFileStatus(const Outcome<>& read) {
    const ExitStatus status = showOutcome(read);
    const Failure* failure = read.failure();
    return failure && failure->kind == FailureKind::NotAFile ? ExitStatus::Usage : status;
}

bool hasJsonExtension(const std::string& path) {
    constexpr std::string_view kExtension = ".json";
    if (path.size() < kExtension.size()) {
        return false;
    }
    return std::equal(
        kExtension.begin(), kExtension.end(), path.end() - kExtension.size(),
        [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

}  // namespace

ExitStatus loadJsonRecord(const std::string& path, TrackerConfig& config) {
    const FileRead file = readRegularFile(path, kMaxJsonBytes + 1);
    if (file.status != FileReadStatus::Read) {
        reportToolError(failedRead(printableText(path), file));
        return file.status == FileReadStatus::NotRegular ? ExitStatus::Usage : ExitStatus::Failed;
    }
    if (file.bytes.size() > kMaxJsonBytes) {
        reportToolError(
            say("Files", "%1: larger than 1 MiB, not a record").with(printableText(path)));
        return ExitStatus::Failed;
    }
    const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()),
                                file.bytes.size());
    try {
        applyJson(parseJson(text), config);
    } catch (const JsonFormError& error) {
        reportToolError(say("Files", "%1: %2", "a file and what is wrong in it")
                            .with(printableText(path), error.reason()));
        return ExitStatus::Usage;
    }
    return ExitStatus::Ok;
}

ExitStatus loadRecord(const std::string& path, TrackerConfig& config) {
    if (hasJsonExtension(path)) {
        return loadJsonRecord(path, config);
    }
    return loadFileRecord(path, config);
}

ExitStatus loadFileRecord(const std::string& path, TrackerConfig& config, ConfigImage* image) {
    return configFileStatus(readConfigFile(path, config, image));
}

ExitStatus loadImage(const std::string& path, TrackerConfig& config, ConfigImage& image) {
    if (hasJsonExtension(path)) {
        const ExitStatus status = loadJsonRecord(path, config);
        if (status == ExitStatus::Ok) {
            std::array<std::uint8_t, kImageBufferSize> buffer{};
            showMessages(config.encodeImage(buffer).messages());
            std::copy_n(buffer.begin(), kImageSize, image.begin());
        }
        return status;
    }
    return loadFileRecord(path, config, &image);
}

ExitStatus loadSide(const std::string& side, const TrackerImageReader& readTracker,
                    TrackerConfig& config, ConfigImage& image) {
    constexpr std::string_view kTrackerPrefix = "tracker:";
    if (!side.starts_with(kTrackerPrefix)) {
        return loadImage(side, config, image);
    }
    const ExitStatus status = readTracker(side.substr(kTrackerPrefix.size()), image);
    if (status == ExitStatus::Ok) {
        static_cast<void>(config.decodeImage(image));  // a whole image always decodes
    }
    return status;
}

ExitStatus printRecord(const TrackerConfig& config, std::ostream& out) {
    Json form = configToJson(config);
    addSymbolNames(form, config, systemSymbols());
    printJson(out, form);
    return finishOutput(out);
}

}  // namespace qz5

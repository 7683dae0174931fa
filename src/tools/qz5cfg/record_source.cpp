#include "tools/qz5cfg/record_source.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>

#include "common/path_text.h"
#include "config/config_file.h"
#include "tools/qz5cfg/config_json.h"

namespace qz5 {

namespace {

// A record is a few kilobytes; the cap keeps a mistaken path such as a device
// or a huge log from being read for ever.
constexpr std::streamsize kMaxJsonBytes = 1 << 20;

std::optional<std::string> readSmallFile(const std::string& path) {
    std::ifstream file(pathFromText(path), std::ios::binary);
    if (!file) {
        reportToolError("cannot open " + path + ": " + std::strerror(errno));
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(kMaxJsonBytes) + 1, '\0');
    file.read(text.data(), kMaxJsonBytes + 1);
    if (file.bad()) {
        reportToolError("cannot read " + path);
        return std::nullopt;
    }
    if (file.gcount() > kMaxJsonBytes) {
        reportToolError(path + ": larger than 1 MiB, not a record");
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(file.gcount()));
    return text;
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
    const auto text = readSmallFile(path);
    if (!text) {
        return ExitStatus::Failed;
    }
    try {
        applyJson(parseJson(*text), config);
    } catch (const JsonFormError& error) {
        reportToolError(path + ": " + error.what());
        return ExitStatus::Usage;
    }
    return ExitStatus::Ok;
}

ExitStatus loadRecord(const std::string& path, TrackerConfig& config) {
    if (hasJsonExtension(path)) {
        return loadJsonRecord(path, config);
    }
    return readConfigFile(path, config) ? ExitStatus::Failed : ExitStatus::Ok;
}

ExitStatus loadImage(const std::string& path, TrackerConfig& config, ConfigImage& image) {
    if (hasJsonExtension(path)) {
        const ExitStatus status = loadJsonRecord(path, config);
        if (status == ExitStatus::Ok) {
            std::array<std::uint8_t, kImageBufferSize> buffer{};
            config.encodeImage(buffer);
            std::copy_n(buffer.begin(), kImageSize, image.begin());
        }
        return status;
    }
    return readConfigFile(path, config, &image) ? ExitStatus::Failed : ExitStatus::Ok;
}

ExitStatus printRecord(const TrackerConfig& config, std::ostream& out) {
    out << configToJson(config).dump(2) << '\n';
    return finishOutput(out);
}

}  // namespace qz5

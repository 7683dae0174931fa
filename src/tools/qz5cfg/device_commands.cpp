#include "tools/qz5cfg/device_commands.h"

#include <array>
#include <cstdint>
#include <iostream>
#include <ostream>
#include <span>
#include <string_view>

#include "common/message_box.h"
#include "common/outside_text.h"
#include "config/config_file.h"
#include "config/history.h"
#include "config/tracker_config.h"
#include "link/serial_link.h"
#include "tools/qz5cfg/record_source.h"

namespace qz5 {

namespace {

constexpr std::int32_t kEmergencyStatus = 7;
constexpr const char* kEmergencyQuestion =
    "You are about to configure your Zelbin with the ability to send an EMERGENCY beacon.  "
    "Are you sure you want to do this?";

// The window offers 30 bytes of a 32-byte area; the reply stays terminated.
using ReplyArea = std::array<char, 32>;
constexpr std::size_t kReplyCapacity = 30;

bool probe(SerialLink& link, ReplyArea& reply) {
    return link.probeDevice(std::span(reply).first(kReplyCapacity));
}

bool hasEmergencyStatus(const TrackerConfig& config) {
    for (int profile = 0; profile < kProfileCount; ++profile) {
        // The tracker gets the low byte: 263 would be an Emergency as well.
        if ((config.micEStatus[profile] & 0xFF) == kEmergencyStatus) {
            return true;
        }
    }
    return false;
}

void keep(const TrackerPort& port, const ConfigImage& image, std::string_view direction,
          const ReplyArea& reply) {
    // One command's warnings: the clock's is given once.
    static HistoryWarnings warnings(std::cerr);
    keepInHistory({image, direction, port.historyName, reply.data()}, warnings);
}

}  // namespace

ExitStatus runVersion(SerialLink& link, std::ostream& out) {
    ReplyArea reply{};
    if (probe(link, reply)) {
        return ExitStatus::Failed;
    }
    // The tracker ends its reply with a line break of its own; print one line.
    std::string_view text(reply.data());
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) {
        text.remove_suffix(1);
    }
    out << printableText(text) << '\n';
    return finishOutput(out);
}

ExitStatus readTrackerImage(TrackerPort& port, ConfigImage& image, const char* direction) {
    ReplyArea reply{};
    if (probe(port.link, reply)) {
        return ExitStatus::Failed;
    }
    std::array<std::uint8_t, kImageBufferSize> buffer{};
    const std::int32_t size = port.link.readImageVerified(buffer);
    TrackerConfig check;
    if (size != kImageSize || check.decodeImage(std::span(buffer).first(kImageSize))) {
        showMessage("Read Failed", "Zelbin3 Read");
        return ExitStatus::Failed;
    }
    std::copy_n(buffer.begin(), kImageSize, image.begin());
    keep(port, image, direction, reply);
    return ExitStatus::Ok;
}

ExitStatus runRead(TrackerPort& port, const std::optional<std::string>& outPath,
                   std::ostream& out) {
    ConfigImage image{};
    if (const ExitStatus status = readTrackerImage(port, image); status != ExitStatus::Ok) {
        return status;
    }
    showMessage("Read Successful", "Zelbin3 Read");
    if (outPath) {
        // The tracker's own bytes: decoding and encoding again would move a delay.
        return writeConfigImage(*outPath, image) ? ExitStatus::Failed : ExitStatus::Ok;
    }
    TrackerConfig config;
    config.decodeImage(image);
    return printRecord(config, out);
}

ExitStatus runWrite(TrackerPort& port, const std::string& inPath, const WriteOptions& options) {
    TrackerConfig config;
    ConfigImage image{};
    if (const ExitStatus status = loadImage(inPath, config, image); status != ExitStatus::Ok) {
        return status;
    }
    // Unattended, the question is answered Cancel; only the flag says yes.
    if (hasEmergencyStatus(config) && !options.emergencyOk &&
        showMessage(kEmergencyQuestion, "Zelbin3 Write", MessageButtons::OkCancel) !=
            MessageAnswer::Ok) {
        reportToolError("nothing written; give --emergency-ok to write an Emergency status");
        return ExitStatus::Usage;
    }
    if (options.backup) {
        ConfigImage current{};
        if (readTrackerImage(port, current, "backup") != ExitStatus::Ok) {
            reportToolError(
                "nothing written: the tracker's current configuration could not be read into "
                "the history first; give --no-backup to write without that copy");
            return ExitStatus::Failed;
        }
    }
    ReplyArea reply{};
    if (probe(port.link, reply) || port.link.writeImageVerified(image)) {
        return ExitStatus::Failed;
    }
    keep(port, image, "write", reply);
    showMessage("Write Successful", "Zelbin3 Write");
    return ExitStatus::Ok;
}

}  // namespace qz5

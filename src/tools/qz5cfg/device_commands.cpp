#include "tools/qz5cfg/device_commands.h"

#include <array>
#include <cstdint>
#include <ostream>
#include <span>
#include <string_view>

#include "common/message_box.h"
#include "config/config_file.h"
#include "config/config_image.h"
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
    out << text << '\n' << std::flush;
    if (!out) {
        reportToolError("cannot write the output");
        return ExitStatus::Failed;
    }
    return ExitStatus::Ok;
}

ExitStatus runRead(SerialLink& link, const std::optional<std::string>& outPath, std::ostream& out) {
    ReplyArea reply{};
    if (probe(link, reply)) {
        return ExitStatus::Failed;
    }
    std::array<std::uint8_t, kImageBufferSize> image{};
    const std::int32_t size = link.readImageVerified(image);
    TrackerConfig config;
    if (size != kImageSize || config.decodeImage(std::span(image).first(kImageSize))) {
        showMessage("Read Failed", "Zelbin3 Read");
        return ExitStatus::Failed;
    }
    showMessage("Read Successful", "Zelbin3 Read");
    if (outPath) {
        return writeConfigFile(*outPath, config) ? ExitStatus::Failed : ExitStatus::Ok;
    }
    return printRecord(config, out);
}

ExitStatus runWrite(SerialLink& link, const std::string& inPath, bool emergencyOk) {
    TrackerConfig config;
    if (const ExitStatus status = loadRecord(inPath, config); status != ExitStatus::Ok) {
        return status;
    }
    // Unattended, the question is answered Cancel; only the flag says yes.
    if (hasEmergencyStatus(config) && !emergencyOk &&
        showMessage(kEmergencyQuestion, "Zelbin3 Write", MessageButtons::OkCancel) !=
            MessageAnswer::Ok) {
        reportToolError("nothing written; give --emergency-ok to write an Emergency status");
        return ExitStatus::Usage;
    }
    std::array<std::uint8_t, kImageBufferSize> image{};
    const int size = config.encodeImage(image);
    ReplyArea reply{};
    if (probe(link, reply) ||
        link.writeImageVerified(std::span(image).first(static_cast<std::size_t>(size)))) {
        return ExitStatus::Failed;
    }
    showMessage("Write Successful", "Zelbin3 Write");
    return ExitStatus::Ok;
}

}  // namespace qz5

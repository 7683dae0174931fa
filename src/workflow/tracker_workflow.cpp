// SPDX-License-Identifier: GPL-3.0-or-later
#include "workflow/tracker_workflow.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "common/message_box.h"
#include "config/history.h"
#include "config/mic_e_status.h"
#include "config/tracker_config.h"
#include "link/port_table.h"
#include "link/serial_link.h"
#include "link/stable_port_name.h"
#include "workflow/tracker_front_end.h"

namespace qz5 {

namespace {

constexpr const char* kReadCaption = "Zelbin3 Read";
constexpr const char* kWriteCaption = "Zelbin3 Write";
constexpr const char* kEmergencyQuestion =
    "You are about to configure your Zelbin with the ability to send an EMERGENCY beacon.  "
    "Are you sure you want to do this?";

// The probe is offered 30 bytes of a 32-byte area; the reply stays terminated.
class VersionArea {
  public:
    [[nodiscard]] bool probe(SerialLink& link) {
        return link.probeDevice(std::span(area_).first(kOffered));
    }
    const char* text() const { return area_.data(); }

  private:
    static constexpr std::size_t kOffered = 30;
    std::array<char, 32> area_{};
};

// The port as the history names it: its most stable name where the table knows
// its device. Taken while the command talks, from the table the link uses then.
std::string historyPort(const SerialLink& link) {
    const auto device = link.portTable().devicePath(link.portName());
    return device ? stablePortName(*device) : std::string(link.portName());
}

}  // namespace

std::optional<std::string> TrackerWorkflow::readVersion() {
    VersionArea reply;
    if (talkThrough(frontEnd_, kVersionCaption, [&] { return reply.probe(link_); })) {
        return std::nullopt;
    }
    return std::string(reply.text());
}

std::optional<ConfigImage> TrackerWorkflow::readImage(TrackerConfig& record,
                                                      std::string_view direction) {
    VersionArea reply;
    std::array<std::uint8_t, kImageBufferSize> buffer{};
    std::string port;
    const auto size = talkThrough(frontEnd_, kReadCaption, [&]() -> std::optional<std::int32_t> {
        port = historyPort(link_);
        if (reply.probe(link_)) {
            return std::nullopt;
        }
        return link_.readImageVerified(buffer);
    });
    if (!size) {
        return std::nullopt;  // not found; the link has said so
    }
    const auto bytes = std::span(buffer).first<kImageSize>();
    if (*size != kImageSize || record.decodeImage(bytes)) {
        showMessage("Read Failed", kReadCaption);
        return std::nullopt;
    }
    ConfigImage image{};
    std::copy(bytes.begin(), bytes.end(), image.begin());
    notKept_ = keepInHistory({image, direction, port, reply.text()}, historyWarnings_);
    return image;
}

std::optional<ConfigImage> TrackerWorkflow::readConfiguration(TrackerConfig& record,
                                                              const Shown& shown) {
    auto image = readImage(record, "read");
    if (image) {
        shown(*image);
        showMessage("Read Successful", kReadCaption);
    }
    return image;
}

WriteOutcome TrackerWorkflow::writeConfiguration(TrackerConfig& record, const Prepare& prepare,
                                                 const Shown& shown) {
    if (sendsEmergency(record) &&
        frontEnd_.answerEmergency(kEmergencyQuestion, kWriteCaption) != MessageAnswer::Ok) {
        return WriteOutcome::Declined;
    }
    const std::optional<ConfigImage> image = prepare();
    if (!image) {
        return WriteOutcome::Stopped;
    }
    VersionArea reply;
    std::string port;
    if (talkThrough(frontEnd_, kWriteCaption, [&] {
            port = historyPort(link_);
            return reply.probe(link_) || link_.writeImageVerified(*image);
        })) {
        return WriteOutcome::Failed;
    }
    notKept_ = keepInHistory({*image, "write", port, reply.text()}, historyWarnings_);
    // The record becomes exactly what the tracker now holds.
    if (record.decodeImage(*image)) {
        return WriteOutcome::Failed;
    }
    shown(*image);
    showMessage("Write Successful", kWriteCaption);
    return WriteOutcome::Written;
}

}  // namespace qz5

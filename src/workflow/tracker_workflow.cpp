// SPDX-License-Identifier: GPL-3.0-or-later
#include "workflow/tracker_workflow.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "config/history.h"
#include "config/mic_e_status.h"
#include "config/tracker_config.h"
#include "link/port_table.h"
#include "link/serial_link.h"
#include "link/stable_port_name.h"
#include "workflow/tracker_front_end.h"

namespace qz5 {

namespace {

constexpr const char* kReadCaption = QZ5_TEXT("Workflow", "Zelbin3 Read");
Text readCaption() {
    return say("Workflow", kReadCaption);
}

// The probe is offered 30 bytes of a 32-byte area; the reply stays terminated.
class VersionArea {
  public:
    Outcome<> probe(SerialLink& link) { return link.probeDevice(std::span(area_).first(kOffered)); }
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

void TrackerWorkflow::keep(const HistoryImage& entry, Notices& raised) {
    const Outcome<KeptFile> kept = collect(raised, keepInHistory(entry, historyWarnings_));
    kept_ = kept ? std::optional(*kept) : std::nullopt;
    notKept_ = kept ? Text() : kept.failure()->message.text;
}

Outcome<std::string> TrackerWorkflow::readVersion() {
    VersionArea reply;
    Outcome<> found = talkThrough(frontEnd_, say("Workflow", kVersionCaption),
                                  [&] { return reply.probe(link_); });
    if (!found) {
        return Outcome<std::string>(std::move(found));
    }
    return Outcome<std::string>(reply.text()).after(std::move(found).takeMessages());
}

Outcome<ConfigImage> TrackerWorkflow::readImage(TrackerConfig& record, std::string_view direction) {
    VersionArea reply;
    std::array<std::uint8_t, kImageBufferSize> buffer{};
    std::string port;
    // A read that keeps the settings before a write is part of that write.
    const bool keeping = direction == "backup";
    answered_ = false;
    Outcome<std::int32_t> read = talkThrough(
        frontEnd_, keeping ? say("Workflow", kWriteCaption) : readCaption(),
        [&]() -> Outcome<std::int32_t> {
            port = historyPort(link_);
            Outcome<> probe = reply.probe(link_);
            if (!probe) {
                return Outcome<std::int32_t>(std::move(probe));
            }
            answered_ = true;
            return link_.readImageVerified(buffer, keeping).after(std::move(probe).takeMessages());
        });
    if (!answered_) {
        return Outcome<ConfigImage>(std::move(read));  // "Zelbin3 Not Found" says it all
    }
    const FailureKind kind = read ? FailureKind::ReadFailed : read.failure()->kind;
    const bool whole = read && *read == kImageSize;
    Notices raised = std::move(read).takeMessages();
    const auto bytes = std::span(buffer).first<kImageSize>();
    if (!whole || !collect(raised, record.decodeImage(bytes))) {
        return Outcome<ConfigImage>(Failure{kind, {say("Workflow", "Read Failed"), readCaption()}})
            .after(std::move(raised));
    }
    ConfigImage image{};
    std::copy(bytes.begin(), bytes.end(), image.begin());
    keep({image, direction, port, reply.text()}, raised);
    return Outcome<ConfigImage>(image).after(std::move(raised));
}

Outcome<ConfigImage> TrackerWorkflow::readConfiguration(TrackerConfig& record) {
    Outcome<ConfigImage> image = readImage(record, "read");
    if (image) {
        image.notice({say("Workflow", "Read Successful"), readCaption()});
    }
    return image;
}

Outcome<WriteResult> TrackerWorkflow::writeConfiguration(TrackerConfig& record,
                                                         const Prepare& prepare) {
    if (sendsEmergency(record) &&
        frontEnd_.askEmergency(say("Workflow",
                                   "You are about to configure your Zelbin with the ability to "
                                   "send an EMERGENCY beacon.  Are you sure you want to do this?"),
                               say("Workflow", kWriteCaption)) != MessageAnswer::Ok) {
        return WriteResult{WriteOutcome::Declined, std::nullopt};
    }
    const std::optional<ConfigImage> image = prepare();
    if (!image) {
        return WriteResult{WriteOutcome::Stopped, std::nullopt};
    }
    VersionArea reply;
    std::string port;
    Outcome<> written = talkThrough(frontEnd_, say("Workflow", kWriteCaption), [&] {
        port = historyPort(link_);
        Outcome<> probe = reply.probe(link_);
        if (!probe) {
            return probe;
        }
        return link_.writeImageVerified(*image).after(std::move(probe).takeMessages());
    });
    if (!written) {
        return Outcome<WriteResult>(std::move(written));
    }
    Notices raised = std::move(written).takeMessages();
    keep({*image, "write", port, reply.text()}, raised);
    // The record becomes exactly what the tracker now holds.
    if (Outcome<> decoded = record.decodeImage(*image); !decoded) {
        return Outcome<WriteResult>(std::move(decoded)).after(std::move(raised));
    }
    return Outcome<WriteResult>(WriteResult{WriteOutcome::Written, image})
        .after(std::move(raised))
        .notice({say("Workflow", "Write Successful"), say("Workflow", kWriteCaption)});
}

}  // namespace qz5

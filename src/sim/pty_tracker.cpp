// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/pty_tracker.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <system_error>
#include <utility>

namespace qz5 {

namespace {

constexpr std::int64_t kBitsPerByte = 10;  // start bit, 8 data bits, stop bit
// Bytes that end no command are reported once the line has been quiet this
// long, the host's own time-out between the bytes of a reply.
constexpr auto kQuietLine = std::chrono::milliseconds(50);

int checked(int result, const char* what) {
    if (result < 0) {
        throw std::system_error(errno, std::generic_category(), what);
    }
    return result;
}

std::int32_t lineRate(speed_t speed) {
    static constexpr std::pair<speed_t, std::int32_t> kRates[] = {
        {B1200, 1200},   {B2400, 2400},   {B4800, 4800},   {B9600, 9600},
        {B19200, 19200}, {B38400, 38400}, {B57600, 57600}, {B115200, 115200}};
    for (const auto& [code, rate] : kRates) {
        if (code == speed) {
            return rate;
        }
    }
    return 0;
}

timespec toTimespec(WireClock::duration duration) {
    const auto nanoseconds = std::max<std::int64_t>(
        0, std::chrono::duration_cast<std::chrono::nanoseconds>(duration).count());
    return {static_cast<time_t>(nanoseconds / 1'000'000'000),
            static_cast<long>(nanoseconds % 1'000'000'000)};
}

}  // namespace

PtyTracker::PtyTracker(TrackerModel model, Observer observer)
    : listenRate_(model.listenRate()),
      byteTime_(std::chrono::nanoseconds(kBitsPerByte * 1'000'000'000 / listenRate_)),
      observer_(std::move(observer)),
      model_(std::move(model)) {
    master_ =
        UniqueFd(checked(posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC), "posix_openpt"));
    checked(grantpt(master_.get()), "grantpt");
    checked(unlockpt(master_.get()), "unlockpt");
    std::array<char, 128> name{};
    if (const int error = ptsname_r(master_.get(), name.data(), name.size()); error != 0) {
        throw std::system_error(error, std::generic_category(), "ptsname_r");
    }
    slavePath_ = name.data();

    // The settings live with the slave whichever side sets them. Raw, so the
    // slave neither echoes our replies back to us nor rewrites the host's bytes.
    termios settings{};
    checked(tcgetattr(master_.get(), &settings), "tcgetattr");
    cfmakeraw(&settings);
    checked(tcsetattr(master_.get(), TCSANOW, &settings), "tcsetattr");

    // The master reports a hang-up for as long as no one holds the slave, and
    // nothing when someone opens it again: watching the device node tells us.
    notify_ = UniqueFd(checked(inotify_init1(IN_NONBLOCK | IN_CLOEXEC), "inotify_init1"));
    checked(inotify_add_watch(notify_.get(), slavePath_.c_str(), IN_OPEN | IN_CLOSE),
            "inotify_add_watch");
    stop_ = UniqueFd(checked(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC), "eventfd"));
    thread_ = std::thread([this] { serve(); });
}

PtyTracker::~PtyTracker() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(stop_.get(), &one, sizeof one);
    thread_.join();
}

ConfigImage PtyTracker::memory() const {
    std::lock_guard lock(mutex_);
    return model_.memory();
}

void PtyTracker::setMemory(const ConfigImage& image) {
    std::lock_guard lock(mutex_);
    model_.setMemory(image);
}

TrackerFaults PtyTracker::faults() const {
    std::lock_guard lock(mutex_);
    return model_.faults;
}

void PtyTracker::setFaults(const TrackerFaults& faults) {
    std::lock_guard lock(mutex_);
    model_.faults = faults;
}

Tone PtyTracker::tone() const {
    std::lock_guard lock(mutex_);
    return model_.tone();
}

std::vector<WireByte> PtyTracker::received() const {
    std::lock_guard lock(mutex_);
    return {received_.begin(), received_.end()};
}

void PtyTracker::clearReceived() {
    std::lock_guard lock(mutex_);
    received_.clear();
}

void PtyTracker::serve() {
    for (;;) {
        auto now = WireClock::now();
        sendDue(now);
        if (!pendingReceived_.bytes.empty() && now >= lastReceived_ + kQuietLine) {
            flushReceived();
        }
        std::array<pollfd, 3> fds{{{stop_.get(), POLLIN, 0},
                                   {notify_.get(), POLLIN, 0},
                                   {hungUp_ ? -1 : master_.get(), POLLIN, 0}}};
        const auto wake = nextWake();
        timespec timeout = toTimespec(wake.value_or(now) - now);
        if (ppoll(fds.data(), fds.size(), wake ? &timeout : nullptr, nullptr) < 0) {
            if (errno == EINTR) {
                continue;
            }
            std::perror("simulated tracker: ppoll");
            std::abort();
        }
        if (fds[0].revents != 0) {
            return;
        }
        now = WireClock::now();
        if (fds[1].revents != 0) {
            readNotifications(now);
        }
        if (!hungUp_) {
            readMaster(now);
        }
    }
}

std::optional<WireClock::time_point> PtyTracker::nextWake() const {
    std::optional<WireClock::time_point> wake;
    if (!outgoing_.empty()) {
        wake = outgoing_.front().due;
    }
    if (!pendingReceived_.bytes.empty()) {
        wake = std::min(wake.value_or(WireClock::time_point::max()), lastReceived_ + kQuietLine);
    }
    return wake;
}

void PtyTracker::sendDue(WireClock::time_point now) {
    while (!outgoing_.empty() && outgoing_.front().due <= now) {
        // As on a real line, a byte that no one is there to receive is lost.
        if (openCount_ > 0) {
            [[maybe_unused]] const auto written =
                ::write(master_.get(), &outgoing_.front().value, 1);
        }
        outgoing_.pop_front();
    }
}

void PtyTracker::readMaster(WireClock::time_point now) {
    std::array<std::uint8_t, 256> buffer{};
    for (;;) {
        const auto count = ::read(master_.get(), buffer.data(), buffer.size());
        if (count > 0) {
            // On Linux the master reads back the slave's settings, where the
            // host set its rate.
            termios settings{};
            std::int32_t rate =
                tcgetattr(master_.get(), &settings) == 0 ? lineRate(cfgetospeed(&settings)) : 0;
            // A host gives the line its old settings back just before it
            // closes: what it sent before then came at its session's rate.
            if (closing_ && sessionRate_ != 0) {
                rate = sessionRate_;
            } else {
                sessionRate_ = rate;
            }
            take(buffer.data(), static_cast<int>(count), rate, now);
            continue;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0 && errno != EAGAIN) {
            // EIO: no one holds the slave; wait for the next open instead of
            // polling a hang-up that would wake us at once, forever.
            hungUp_ = true;
        }
        return;
    }
}

void PtyTracker::take(const std::uint8_t* bytes, int count, std::int32_t rate,
                      WireClock::time_point now) {
    std::vector<std::optional<Reply>> replies(static_cast<std::size_t>(count));
    const bool heard = rate == listenRate_;
    bool dropped = false;
    {
        std::lock_guard lock(mutex_);
        for (int i = 0; i < count; ++i) {
            received_.push_back({bytes[i], rate, heard, now});
            if (received_.size() > kKeptReceived) {
                received_.pop_front();
                dropped = true;
            }
            if (heard) {
                replies[static_cast<std::size_t>(i)] = model_.receive(bytes[i]);
            } else {
                model_.interrupt();
            }
        }
    }
    if (dropped && !dropLogged_) {
        dropLogged_ = true;
        notify({WireEvent::Kind::Note,
                now,
                0,
                true,
                {},
                "the host sends more than one exchange "
                "needs; only the last " +
                    std::to_string(kKeptReceived) + " bytes received are kept"});
    }
    for (int i = 0; i < count; ++i) {
        if (!pendingReceived_.bytes.empty() &&
            (pendingReceived_.rate != rate || pendingReceived_.heard != heard)) {
            flushReceived();
        }
        if (pendingReceived_.bytes.empty()) {
            pendingReceived_ = {WireEvent::Kind::Received, now, rate, heard, {}, {}};
        }
        pendingReceived_.bytes.push_back(bytes[i]);
        lastReceived_ = now;
        // A host that never pauses still gets its bytes logged, in pieces.
        const auto& reply = replies[static_cast<std::size_t>(i)];
        if (reply || pendingReceived_.bytes.size() >= kKeptReceived) {
            flushReceived();
        }
        if (reply) {
            schedule(*reply, now);
        }
    }
}

void PtyTracker::schedule(const Reply& reply, WireClock::time_point arrival) {
    if (reply.bytes.empty()) {
        return;
    }
    // The command's last byte is complete on the line one byte time after the
    // host wrote it; each reply byte is complete one byte time after the one before.
    const auto start = std::max(arrival + byteTime_, lastDue_);
    notify({WireEvent::Kind::Sent, start, listenRate_, true, reply.bytes, {}});
    for (std::size_t i = 0; i < reply.bytes.size(); ++i) {
        auto due = start + byteTime_ * static_cast<std::int64_t>(i + 1);
        if (i >= reply.gapBefore) {
            due += kReplyGap;
        }
        outgoing_.push_back({reply.bytes[i], due});
        lastDue_ = due;
    }
}

void PtyTracker::readNotifications(WireClock::time_point now) {
    alignas(inotify_event) std::array<char, 4096> buffer{};
    for (;;) {
        const auto count = ::read(notify_.get(), buffer.data(), buffer.size());
        if (count <= 0) {
            return;
        }
        for (std::size_t offset = 0; offset < static_cast<std::size_t>(count);) {
            inotify_event event{};
            std::copy_n(buffer.data() + offset, sizeof event, reinterpret_cast<char*>(&event));
            offset += sizeof event + event.len;
            if ((event.mask & IN_OPEN) != 0) {
                flushReceived();
                ++openCount_;
                sessionRate_ = 0;
                hungUp_ = false;
                dropLogged_ = false;
                notify({WireEvent::Kind::Opened, now, 0, true, {}, {}});
            }
            if ((event.mask & IN_CLOSE) != 0) {
                // What the host wrote before closing belongs to that session.
                if (!hungUp_) {
                    closing_ = true;
                    readMaster(now);
                    closing_ = false;
                }
                flushReceived();
                openCount_ = std::max(0, openCount_ - 1);
                if (openCount_ == 0) {
                    std::lock_guard lock(mutex_);
                    model_.interrupt();
                }
                notify({WireEvent::Kind::Closed, now, 0, true, {}, {}});
            }
        }
    }
}

void PtyTracker::flushReceived() {
    if (!pendingReceived_.bytes.empty()) {
        notify(pendingReceived_);
        pendingReceived_.bytes.clear();
    }
}

void PtyTracker::notify(const WireEvent& event) const {
    if (observer_) {
        observer_(event);
    }
}

}  // namespace qz5

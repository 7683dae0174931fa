// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial_port_api_posix.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "link/port_diagnostics.h"
#include "link/uucp_lock_linux.h"

namespace qz5 {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::pair<std::int32_t, speed_t> kKnownRates[] = {
    {1200, B1200},   {2400, B2400},   {4800, B4800},   {9600, B9600},
    {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200},
};
constexpr std::pair<int, tcflag_t> kCharacterSizes[] = {{5, CS5}, {6, CS6}, {7, CS7}, {8, CS8}};

std::optional<speed_t> supportedSpeed(std::int32_t rate) {
    if (rate != 4800 && rate != 9600) {
        return std::nullopt;
    }
    return std::ranges::find(kKnownRates, rate, &std::pair<std::int32_t, speed_t>::first)->second;
}

std::int32_t rateOf(speed_t speed) {
    const auto* known =
        std::ranges::find(kKnownRates, speed, &std::pair<std::int32_t, speed_t>::second);
    return known == std::end(kKnownRates) ? 0 : known->first;
}

// poll() counts whole milliseconds; rounding up means it never wakes before
// the deadline it is given.
// Every handle this file gives out is a file descriptor.
int descriptor(PortHandle handle) {
    return static_cast<int>(handle);
}

int pollTimeout(Clock::time_point deadline) {
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) {
        return 0;
    }
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
    return static_cast<int>(std::min<long long>(ms, INT_MAX));
}

PosixSerialPortApi::OpenAttempt refused(OpenRefusal::Kind kind, int error,
                                        const UucpLock& lock = {}) {
    PosixSerialPortApi::OpenAttempt attempt;
    attempt.refusal.kind = kind;
    attempt.refusal.error = error;
    attempt.refusal.lockFilePid = lock.pid;
    attempt.refusal.lockFile = lock.path;
    return attempt;
}

// The line time of one character as the settings frame it: start bit, data
// bits, parity, stop bits. An unnamed rate is taken as the slowest named one.
std::chrono::microseconds characterTime(const termios& tio) {
    const auto* size =
        std::ranges::find(kCharacterSizes, tio.c_cflag & CSIZE, &std::pair<int, tcflag_t>::second);
    const int bits = 1 + (size == std::end(kCharacterSizes) ? 8 : size->first) +
                     ((tio.c_cflag & PARENB) != 0 ? 1 : 0) + ((tio.c_cflag & CSTOPB) != 0 ? 2 : 1);
    const std::int32_t named = rateOf(cfgetospeed(&tio));
    const std::int32_t rate = named > 0 ? named : std::begin(kKnownRates)->first;
    return std::chrono::microseconds((bits * 1'000'000 + rate - 1) / rate);
}

bool sameSettings(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && cfgetispeed(&a) == cfgetispeed(&b) &&
           cfgetospeed(&a) == cfgetospeed(&b) && std::ranges::equal(a.c_cc, b.c_cc);
}

// A byte still in the UART when the rate changes would go out garbled: the
// queue drains, then the one in the shift register gets its line time. A port
// whose settings were never changed (the port list's scan) has nothing to wait
// for.
void giveBack(int fd, const termios& found) {
    termios now{};
    if (tcgetattr(fd, &now) == 0) {
        if (sameSettings(now, found)) {
            return;
        }
        while (tcdrain(fd) != 0 && errno == EINTR) {
        }
        std::this_thread::sleep_for(characterTime(now));
    }
    static_cast<void>(tcsetattr(fd, TCSANOW, &found));
}

[[nodiscard]] bool setModemLine(int fd, int line, bool raised) {
    if (ioctl(fd, raised ? TIOCMBIS : TIOCMBIC, &line) == 0) {
        return true;
    }
    // Pseudo-terminals and some adapters have no modem lines to drive.
    return errno == ENOTTY || errno == EINVAL;
}

}  // namespace

PosixSerialPortApi::PosixSerialPortApi(SystemRoots roots) : roots_(std::move(roots)) {}

PosixSerialPortApi& PosixSerialPortApi::instance() {
    static PosixSerialPortApi api;
    return api;
}

PosixSerialPortApi::OpenAttempt PosixSerialPortApi::tryOpen(const std::string& devicePath) {
    using Kind = OpenRefusal::Kind;
    if (const auto lock = checkUucpLocks(devicePath, roots_).live) {
        return refused(Kind::LockFile, 0, *lock);
    }
    int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return refused(Kind::System, errno);
    }
    // The lock comes first: until it is ours, nothing about the device is
    // touched, so a refusal leaves another program's port exactly as it was.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return refused(Kind::Locked, error);
    }
    bool weSetExclusive = false;
    std::optional<termios> found;
    // Something that is no terminal gets through here and fails when its line
    // settings are read, as a device that is not a serial port would.
    if (isatty(fd)) {
        // TIOCEXCL keeps ordinary users out but not root: ask as well.
        int exclusive = 0;
        if (ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0) {
            ::close(fd);
            return refused(Kind::MarkedExclusive, EBUSY);
        }
        if (ioctl(fd, TIOCEXCL) != 0) {
            const int error = errno;
            ::close(fd);
            return refused(Kind::System, error);
        }
        weSetExclusive = true;
        if (termios settings{}; tcgetattr(fd, &settings) == 0) {
            found = settings;
        }
    }
    std::lock_guard lock(mutex_);
    fd = avoidReleasedNumbers(fd);
    if (fd < 0) {
        return refused(Kind::System, EMFILE);
    }
    open_[fd] = OpenPort{{}, weSetExclusive, found};
    return {fd, {}};
}

int PosixSerialPortApi::avoidReleasedNumbers(int fd) {
    std::vector<int> parked;
    while (fd >= 0 && released_.contains(fd)) {
        parked.push_back(fd);
        fd = fcntl(fd, F_DUPFD_CLOEXEC, 0);
    }
    // Copies of the same open file: the lock stays with the one kept.
    for (const int copy : parked) {
        ::close(copy);
    }
    return fd;
}

PortHandle PosixSerialPortApi::open(const std::string& devicePath) {
    return tryOpen(devicePath).handle;
}

OpenFailure PosixSerialPortApi::openFailure(const std::string& devicePath) {
    const OpenAttempt attempt = tryOpen(devicePath);
    if (attempt.handle != kInvalidPortHandle) {
        static_cast<void>(close(attempt.handle));
        return {FailureKind::PortBusy,
                say("Ports", "The device was busy for a moment and is free now: try again.")};
    }
    return {refusalKind(attempt.refusal), explainRefusal(devicePath, attempt.refusal, roots_)};
}

bool PosixSerialPortApi::getLineSettings(PortHandle handle, LineSettings& settings) {
    termios tio{};
    if (tcgetattr(descriptor(handle), &tio) != 0) {
        return false;
    }
    settings.baudRate = rateOf(cfgetospeed(&tio));
    const auto* size =
        std::ranges::find(kCharacterSizes, tio.c_cflag & CSIZE, &std::pair<int, tcflag_t>::second);
    settings.dataBits = size == std::end(kCharacterSizes) ? 0 : size->first;
    settings.parityEnabled = (tio.c_cflag & PARENB) != 0;
    settings.twoStopBits = (tio.c_cflag & CSTOPB) != 0;
    settings.ctsFlowControl = (tio.c_cflag & CRTSCTS) != 0;
    settings.dsrFlowControl = false;  // the platform has neither
    settings.dsrSensitivity = false;
    settings.xonXoffOutput = (tio.c_iflag & IXON) != 0;
    settings.xonXoffInput = (tio.c_iflag & IXOFF) != 0;
    int lines = 0;
    const bool haveLines = ioctl(descriptor(handle), TIOCMGET, &lines) == 0;
    settings.dtrAsserted = haveLines && (lines & TIOCM_DTR) != 0;
    settings.rtsAsserted = haveLines && (lines & TIOCM_RTS) != 0;
    return true;
}

bool PosixSerialPortApi::setLineSettings(PortHandle handle, const LineSettings& settings) {
    const auto speed = supportedSpeed(settings.baudRate);
    const auto* size =
        std::ranges::find(kCharacterSizes, settings.dataBits, &std::pair<int, tcflag_t>::first);
    if (!speed || size == std::end(kCharacterSizes) || settings.dsrFlowControl ||
        settings.dsrSensitivity) {
        return false;
    }
    termios tio{};
    if (tcgetattr(descriptor(handle), &tio) != 0) {
        return false;
    }
    // Bytes pass unchanged both ways: no line editing, echo, signals or
    // translation. CLOCAL: carrier detect plays no part, so a floating or
    // falling DCD pin never hangs up the line in the middle of an exchange.
    tio.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                          ICRNL | IXON | IXOFF | IXANY);
    tio.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    tio.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS | CLOCAL);
    tio.c_cflag |= CREAD | CLOCAL | size->second;
    tio.c_cflag |= (settings.parityEnabled ? PARENB : 0) | (settings.twoStopBits ? CSTOPB : 0) |
                   (settings.ctsFlowControl ? CRTSCTS : 0);
    tio.c_iflag |= (settings.xonXoffOutput ? IXON : 0) | (settings.xonXoffInput ? IXOFF : 0);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (cfsetispeed(&tio, *speed) != 0 || cfsetospeed(&tio, *speed) != 0 ||
        tcsetattr(descriptor(handle), TCSANOW, &tio) != 0) {
        return false;
    }
    // tcsetattr succeeds when any part took; a driver may have refused the rest.
    termios applied{};
    constexpr tcflag_t kCheckedFlags = CSIZE | PARENB | CSTOPB | CRTSCTS | CREAD | CLOCAL;
    if (tcgetattr(descriptor(handle), &applied) != 0 || cfgetospeed(&applied) != *speed ||
        (applied.c_cflag & kCheckedFlags) != (tio.c_cflag & kCheckedFlags)) {
        return false;
    }
    return setModemLine(descriptor(handle), TIOCM_DTR, settings.dtrAsserted) &&
           setModemLine(descriptor(handle), TIOCM_RTS, settings.rtsAsserted);
}

bool PosixSerialPortApi::setTimeouts(PortHandle handle, const PortTimeouts& timeouts) {
    std::lock_guard lock(mutex_);
    const auto found = open_.find(handle);
    if (found == open_.end()) {
        return false;
    }
    found->second.timeouts = timeouts;
    return true;
}

PortTimeouts PosixSerialPortApi::timeoutsOf(PortHandle handle) {
    std::lock_guard lock(mutex_);
    const auto found = open_.find(handle);
    return found == open_.end() ? PortTimeouts{} : found->second.timeouts;
}

bool PosixSerialPortApi::writeByte(PortHandle handle, std::uint8_t byte, int& written) {
    written = 0;
    const PortTimeouts timeouts = timeoutsOf(handle);
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeouts.writeTotalMultiplier +
                                                                   timeouts.writeTotalConstant);
    for (;;) {
        const ssize_t n = ::write(descriptor(handle), &byte, 1);
        if (n == 1) {
            written = 1;
            return true;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return false;  // EIO: the device has gone
        }
        if (Clock::now() >= deadline) {
            return true;  // timed out: nothing written, which the caller counts
        }
        pollfd waiting{.fd = static_cast<int>(handle), .events = POLLOUT, .revents = 0};
        const int ready = poll(&waiting, 1, pollTimeout(deadline));
        if (ready < 0 && errno != EINTR) {
            return false;
        }
        if (ready > 0 && (waiting.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            return false;
        }
    }
}

bool PosixSerialPortApi::read(PortHandle handle, std::span<std::uint8_t> buffer, int& received) {
    received = 0;
    if (buffer.empty()) {
        return true;
    }
    const PortTimeouts timeouts = timeoutsOf(handle);
    const auto start = Clock::now();
    const auto totalDeadline =
        start + std::chrono::milliseconds(timeouts.readTotalMultiplier *
                                              static_cast<long long>(buffer.size()) +
                                          timeouts.readTotalConstant);
    const auto interval = std::chrono::milliseconds(timeouts.readInterval);
    std::size_t got = 0;
    Clock::time_point lastByte{};
    while (got < buffer.size()) {
        // The gap between bytes counts only once the first byte is in.
        auto deadline = totalDeadline;
        if (got > 0 && timeouts.readInterval > 0) {
            deadline = std::min(deadline, lastByte + interval);
        }
        if (Clock::now() >= deadline) {
            break;
        }
        pollfd waiting{.fd = static_cast<int>(handle), .events = POLLIN, .revents = 0};
        const int ready = poll(&waiting, 1, pollTimeout(deadline));
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (ready == 0) {
            continue;  // the loop head decides whether the time is really up
        }
        if ((waiting.revents & POLLNVAL) != 0) {
            return false;
        }
        const bool hungUp = (waiting.revents & (POLLERR | POLLHUP)) != 0;
        if ((waiting.revents & POLLIN) == 0) {
            if (hungUp) {
                return false;
            }
            continue;
        }
        const ssize_t n = ::read(descriptor(handle), buffer.data() + got, buffer.size() - got);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
            lastByte = Clock::now();
        } else if (n == 0 || hungUp || (errno != EAGAIN && errno != EINTR)) {
            return false;  // end of file after a hang-up, or EIO: the device has gone
        }
    }
    received = static_cast<int>(got);
    return true;
}

bool PosixSerialPortApi::close(PortHandle handle) {
    OpenPort port;
    {
        std::lock_guard lock(mutex_);
        if (released_.erase(handle) != 0) {
            return true;  // the earlier, failed close already let it go
        }
        const auto found = open_.find(handle);
        if (found == open_.end()) {
            return false;
        }
        port = found->second;
        open_.erase(found);
        // Claimed before close() so that no open in between can take the number.
        released_.insert(handle);
    }
    if (port.found) {
        giveBack(static_cast<int>(handle), *port.found);
    }
    // The flag can outlive this descriptor on a pseudo-terminal whose master
    // stays open; a flag that another program set is not ours to clear.
    if (port.weSetExclusive) {
        ioctl(descriptor(handle), TIOCNXCL);
    }
    const bool closed = ::close(descriptor(handle)) == 0 || errno == EINTR;
    if (closed) {
        std::lock_guard lock(mutex_);
        released_.erase(handle);
    }
    return closed;
}

void PosixSerialPortApi::sleep(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace qz5

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace qz5::testing {

// A bare host on a terminal device: raw line at a chosen rate, and reads that
// note when each byte arrived. Nothing of the link's time-out rules.
class RawHost {
  public:
    using Clock = std::chrono::steady_clock;
    struct Arrival {
        std::uint8_t value;
        Clock::time_point time;
    };

    RawHost(const std::string& path, speed_t speed)
        : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) {
        if (fd_ < 0) {
            throw std::runtime_error("cannot open " + path);
        }
        setSpeed(speed);
    }
    ~RawHost() { ::close(fd_); }
    RawHost(const RawHost&) = delete;
    RawHost& operator=(const RawHost&) = delete;

    void setSpeed(speed_t speed) {
        termios settings{};
        tcgetattr(fd_, &settings);
        cfmakeraw(&settings);
        cfsetispeed(&settings, speed);
        cfsetospeed(&settings, speed);
        if (tcsetattr(fd_, TCSANOW, &settings) != 0) {
            throw std::runtime_error("cannot set the line rate");
        }
    }

    // Returns the moment just before the last byte went out.
    Clock::time_point send(const std::vector<std::uint8_t>& bytes) {
        Clock::time_point last{};
        for (const auto byte : bytes) {
            last = Clock::now();
            if (::write(fd_, &byte, 1) != 1) {
                throw std::runtime_error("write failed");
            }
        }
        return last;
    }

    // Collects bytes until `count` have arrived or `limit` has passed.
    std::vector<Arrival> collect(std::size_t count, std::chrono::milliseconds limit) {
        std::vector<Arrival> arrivals;
        const auto deadline = Clock::now() + limit;
        while (arrivals.size() < count) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) {
                break;
            }
            pollfd waiting{fd_, POLLIN, 0};
            if (poll(&waiting, 1, static_cast<int>(left.count()) + 1) <= 0) {
                continue;
            }
            std::uint8_t byte = 0;
            while (arrivals.size() < count && ::read(fd_, &byte, 1) == 1) {
                arrivals.push_back({byte, Clock::now()});
            }
        }
        return arrivals;
    }

  private:
    int fd_;
};

inline std::vector<std::uint8_t> valuesOf(const std::vector<RawHost::Arrival>& arrivals) {
    std::vector<std::uint8_t> values;
    for (const auto& arrival : arrivals) {
        values.push_back(arrival.value);
    }
    return values;
}

}  // namespace qz5::testing

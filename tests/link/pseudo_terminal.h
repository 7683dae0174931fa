// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace qz5::testing {

// The far end of a pseudo-terminal: the port layer opens the slave path as
// it would a serial device, the test talks and listens on the master.
class PseudoTerminal {
  public:
    PseudoTerminal() : master_(posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC)) {
        std::array<char, 128> name{};
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 ||
            ptsname_r(master_, name.data(), name.size()) != 0) {
            throw std::runtime_error("no pseudo-terminal available");
        }
        slavePath_ = name.data();
    }
    ~PseudoTerminal() { closeMaster(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int master() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }

    // The device goes away, as an unplugged adapter would.
    void closeMaster() {
        if (master_ >= 0) {
            ::close(master_);
            master_ = -1;
        }
    }

    void send(const std::vector<std::uint8_t>& bytes) const {
        if (::write(master_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
            throw std::runtime_error("pseudo-terminal write failed");
        }
    }

    // What the port sent, collected until the line has been quiet for quietMs.
    std::vector<std::uint8_t> receive(int quietMs = 100) const {
        std::vector<std::uint8_t> bytes;
        pollfd waiting{.fd = master_, .events = POLLIN, .revents = 0};
        while (poll(&waiting, 1, quietMs) > 0 && (waiting.revents & POLLIN) != 0) {
            std::array<std::uint8_t, 256> chunk{};
            const ssize_t n = ::read(master_, chunk.data(), chunk.size());
            if (n <= 0) {
                break;
            }
            bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + n);
        }
        return bytes;
    }

  private:
    int master_;
    std::string slavePath_;
};

}  // namespace qz5::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

namespace qz5::testing {

// Another program holding a device: a child process that opens it, takes its
// flock (or, as many terminal programs, takes none) and waits until it is let
// go. With no device it merely runs.
class PortHolderProcess {
  public:
    enum class Hold { Locked, OpenOnly };

    explicit PortHolderProcess(const std::string& devicePath = {}, Hold hold = Hold::Locked) {
        int ready[2];
        if (pipe(ready) != 0) {
            throw std::runtime_error("no pipe");
        }
        pid_ = fork();
        if (pid_ == 0) {
            const int fd = devicePath.empty()
                               ? -1
                               : ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            const bool held =
                devicePath.empty() ||
                (fd >= 0 && (hold == Hold::OpenOnly || flock(fd, LOCK_EX | LOCK_NB) == 0));
            const char ok = held ? '1' : '0';
            static_cast<void>(::write(ready[1], &ok, 1));
            pause();
            _exit(0);
        }
        ::close(ready[1]);
        char ok = '0';
        const bool told = ::read(ready[0], &ok, 1) == 1;
        ::close(ready[0]);
        if (pid_ < 0 || !told || ok != '1') {
            letGo();
            throw std::runtime_error("the holder could not take the device");
        }
    }
    ~PortHolderProcess() { letGo(); }
    PortHolderProcess(const PortHolderProcess&) = delete;
    PortHolderProcess& operator=(const PortHolderProcess&) = delete;

    int pid() const { return pid_; }

    // Ends the holder and waits for it, so its id belongs to no process.
    void letGo() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            exited_ = pid_;
            pid_ = -1;
        }
    }
    int exitedPid() const { return exited_; }

  private:
    int pid_ = -1;
    int exited_ = -1;
};

}  // namespace qz5::testing

#include "platform/posix/wakeup.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

Wakeup::Wakeup() : fd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    if (fd_ < 0) {
        // Without it no key could ever be waited for.
        std::perror("tablox: eventfd");
        std::abort();
    }
}

Wakeup::~Wakeup() {
    close(fd_);
}

void Wakeup::raise() const {
    const std::uint64_t one = 1;
    // The counter cannot overflow in practice; a full one is readable anyway.
    while (write(fd_, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void Wakeup::drain() const {
    std::uint64_t count = 0;
    while (read(fd_, &count, sizeof count) < 0 && errno == EINTR) {
    }
}

void Wakeup::awaitFor(int milliseconds) const {
    pollfd watched{fd_, POLLIN, 0};
    poll(&watched, 1, milliseconds);
}

// A wake-up that one side raises and the other waits for with poll(): an eventfd. For
// the POSIX back ends, which wait in poll() on it beside file descriptors of their own.
// Raising is async-signal-safe, so a signal handler may raise it.
#pragma once

class Wakeup {
  public:
    Wakeup();
    ~Wakeup();
    Wakeup(const Wakeup&) = delete;
    Wakeup& operator=(const Wakeup&) = delete;

    // Makes fd() readable until the next drain.
    void raise() const;
    // Waits until raised, at most `milliseconds`; a signal handled meanwhile ends the
    // wait early.
    void awaitFor(int milliseconds) const;
    // Takes back every raise so far.
    void drain() const;
    // Readable (POLLIN) while raised.
    int fd() const { return fd_; }

  private:
    int fd_;
};

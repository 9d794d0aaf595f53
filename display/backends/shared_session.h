// What a back end shares between its windows (a thread, the terminal taken over): made
// when its first window opens and ended when its last one closes. A screen change opens
// the new window before it closes the old one, so the session lives from the first
// screen to the program's end, and nothing of it flickers or is lost in between. Used on
// the program's thread only.
#pragma once
#include <memory>
#include <string>

template <class Session> class SharedSession {
  public:
    // A window opens: the session, made with `start(why)` for the first window. Null,
    // with `why` set, when it cannot be made.
    template <class Start> Session* attach(Start start, std::string& why) {
        if (!session_) session_ = start(why);
        if (!session_) return nullptr;
        ++windows_;
        return session_.get();
    }
    // A window has closed: with the last one the session ends (its destructor).
    void detach() {
        if (windows_ > 0 && --windows_ == 0) session_.reset();
    }
    Session* get() const { return session_.get(); }

  private:
    std::unique_ptr<Session> session_;
    int windows_ = 0;
};

// The SDL back end: each window is one of the window thread's, which lives while any of
// them is open.
#include "display/backends/sdl/sdl_backend.h"

#include "display/backends/sdl/sdl_window_thread.h"
#include "display/backends/shared_session.h"

namespace {

SharedSession<WindowThread>& windowThread() {
    // Never destroyed: exit handlers may run on any thread, the window thread's included.
    static auto* shared = new SharedSession<WindowThread>;
    return *shared;
}

class SdlBackend final : public WindowBackend {
  public:
    ~SdlBackend() override { close(); }
    bool open(const std::string& title, std::string& why) override {
        thread_ = windowThread().attach(
            [](std::string&) { return std::make_unique<WindowThread>(); }, why);
        windowId_ = thread_->open(title, why);
        if (windowId_ != 0) return true;
        why = "SDL: " + why;
        windowThread().detach();
        thread_ = nullptr;
        return false;
    }
    void close() override {
        if (windowId_ == 0) return;
        thread_->close(windowId_);
        windowThread().detach();
        windowId_ = 0;
        thread_ = nullptr;
    }
    void beep() override { thread_->beep(); }
    void show() override { thread_->wake(); }

  private:
    WindowThread* thread_ = nullptr;
    Uint32 windowId_ = 0;
};

} // namespace

std::unique_ptr<WindowBackend> makeSdlBackend() {
    return std::make_unique<SdlBackend>();
}

#include "display/backends/memory/memory_backend.h"

namespace {

class MemoryBackend final : public WindowBackend {
  public:
    bool open(const std::string& title, std::string& why) override {
        MemoryWindows& w = memoryWindows();
        if (w.refuseToOpen) {
            why = "the in-memory window was told to refuse";
            return false;
        }
        ++w.opened;
        w.title = title;
        return true;
    }
    void close() override { ++memoryWindows().closed; }
    void beep() override { ++memoryWindows().beeps; }
    void show() override {}
    // The operator types the next key of the script as soon as the program waits.
    void programWaits() override {
        MemoryWindows& w = memoryWindows();
        int key = 0;
        if (!w.script.empty()) {
            key = w.script.front();
            w.script.pop_front();
        } else if (w.typist) {
            key = w.typist();
        } else {
            throw KeysExhausted{};
        }
        input().postKey(key);
    }
};

} // namespace

MemoryWindows& memoryWindows() {
    static MemoryWindows w;
    return w;
}

std::unique_ptr<WindowBackend> makeMemoryBackend() {
    return std::make_unique<MemoryBackend>();
}

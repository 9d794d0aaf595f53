// A measuring X client for tools/measure_window.sh: times how soon a window shows what
// it was asked for, by reading its pixels back in a tight loop.
//
//   latency_probe start NAME OUT PROGRAM [ARGS...]
//       Becomes PROGRAM (same process id, so the caller can wait for it and measure it)
//       while a forked copy looks for the window titled NAME and writes to the file OUT
//       "MILLISECONDS WINDOW": the time from the start to the last change of the window's
//       first picture (one that is not a single colour and then stays for 30 ms).
//   latency_probe echo WINDOW ROW COLUMN KEY
//       Sends KEY (an X keysym name: "4", "Return") and prints the milliseconds until the
//       text cell ROW, COLUMN (1-based, 8x16 pixels) shows something else. With
//       LATENCY_PROBE_FRAMED set (not empty), the cells lie in the client area of a window that
//       draws its own frame (Wine's without a window manager).
//   latency_probe change WINDOW KEY
//       Sends KEY and prints the milliseconds until the last change of the window's
//       whole area after which it stays the same for 30 ms.
//
// The pixels are read from the root window at the window's place, so a window that
// replaces the first one at the same place (as a new screen of the program does) is
// seen as well. Meant for an X server without a window manager (Xvfb), where a top-level
// window's position is its place on the screen. Exits with status 1 and a message when
// nothing shows within 10 s.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr double kStableMs = 30;
constexpr double kGiveUpMs = 10000;

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// A short pause between two looks: leaves the processor to the program measured (the
// machine may have few cores) at a cost of a tenth of a millisecond in precision.
void pause() {
    const timespec t{0, 100000};
    nanosleep(&t, nullptr);
}

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "latency_probe: %s\n", why.c_str());
    std::exit(1);
}

// A window that was there a moment ago may be gone (a screen change destroys it), so
// errors are counted, not fatal.
int xErrors = 0;
int countXError(Display*, XErrorEvent*) {
    ++xErrors;
    return 0;
}

struct Area {
    int x = 0, y = 0, width = 0, height = 0;
};

// The window's client area in root window coordinates.
bool placeOf(Display* display, Window window, Area& area) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(display, window, &a) || a.map_state != IsViewable) return false;
    Window child;
    if (!XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &area.x, &area.y,
                               &child))
        return false;
    area.width = a.width;
    area.height = a.height;
    return true;
}

// Reads what the screen shows in one area, through shared memory where the server
// offers it (a look at a whole 640x480 window then costs well under 0.1 ms, against
// about 2 ms through the X connection).
class AreaReader {
  public:
    AreaReader(Display* display, const Area& area) : display_(display), area_(area) {
        const int screen = DefaultScreen(display);
        if (!XShmQueryExtension(display)) return;
        image_ = XShmCreateImage(display, DefaultVisual(display, screen),
                                 static_cast<unsigned>(DefaultDepth(display, screen)), ZPixmap,
                                 nullptr, &shm_, static_cast<unsigned>(area.width),
                                 static_cast<unsigned>(area.height));
        if (!image_) return;
        shm_.shmid = shmget(IPC_PRIVATE, size(image_), IPC_CREAT | 0600);
        shm_.shmaddr = image_->data = static_cast<char*>(shmat(shm_.shmid, nullptr, 0));
        shm_.readOnly = False;
        if (shm_.shmaddr == reinterpret_cast<char*>(-1)) fail("cannot get shared memory");
        const int errors = xErrors;
        XShmAttach(display, &shm_);
        XSync(display, False);
        shmctl(shm_.shmid, IPC_RMID, nullptr); // freed once both sides let go
        if (xErrors != errors) fail("cannot share memory with the X server");
    }
    ~AreaReader() {
        if (!image_) return;
        XShmDetach(display_, &shm_);
        XSync(display_, False);
        shmdt(shm_.shmaddr);
        image_->data = nullptr; // not Xlib's to free
        XDestroyImage(image_);
    }
    AreaReader(const AreaReader&) = delete;
    AreaReader& operator=(const AreaReader&) = delete;

    // The area's pixels as raw bytes; empty if unreadable.
    std::vector<char> look() const {
        const Window root = DefaultRootWindow(display_);
        if (image_) {
            if (!XShmGetImage(display_, root, image_, area_.x, area_.y, AllPlanes)) return {};
            return {image_->data, image_->data + size(image_)};
        }
        XImage* image =
            XGetImage(display_, root, area_.x, area_.y, static_cast<unsigned>(area_.width),
                      static_cast<unsigned>(area_.height), AllPlanes, ZPixmap);
        if (!image) return {};
        std::vector<char> pixels(image->data, image->data + size(image));
        XDestroyImage(image);
        return pixels;
    }

  private:
    static std::size_t size(const XImage* image) {
        return static_cast<std::size_t>(image->bytes_per_line) *
               static_cast<std::size_t>(image->height);
    }

    Display* display_;
    Area area_;
    XImage* image_ = nullptr;
    XShmSegmentInfo shm_{};
};

// Whether every pixel has the colour of the first (4 bytes a pixel, as on a server of
// depth 24).
bool singleColour(const std::vector<char>& pixels) {
    for (std::size_t i = 4; i < pixels.size(); i += 4)
        if (std::memcmp(&pixels[i], &pixels[0], 3) != 0) return false;
    return true;
}

// Looks at `area` until it has shown something other than `before`, and no change since
// for 30 ms; `accept` can refuse a picture (it is then not counted as stable). Returns
// the time of the last change.
template <typename Accept>
double lastChangeOf(const AreaReader& area, std::vector<char> before, double since, Accept accept) {
    double changedAt = -1;
    for (;;) {
        std::vector<char> now = area.look();
        const double t = nowMs();
        if (!now.empty() && now != before) {
            changedAt = t;
            before = std::move(now);
        } else if (changedAt >= 0 && t - changedAt >= kStableMs && accept(before)) {
            return changedAt;
        }
        if (t - since > kGiveUpMs) fail("the window did not settle within 10 s");
        pause();
    }
}

// The first viewable top-level window titled `name`, or 0.
Window findWindow(Display* display, const char* name) {
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* title = nullptr;
        Area area;
        if (XFetchName(display, children[i], &title) && title && std::strcmp(title, name) == 0 &&
            placeOf(display, children[i], area))
            found = children[i];
        if (title) XFree(title);
    }
    if (children) XFree(children);
    return found;
}

Display* openDisplay() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) fail("cannot open the display");
    XSetErrorHandler(countXError);
    return display;
}

Window windowArgument(const char* text) {
    return static_cast<Window>(std::strtoul(text, nullptr, 0));
}

Area areaOf(Display* display, Window window) {
    Area area;
    if (!placeOf(display, window, area)) fail("no such window on the screen");
    return area;
}

// Gives `window` the keyboard, then presses and releases `key`; returns when it was sent.
double sendKey(Display* display, Window window, const char* key) {
    const KeySym symbol = XStringToKeysym(key);
    const KeyCode code = symbol == NoSymbol ? 0 : XKeysymToKeycode(display, symbol);
    if (code == 0) fail(std::string("no key ") + key);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XSync(display, False);
    const double sent = nowMs();
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XFlush(display);
    return sent;
}

int start(char** argv) {
    const char* name = argv[2];
    const char* out = argv[3];
    const double started = nowMs();
    const pid_t watcher = fork();
    if (watcher < 0) fail("cannot fork");
    if (watcher > 0) { // this process becomes the program
        execvp(argv[4], argv + 4);
        fail(std::string("cannot start ") + argv[4]);
    }
    Display* display = openDisplay();
    Window window = 0;
    while (!(window = findWindow(display, name))) {
        if (nowMs() - started > kGiveUpMs) fail(std::string("no window titled ") + name);
        pause();
    }
    const AreaReader area(display, areaOf(display, window));
    const double shown =
        lastChangeOf(area, {}, started, [](const auto& pixels) { return !singleColour(pixels); });
    FILE* file = std::fopen(out, "w");
    if (!file) fail(std::string("cannot write ") + out);
    std::fprintf(file, "%.2f %lu\n", shown - started, window);
    std::fclose(file);
    return 0;
}

// Where the client area begins in a window that draws its own caption and border (Wine's
// when no window manager frames them): the whole multiple of 640x480 that the window
// holds inside a border under 32 pixels wide left, right and below, and more above.
void skipFrame(Area& area) {
    for (int k = area.width / 640; k >= 1; --k) {
        const int border = (area.width - k * 640) / 2;
        const int top = area.height - k * 480 - border;
        if (border >= 32 || (area.width - k * 640) % 2 != 0 || top <= border) continue;
        area.x += border;
        area.y += top;
        return;
    }
}

int echo(char** argv) {
    Display* display = openDisplay();
    const Window window = windowArgument(argv[2]);
    Area cell = areaOf(display, window);
    if (const char* framed = std::getenv("LATENCY_PROBE_FRAMED"); framed && *framed)
        skipFrame(cell);
    cell.x += (std::atoi(argv[4]) - 1) * 8;
    cell.y += (std::atoi(argv[3]) - 1) * 16;
    cell.width = 8;
    cell.height = 16;
    const AreaReader reader(display, cell);
    const std::vector<char> before = reader.look();
    const double sent = sendKey(display, window, argv[5]);
    for (;;) {
        const std::vector<char> now = reader.look();
        const double t = nowMs();
        if (!now.empty() && now != before) {
            std::printf("%.2f\n", t - sent);
            return 0;
        }
        if (t - sent > kGiveUpMs) fail("the cell did not change within 10 s");
        pause();
    }
}

int change(char** argv) {
    Display* display = openDisplay();
    const Window window = windowArgument(argv[2]);
    const AreaReader area(display, areaOf(display, window));
    const std::vector<char> before = area.look();
    const double sent = sendKey(display, window, argv[3]);
    const double settled = lastChangeOf(area, before, sent, [](const auto&) { return true; });
    std::printf("%.2f\n", settled - sent);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "start" && argc >= 5) return start(argv);
    if (command == "echo" && argc == 6) return echo(argv);
    if (command == "change" && argc == 4) return change(argv);
    std::fputs("usage: latency_probe start NAME OUT PROGRAM [ARGS...] |"
               " echo WINDOW ROW COLUMN KEY | change WINDOW KEY\n",
               stderr);
    return 2;
}

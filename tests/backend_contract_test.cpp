// What a back end may rely on: the line editor sleeps until a key or an end request is
// posted, the window is asked once per burst of changes to show them, and a frame is
// never half a display operation nor misses a changed row.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "display/backend.h"
#include "display/display.h"
#include "display/line_editor.h"
#include "display/screen.h"
#include "display/window_service.h"
#include "tests/harness.h"

namespace {

// A window whose keys come from another thread, as the real windows' do, and that counts
// the requests to show.
struct ThreadedWindow final : WindowBackend {
    static inline std::atomic<int> asked = 0;
    bool open(const std::string&, std::string&) override { return true; }
    void close() override {}
    void beep() override {}
    void show() override { ++asked; }
};

class BackendContract : public ::testing::Test {
  protected:
    void SetUp() override {
        freshScreen();
        setWindowBackends({[]() -> std::unique_ptr<WindowBackend> {
            return std::make_unique<ThreadedWindow>();
        }});
        setScreenMode();
        input().clear();
    }
    void TearDown() override { setWindowBackends({makeMemoryBackend}); }
};

TEST_F(BackendContract, AKeyOrAnEndRequestPostedByAnotherThreadEndsTheWait) {
    input().postKey('6');
    EXPECT_EQ(waitForKey(), '6');
    std::thread window([] { input().postKey('7'); });
    EXPECT_EQ(waitForKey(), '7');
    window.join();

    std::thread outside([] { input().requestEnd(143); });
    int status = 0;
    try {
        waitForKey();
    } catch (const ProgramEnded& ended) {
        status = ended.status;
    }
    outside.join();
    EXPECT_EQ(status, 143);
    input().postKey('8'); // the first request stays
    input().requestEnd(130);
    EXPECT_EQ(input().endRequested(), 143);
}

TEST_F(BackendContract, TheWindowIsAskedOnceWhenTheProgramWaitsUntilItHasTakenTheFrame) {
    auto frame = std::make_unique<Frame>();
    auto awaitPostedKey = [] {
        input().postKey('1');
        showWhatIsDrawn();
        waitForKey();
    };
    showWhatIsDrawn();
    EXPECT_TRUE(takeFrame(*frame));
    EXPECT_FALSE(takeFrame(*frame)); // not asked again
    ThreadedWindow::asked = 0;
    printText("A", false);
    EXPECT_EQ(ThreadedWindow::asked, 0); // not yet waiting
    awaitPostedKey();
    EXPECT_EQ(ThreadedWindow::asked, 1);
    drawLine(0, 0, 100, 100);
    awaitPostedKey();
    EXPECT_EQ(ThreadedWindow::asked, 1); // not taken yet
    ASSERT_TRUE(takeFrame(*frame));
    EXPECT_TRUE(frame->changedRows[0] && frame->changedRows[100] && !frame->changedRows[101]);
    locate(5, 5); // no pixels: nothing to show
    awaitPostedKey();
    EXPECT_EQ(ThreadedWindow::asked, 1);
    printText("C", true);
    awaitPostedKey();
    EXPECT_EQ(ThreadedWindow::asked, 2);
}

// While the program prints whole rows of one letter, a window thread takes frames: each
// row it sees is all one letter, and the frames it took add up to the screen.
TEST_F(BackendContract, FramesTakenWhileTheProgramDrawsHoldWholeOperationsAndEveryRow) {
    std::atomic<bool> drawing = true;
    std::atomic<int> halfDrawn = 0, taken = 0;
    auto frame = std::make_unique<Frame>();
    std::thread window([&] {
        while (drawing) {
            if (!takeFrame(*frame)) continue;
            ++taken;
            for (int row = 0; row < kTextRows; ++row)
                for (int column = 1; column < kTextColumns; ++column)
                    if (frame->picture.cell(row, column).character !=
                        frame->picture.cell(row, 0).character)
                        ++halfDrawn;
        }
    });
    for (int i = 0; i < 3000; ++i) {
        setColor(9 + i % 4);
        locate(i % kTextRows + 1, 1);
        printText(std::string(kTextColumns, static_cast<char>('A' + i % 26)), false);
        showWhatIsDrawn();
    }
    drawing = false;
    window.join();
    showWhatIsDrawn();
    takeFrame(*frame);
    EXPECT_GT(taken, 0);
    EXPECT_EQ(halfDrawn, 0);
    EXPECT_TRUE(frame->picture.pixels == screen().pixels);
    EXPECT_TRUE(frame->picture.cells == screen().cells);
}

} // namespace

// Menu item 2: how many strips of one width the pieces need.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "app/furniture/furniture.h"
#include "calculators/calculators.h"
#include "display/display.h"

namespace {

// The strip counter is a single: from here on, adding 1 no longer changes it.
constexpr std::uint64_t kStripCounterStop = 16777216;

// Every strip's first piece leaves the running width at `B`, so every strip takes the
// same pieces after its first one. Counts them, summing as the strip does; nothing when
// they fit for ever. A running width that has stopped growing stays as it is (a width of
// 0 or less, or one lost in the rounding of a large sum), so a piece that fits then means
// that all the later ones fit too. The sum stops growing within about 2^25 additions.
std::optional<std::uint64_t> piecesAfterFirst(float B, float B1) {
    std::uint64_t fitting = 0;
    float rowWidth = B;
    for (;;) {
        const float next = B + rowWidth;
        if (!(B1 >= next)) return fitting;
        if (B <= 0 || next == rowWidth) return std::nullopt;
        rowWidth = next;
        ++fitting;
    }
}

} // namespace

float stripCount(float B, float count, float B1) {
    // The pieces are numbered 1, 2, ... as long as the number is at most `count`.
    if (!(count >= 1)) return 1;
    // The first piece opens strip 1, or strip 2 when even it does not fit.
    const std::uint64_t firstStrips = B1 >= B ? 1 : 2;
    const std::optional<std::uint64_t> after = piecesAfterFirst(B, B1);
    if (!after) return static_cast<float>(firstStrips);
    // Pieces 1 + k * period open the later strips. A whole-numbered float is exact in
    // double; beyond 2^53 pieces, far past the counter's stop, `pieces - 1` may round.
    const std::uint64_t period = *after + 1;
    const double pieces = std::floor(static_cast<double>(count));
    const double stop = static_cast<double>(period) * static_cast<double>(kStripCounterStop);
    if (pieces - 1 >= stop) return static_cast<float>(kStripCounterStop);
    const std::uint64_t laterStrips = static_cast<std::uint64_t>(pieces - 1) / period;
    return static_cast<float>(std::min(firstStrips + laterStrips, kStripCounterStop));
}

void runStripCount() {
    for (;;) {
        float B = 0, count = 0, B1 = 0;
        drawBanner(titleLine(kProgramTitle, Credit::Long));
        drawSheetOutline();
        setColor(12);
        drawPieceOutline();
        labelAt(15, 52, "B");
        echoValue(9, 17, 39, "Pocet kusu ", count); // 0 until it is typed
        labelAt(11, 69, "B1");
        askValue(6, "Sirka tvaru B v mm", B);
        echoValue(9, 15, 52, "", B);
        askValue(9, "Pocet kusu        ", count);
        echoValue(9, 17, 39, "Pocet kusu ", count);
        askValue(12, "Rozmer sirky tabule B1 v mm", B1);
        echoValue(9, 11, 69, "", B1);
        if (!askConfirm(20)) continue;
        if (!(B1 >= B)) {
            showRefusal(26);
            continue;
        }
        const float strips = stripCount(B, count, B1);
        setColor(9);
        locate(22, 48);
        printText(" V Y S L E D E K ", true);
        setColor(12);
        locate(23, 48);
        printText(" Strihni pas", false);
        printNumber(strips, false);
        printText(" x", true);
        pauseForEnter();
        return;
    }
}

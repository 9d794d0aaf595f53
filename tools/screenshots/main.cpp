// make screenshots: draws the pictures of the operator's guide and the README, each the
// screen that the program shows after a script of keys, as 640x480 PNG files.
//
//   screenshots DIR                      draws every picture into DIR
//   screenshots DIR --compare-with REF   draws them into DIR, then compares each, pixel
//                                        for pixel, with the file of the same name in REF;
//                                        every picture that differs, is missing from REF
//                                        or is in REF but no longer drawn is named, and
//                                        the status is 1
#include <cstdio>
#include <exception>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tools/screenshots/png_file.h"
#include "tools/screenshots/program_screen.h"

namespace {

struct Shot {
    const char* name;  // the file name without .png
    const char* typed; // the keys, '\n' for ENTER; the picture is the screen after them
};

// Each input picture stops before the last ENTER, so the last value (or the answer 1 to
// the question) still stands in the line editor; the result picture is taken after it.
// The guide's worked examples are these values: change both together.
const Shot kShots[] = {
    {"menu", ""},
    {"1-trapezoid-strip-input", "1\n400\n100\n250\n500\n50\n1"},
    {"1-trapezoid-strip-cuts", "1\n400\n100\n250\n500\n50\n1\n"},
    {"2-strip-count-input", "2\n300\n10\n1000\n1"},
    {"2-strip-count-result", "2\n300\n10\n1000\n1\n"},
    {"2-strip-count-refused", "2\n1200\n3\n1000\n1\n"},
    {"3-sheet-plan-input", "3\n700\n300\n60\n2000\n1000\n10\n1"},
    {"3-sheet-plan-result-rest", "3\n700\n300\n60\n2000\n1000\n10\n1\n"},
    {"3-sheet-plan-result", "3\n500\n250\n1000\n2500\n1250\n2\n1\n"},
    {"4-sheet-weight-input", "4\n2000\n1000\n10\n5\n1"},
    {"4-sheet-weight-result", "4\n2000\n1000\n10\n5\n1\n"},
    {"5-equal-trapezoids-input", "5\n1000\n300\n600\n80\n200"},
    {"5-equal-trapezoids-result", "5\n1000\n300\n600\n80\n200\n"},
    {"6-two-trapezoids-input", "6\n1000\n300\n600\n80\n200\n500\n50\n250"},
    {"6-two-trapezoids-both-clear", "6\n1000\n300\n600\n80\n200\n500\n50\n250\n"},
    {"6-two-trapezoids-b1-intrudes", "6\n1000\n160\n600\n80\n200\n500\n50\n250\n"},
    {"6-two-trapezoids-b2-intrudes", "6\n1000\n165\n600\n80\n320\n500\n50\n200\n"},
    {"6-two-trapezoids-both-intrude", "6\n1000\n150\n600\n80\n320\n500\n50\n200\n"},
    {"7-ring-weight-input", "7\n500\n100\n20"},
    {"7-ring-weight-result", "7\n500\n100\n20\n"},
    {"8-round-plate-input", "8\n20\n50\n30"},
    {"8-round-plate-result", "8\n20\n50\n30\n"},
    {"9-octagon-plate-input", "9\n20\n30"},
    {"9-octagon-plate-result", "9\n20\n30\n"},
    {"credits", "11\n"},
};

std::vector<int> keyCodes(std::string_view typed) {
    std::vector<int> codes;
    for (char c : typed)
        codes.push_back(c == '\n' ? 13 : static_cast<unsigned char>(c));
    return codes;
}

// Empty when the two pictures are the same; otherwise what differs.
std::string difference(const RgbImage& drawn, const RgbImage& committed) {
    if (drawn.width != committed.width || drawn.height != committed.height)
        return "it is " + std::to_string(committed.width) + "x" + std::to_string(committed.height) +
               ", the screen " + std::to_string(drawn.width) + "x" + std::to_string(drawn.height);
    long differing = 0;
    std::size_t first = 0;
    for (std::size_t pixel = 0; pixel * 3 < drawn.rgb.size(); ++pixel)
        for (std::size_t byte = pixel * 3; byte < pixel * 3 + 3; ++byte)
            if (drawn.rgb[byte] != committed.rgb[byte]) {
                if (differing++ == 0) first = pixel;
                break;
            }
    if (differing == 0) return {};
    const auto x = first % static_cast<std::size_t>(drawn.width);
    const auto y = first / static_cast<std::size_t>(drawn.width);
    return std::to_string(differing) + (differing == 1 ? " pixel differs" : " pixels differ") +
           ", the first at x " + std::to_string(x) + ", y " + std::to_string(y);
}

// Compares every drawn picture with its committed one; returns the number of faults.
int compare(const std::filesystem::path& drawnDir, const std::filesystem::path& committedDir) {
    int faults = 0;
    std::set<std::string> drawn;
    for (const Shot& shot : kShots) {
        const std::string file = std::string(shot.name) + ".png";
        drawn.insert(file);
        const std::filesystem::path committed = committedDir / file;
        if (!std::filesystem::exists(committed)) {
            std::fprintf(stderr, "%s: not in %s\n", file.c_str(), committedDir.c_str());
            ++faults;
            continue;
        }
        const std::string why =
            difference(readPng((drawnDir / file).string()), readPng(committed.string()));
        if (why.empty()) continue;
        std::fprintf(stderr, "%s differs from what the program draws now: %s\n", committed.c_str(),
                     why.c_str());
        ++faults;
    }
    for (const auto& entry : std::filesystem::directory_iterator(committedDir)) {
        const std::string file = entry.path().filename().string();
        if (entry.path().extension() == ".png" && !drawn.contains(file)) {
            std::fprintf(stderr, "%s: no longer drawn\n", entry.path().c_str());
            ++faults;
        }
    }
    if (faults != 0)
        std::fprintf(stderr, "Renew the pictures with make screenshots and look at them.\n");
    return faults;
}

} // namespace

int main(int argc, char** argv) {
    const bool comparing = argc == 4 && std::string_view(argv[2]) == "--compare-with";
    if (argc != 2 && !comparing) {
        std::fprintf(stderr, "Usage: %s DIR [--compare-with COMMITTED_DIR]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    try {
        std::filesystem::create_directories(dir);
        for (const Shot& shot : kShots) {
            try {
                writePng((dir / (std::string(shot.name) + ".png")).string(),
                         screenAfterKeys(keyCodes(shot.typed)));
            } catch (const std::exception& e) {
                std::fprintf(stderr, "%s: %s\n", shot.name, e.what());
                return 1;
            }
        }
        if (comparing && compare(dir, argv[3]) != 0) return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

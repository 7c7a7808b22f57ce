// The drawing layer judged against the Windows drawing calls. Each case draws one operation twice
// from the same starting picture: with the layer on a gdi::Surface, and with the Windows calls on
// a 32-bit top-down DIB section selected into a memory device context. Every pixel must agree,
// and so must the values the calls return. The operations are the five drawing calls over the
// whole range of their arguments (judge_*.cpp say which), and the button's looks drawn through
// them.
//
// The cases are random, drawn from a seed that is printed first; TOLVANE_GDI_JUDGE_SEED repeats a
// run and TOLVANE_GDI_JUDGE_CASES sets the number of cases (50,000 by default, spread evenly over
// the operations, about 10 s under Wine); TOLVANE_GDI_JUDGE_ONLY=<operation name> keeps only one
// operation's share. A failing case is shrunk argument by argument to the smallest case that still
// fails, which is printed with a map of the differing pixels. Exits 1 when any case fails.

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

#include "tests/windows/judge_case.h"

namespace tolvane::judge {
namespace {

struct Difference {
    long pixels = 0;
    bool result = false;
    bool Any() const { return pixels != 0 || result; }
};

Difference Compare(const Picture& ours, const Picture& windows) {
    Difference difference;
    difference.result = ours.result != windows.result;
    for (std::size_t i = 0; i < ours.pixels.size(); ++i) {
        difference.pixels += ours.pixels[i] != windows.pixels[i];
    }
    return difference;
}

bool IsDefined(const Operation& operation, const Args& args) {
    return operation.defined == nullptr || operation.defined(args);
}

bool Fails(const Operation& operation, const Args& args) {
    return Compare(operation.ours(args), operation.windows(args)).Any();
}

std::string Describe(const Operation& operation, const Args& args) {
    std::string text = std::string(operation.name) + "(";
    for (std::size_t i = 0; i < args.size(); ++i) {
        char value[64];
        std::snprintf(value, sizeof value,
                      operation.parameters[i].kind == Kind::kColour ? "%s 0x%X" : "%s %d",
                      operation.parameters[i].name, args[i]);
        text += (i == 0 ? "" : ", ") + std::string(value);
    }
    return text + ")";
}

// Moves each argument towards its simplest value (all the way, half the way, one step) as long
// as the case keeps failing and stays defined, until no move is left.
Args Shrink(const Operation& operation, Args args) {
    for (bool moved = true; moved;) {
        moved = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const Parameter& parameter = operation.parameters[i];
            if (parameter.simplest == kKeep || args[i] == parameter.simplest) {
                continue;
            }
            const int value = args[i];
            const int towards = value < parameter.simplest ? 1 : -1;
            const int halfway = value + (parameter.simplest - value) / 2;
            const bool stepwise = parameter.kind == Kind::kNumber;
            for (const int candidate : {parameter.simplest, stepwise ? halfway : value,
                                        stepwise ? value + towards : value}) {
                if (candidate == value || candidate < parameter.low || candidate > parameter.high ||
                    (std::int64_t{value} - parameter.simplest) *
                            (std::int64_t{candidate} - parameter.simplest) <
                        0) {
                    continue;
                }
                Args smaller = args;
                smaller[i] = candidate;
                if (IsDefined(operation, smaller) && Fails(operation, smaller)) {
                    args = smaller;
                    moved = true;
                    break;
                }
            }
        }
    }
    return args;
}

void PrintDifferences(const Picture& ours, const Picture& windows) {
    if (ours.result != windows.result) {
        std::printf("  returned: ours %lld, Windows %lld\n", ours.result, windows.result);
    }
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN, count = 0;
    for (int y = 0; y < ours.height; ++y) {
        for (int x = 0; x < ours.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * ours.width + x);
            if (ours.pixels[i] == windows.pixels[i]) {
                continue;
            }
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
            if (count++ < 12) {
                std::printf("  pixel (%d, %d): ours 0x%06X, Windows 0x%06X\n", x + ours.originX,
                            y + ours.originY, ours.pixels[i], windows.pixels[i]);
            }
        }
    }
    if (count == 0) {
        return;
    }
    // The differing pixels with a margin of two, at most 70 columns and 40 rows.
    const int x0 = std::max(0, left - 2), x1 = std::min({ours.width - 1, right + 2, x0 + 69});
    const int y0 = std::max(0, top - 2), y1 = std::min({ours.height - 1, bottom + 2, y0 + 39});
    std::printf(
        "  %d pixels differ; x %d..%d, y %d..%d ('.' same, '#' differs; in a region 'o' "
        "only ours, 'w' only Windows has the pixel):\n",
        count, x0 + ours.originX, x1 + ours.originX, y0 + ours.originY, y1 + ours.originY);
    for (int y = y0; y <= y1; ++y) {
        std::printf("  ");
        for (int x = x0; x <= x1; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * ours.width + x);
            char mark = '.';
            if (ours.pixels[i] != windows.pixels[i]) {
                mark = !ours.mask ? '#' : ours.pixels[i] != 0 ? 'o' : 'w';
            }
            std::putchar(mark);
        }
        std::putchar('\n');
    }
}

std::uint64_t SeedFromEnvironment() {
    if (const char* text = std::getenv("TOLVANE_GDI_JUDGE_SEED"); text != nullptr && *text) {
        return std::strtoull(text, nullptr, 10);
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return Mix(static_cast<std::uint64_t>(
               std::chrono::duration_cast<std::chrono::nanoseconds>(now).count())) %
           1'000'000'000'000ull;
}

long CasesFromEnvironment() {
    if (const char* text = std::getenv("TOLVANE_GDI_JUDGE_CASES"); text != nullptr && *text) {
        return std::max(1L, std::strtol(text, nullptr, 10));
    }
    return 50'000;
}

int Run() {
    // Unbuffered, so that a run that is stopped still shows what it found.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const std::uint64_t seed = SeedFromEnvironment();
    const long cases = CasesFromEnvironment();
    const char* const only = std::getenv("TOLVANE_GDI_JUDGE_ONLY");
    std::printf("gdi judge: seed %llu (TOLVANE_GDI_JUDGE_SEED=%llu repeats this run), %ld cases\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed),
                cases);

    const Operation* const operations[] = {&kGradientFill,       &kRoundRect,
                                           &kCreateRoundRectRgn, &kTransparentBlt,
                                           &kSetDIBitsToDevice,  &kButtonLook};
    constexpr std::size_t kOperations = std::size(operations);
    long run[kOperations] = {};
    long failed[kOperations] = {};
    long differing[kOperations] = {};
    long undefined[kOperations] = {};  // cases drawn anew because Wine leaves them undefined
    const auto start = std::chrono::steady_clock::now();
    for (long n = 0; n < cases; ++n) {
        const std::size_t which = static_cast<std::size_t>(n) % kOperations;
        const Operation& operation = *operations[which];
        if (only != nullptr && *only != '\0' && std::string(operation.name) != only) {
            continue;
        }
        Random random(Mix(seed) ^ static_cast<std::uint64_t>(n));
        Args args = operation.generate(random);
        while (!IsDefined(operation, args)) {
            ++undefined[which];
            args = operation.generate(random);
        }
        ++run[which];
        const Difference difference = Compare(operation.ours(args), operation.windows(args));
        differing[which] += difference.pixels;
        if (!difference.Any()) {
            continue;
        }
        // The first failure of each operation is shrunk and shown; later ones are counted.
        if (failed[which]++ == 0) {
            std::printf("\nFAIL case %ld of seed %llu: %s\n  %ld pixels differ%s\n", n,
                        static_cast<unsigned long long>(seed), Describe(operation, args).c_str(),
                        difference.pixels, difference.result ? ", and the returned values" : "");
            const Args smallest = Shrink(operation, args);
            std::printf("smallest failing case: %s\n", Describe(operation, smallest).c_str());
            PrintDifferences(operation.ours(smallest), operation.windows(smallest));
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    bool passed = true;
    long total = 0;
    long totalDiffering = 0;
    std::printf("\n");
    for (std::size_t i = 0; i < kOperations; ++i) {
        std::printf("  %-20s %6ld cases, %6ld failed, %8ld pixels differ", operations[i]->name,
                    run[i], failed[i], differing[i]);
        if (undefined[i] != 0) {
            std::printf(" (%ld cases drawn anew: Wine leaves them undefined)", undefined[i]);
        }
        std::printf("\n");
        passed = passed && failed[i] == 0;
        total += run[i];
        totalDiffering += differing[i];
    }
    std::printf("gdi judge: %s, seed %llu, %ld cases, %ld pixels differ, in %.1f s\n",
                passed ? "passed" : "FAILED", static_cast<unsigned long long>(seed), total,
                totalDiffering, seconds);
    return passed ? 0 : 1;
}

}  // namespace
}  // namespace tolvane::judge

int main() {
    return tolvane::judge::Run();
}

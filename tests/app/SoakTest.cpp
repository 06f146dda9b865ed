#include "params/Handlers.h"
#include "support/ShownForm.h"

#include <QApplication>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <malloc.h>
#include <random>
#include <string>
#include <vector>

namespace amsim {
namespace {

// Resident memory of this process, from the kernel's own count.
long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

using Soak = ShownForm;

// Six thousand clicks on every button of the bench in a seeded random order, each one
// followed by the event processing a user's session would give it. Every
// redraw must run to its end (the last spectrum baseline is drawn after
// everything but the envelope) and memory must not creep up. Under the
// sanitizers, whose quarantine grows by design, a quarter of the walk looks
// for memory errors alone.
TEST_F(Soak, SixThousandClicksKeepDrawingAndMemoryFlat) {
    // glibc raises its threshold for mapping a block of its own each time it
    // frees a large one, so that the tables of different tones and time bases
    // come from a heap that fragments and is given back late. With the
    // thresholds fixed, the resident memory counts what the program keeps,
    // which is what the soak looks for.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024);
    // Under the sanitizers the analyser's transforms run some twenty times
    // slower, and half the walk would be spent in them: its switch is left
    // out of that walk, whose business is memory errors (the analyser's own
    // tests run there too). The plain walk toggles it with the rest.
#if defined(__SANITIZE_ADDRESS__)
    constexpr bool kWithAnalyser = false;
#else
    constexpr bool kWithAnalyser = true;
#endif
    std::vector<Button> buttons;
    std::copy_if(
        kButtons.begin(), kButtons.end(), std::back_inserter(buttons),
        [](const Button& button) { return kWithAnalyser || button.name != "AnalizadorSi"; });
    std::mt19937 random(20261207U);
    std::uniform_int_distribution<std::size_t> pick(0, buttons.size() - 1);
    constexpr int kWarmUp = 1000;
#if defined(__SANITIZE_ADDRESS__)
    constexpr int kClicks = 1500;
#else
    constexpr int kClicks = 6000;
#endif
    long afterWarmUp = 0;
    for (int i = 0; i < kClicks; ++i) {
        click(std::string(buttons.at(pick(random)).name).c_str());
        QApplication::processEvents();
        ASSERT_TRUE(drawnAt(950, 650)) << "redraw stopped early at click " << i;
        ASSERT_EQ(message(), nullptr) << "error at click " << i;
        if (i + 1 == kWarmUp) {
            afterWarmUp = residentKiB();
        }
    }
    const long atEnd = residentKiB();
    RecordProperty("resident_kib_after_warm_up", static_cast<int>(afterWarmUp));
    RecordProperty("resident_kib_at_end", static_cast<int>(atEnd));
    std::cout << "resident memory: " << afterWarmUp << " KiB after " << kWarmUp << " clicks, "
              << atEnd << " KiB after " << kClicks << '\n';
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(atEnd - afterWarmUp, 1024) << "grew by more than 1 MiB";
#endif
}

} // namespace
} // namespace amsim

#pragma once

#include <clocale>

namespace amsim {

// The C library reads and writes numbers in the C locale while one of these
// lives, whatever the program's locale says: a toolkit may have set the
// user's, whose decimal separator is not the point that the engine writes
// and reads.
class ClassicNumbers {
public:
    ClassicNumbers()
        : previous_(classic() != locale_t{} ? uselocale(classic()) : locale_t{}) {}
    ~ClassicNumbers() {
        if (previous_ != locale_t{}) {
            uselocale(previous_);
        }
    }
    ClassicNumbers(const ClassicNumbers&) = delete;
    ClassicNumbers& operator=(const ClassicNumbers&) = delete;

private:
    static locale_t classic() {
        static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
        return c;
    }

    locale_t previous_;
};

} // namespace amsim

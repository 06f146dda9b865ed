#include "display/VectorState.h"

namespace amsim {

#if defined(__x86_64__) && defined(__GNUC__)

namespace {

__attribute__((target("avx"))) void zeroUpper() {
    __builtin_ia32_vzeroupper();
}

} // namespace

void clearWideVectorState() {
    // Only where the instruction exists: it is invalid on processors without AVX.
    if (__builtin_cpu_supports("avx")) {
        zeroUpper();
    }
}

#else

void clearWideVectorState() {}

#endif

} // namespace amsim

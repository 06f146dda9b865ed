# The spectrum analyser's FFT: KissFFT's header-only C++ template, from
# Debian's libkissfft-dev. The header is copied into the build tree so that
# the WebAssembly build, whose compiler must never see /usr/include, reads the
# very file the native build reads. Included as a system header: its own
# warnings are not ours to fix.
find_file(AMSIM_KISSFFT_HEADER kissfft.hh
    PATHS /usr/include/kissfft NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(_kissfft_view ${PROJECT_BINARY_DIR}/third_party)
configure_file(${AMSIM_KISSFFT_HEADER} ${_kissfft_view}/kissfft/kissfft.hh COPYONLY)
add_library(amsim_kissfft INTERFACE)
target_include_directories(amsim_kissfft SYSTEM INTERFACE ${_kissfft_view})
add_library(amsim::kissfft ALIAS amsim_kissfft)

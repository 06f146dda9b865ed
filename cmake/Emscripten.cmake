# Toolchain for the browser page: WebAssembly with the emscripten that the
# set-up script installs (Debian's package, under /usr/share/emscripten);
# EMSCRIPTEN_ROOT in the environment names another installation.
if(DEFINED ENV{EMSCRIPTEN_ROOT})
    set(_amsim_emscripten $ENV{EMSCRIPTEN_ROOT})
else()
    set(_amsim_emscripten /usr/share/emscripten)
endif()
include(${_amsim_emscripten}/cmake/Modules/Platform/Emscripten.cmake)

# The program's errors are C++ exceptions, caught at the event boundary:
# WebAssembly's own exception handling, in every object and at the link.
# Optimized across the libraries at the link (-flto): the drawing's inner
# loops call across them, and a redraw takes a sixth less time.
set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions -flto")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fwasm-exceptions -flto")

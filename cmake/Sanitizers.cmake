# AddressSanitizer and UndefinedBehaviorSanitizer as an INTERFACE target, so
# only the project's own targets are instrumented.
add_library(amsim_sanitizers INTERFACE)
add_library(amsim::sanitizers ALIAS amsim_sanitizers)
if(AMSIM_SANITIZE)
    set(_amsim_san_flags -fsanitize=address,undefined -fno-sanitize-recover=all
                         -fno-omit-frame-pointer)
    target_compile_options(amsim_sanitizers INTERFACE ${_amsim_san_flags})
    # gcc 12, optimising with the sanitizers' checks in, takes std::regex's
    # own std::function members for maybe uninitialized; the ci build,
    # optimised without them, still warns of every real one.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(amsim_sanitizers INTERFACE -Wno-maybe-uninitialized)
    endif()
    target_link_options(amsim_sanitizers INTERFACE ${_amsim_san_flags})
endif()
# Coverage feedback for libFuzzer in every library the fuzzer drives; the
# fuzzer itself links the runtime with -fsanitize=fuzzer (fuzz/CMakeLists.txt).
if(AMSIM_FUZZ)
    target_compile_options(amsim_sanitizers INTERFACE -fsanitize=fuzzer-no-link)
endif()

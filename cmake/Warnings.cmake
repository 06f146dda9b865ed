# Warnings travel with the targets that link amsim_warnings, never as global flags.
add_library(amsim_warnings INTERFACE)
add_library(amsim::warnings ALIAS amsim_warnings)
target_compile_options(amsim_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wnull-dereference
    -Wdouble-promotion -Wimplicit-fallthrough
    $<$<BOOL:${AMSIM_WERROR}>:-Werror>)

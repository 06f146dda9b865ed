# amsim_library(<layer> <sources>... [QT]): the library of one folder under
# src/, amsim_<layer>, linked by its alias amsim::<layer>, with the project's
# warnings and sanitizers. Only a QT library runs moc, uic and rcc.
#
# Its include path is a folder of its own in the build tree that holds one
# link, src/<layer>, to its sources: "<layer>/X.h" reads as it does in the
# source tree, but only the layers it links are found, so an include that
# climbs to a layer above fails to build.
function(amsim_library layer)
    cmake_parse_arguments(ARG "QT" "" "" ${ARGN})
    add_library(amsim_${layer} STATIC ${ARG_UNPARSED_ARGUMENTS})
    add_library(amsim::${layer} ALIAS amsim_${layer})
    set(view ${PROJECT_BINARY_DIR}/layers/${layer}/src)
    file(MAKE_DIRECTORY ${view})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${layer} ${view}/${layer} SYMBOLIC)
    target_include_directories(amsim_${layer} PUBLIC ${view})
    target_link_libraries(amsim_${layer} PRIVATE amsim::warnings PUBLIC amsim::sanitizers)
    if(ARG_QT)
        set_target_properties(amsim_${layer} PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
    endif()
endfunction()

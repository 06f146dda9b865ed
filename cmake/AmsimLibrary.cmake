# amsim_library(<layer> <sources>... [QT]): the library of one folder under
# src/, amsim_<layer>, linked by its alias amsim::<layer>, with the project's
# warnings and sanitizers. Only a QT library runs moc, uic and rcc.
function(amsim_library layer)
    cmake_parse_arguments(ARG "QT" "" "" ${ARGN})
    add_library(amsim_${layer} STATIC ${ARG_UNPARSED_ARGUMENTS})
    add_library(amsim::${layer} ALIAS amsim_${layer})
    target_include_directories(amsim_${layer} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(amsim_${layer} PRIVATE amsim::warnings PUBLIC amsim::sanitizers)
    if(ARG_QT)
        set_target_properties(amsim_${layer} PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
    endif()
endfunction()

# Installation and the Debian package. The application's desktop entry,
# AppStream metadata and icon share one reverse-DNS id.
include(GNUInstallDirs)

set(AMSIM_APP_ID io.github.amsim.Amsim)
# No address exists yet; the reserved .invalid domain says so and never delivers.
set(AMSIM_MAINTAINER "amsim developers <amsim@amsim.invalid>")
set(_amsim_data ${PROJECT_SOURCE_DIR}/data)

install(FILES ${_amsim_data}/${AMSIM_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${_amsim_data}/${AMSIM_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${_amsim_data}/${AMSIM_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)

# Debian wants the copyright and a compressed changelog in the package's
# documentation folder; gzip -n keeps the package the same from build to build.
configure_file(${_amsim_data}/changelog.in changelog @ONLY)
add_custom_command(
    OUTPUT changelog.gz
    COMMAND gzip -9nc changelog > changelog.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
    VERBATIM)
add_custom_target(amsim_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES ${_amsim_data}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The manual page in each language, compressed as Debian wants; its
# parameters' options come from the engine's table in that language. The
# Spanish one, the program's own language, is the default manual; the others
# go where man finds them for an English or Brazilian Portuguese reader.
add_executable(amsim_manual_options ${PROJECT_SOURCE_DIR}/tools/ManualOptions.cpp)
target_link_libraries(amsim_manual_options PRIVATE amsim::params amsim::warnings)
set(_amsim_manuals)
foreach(_language IN ITEMS es en pt)
    if(_language STREQUAL "es")
        set(_template amsim.1.in)
        set(_folder man1)
    else()
        set(_template amsim.${_language}.1.in)
        set(_folder ${_language}/man1)
    endif()
    if(_language STREQUAL "pt")
        set(_folder pt_BR/man1)
    endif()
    set(_manual ${CMAKE_CURRENT_BINARY_DIR}/man/${_folder}/amsim.1)
    add_custom_command(
        OUTPUT ${_manual}.gz
        COMMAND amsim_manual_options ${_language} > parameter-options.${_language}.troff
        COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${_amsim_data}/${_template}
                -DOPTIONS_FILE=parameter-options.${_language}.troff -DOUTPUT=${_manual}
                -DPROJECT_VERSION=${PROJECT_VERSION} -P ${PROJECT_SOURCE_DIR}/cmake/Manual.cmake
        COMMAND gzip -9nc ${_manual} > ${_manual}.gz
        DEPENDS amsim_manual_options ${_amsim_data}/${_template}
                ${PROJECT_SOURCE_DIR}/cmake/Manual.cmake
        VERBATIM)
    list(APPEND _amsim_manuals ${_manual}.gz)
    install(FILES ${_manual}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${_folder})
endforeach()
add_custom_target(amsim_manual ALL DEPENDS ${_amsim_manuals})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME amsim)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "amsim developers")
set(CPACK_PACKAGE_CONTACT "${AMSIM_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulator of amplitude modulation: AM, DSB and SSB")
# The summary is the synopsis; CPack indents the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A desktop bench for radio students: an audio generator, a transmitter built
round a balanced modulator, a receiver with a product detector, an
oscilloscope with six traces and a spectrum analyser, all in one window.
Five parameters (modulating amplitude, DC level, the two sideband switches
and the phase of the reinserted carrier) are stepped or typed, and the whole
picture is drawn again. The program speaks Spanish, English and Portuguese.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, where dpkg-shlibdeps cannot see them: the captions'
# fonts, the image plugin that reads the block diagram, and Qt's own words
# in Spanish and Portuguese.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libqt6svg6, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)

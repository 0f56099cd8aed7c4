# Install layout and the Debian package. The program finds its print list and templates in
# <prefix>/share/kelvo, beside <prefix>/bin; the language tables and the help are built in.
include(GNUInstallDirs)

set(KELVO_DESKTOP_ID eu.kelvo.zuzivodi)
set(kelvo_desktop_dir ${PROJECT_SOURCE_DIR}/data/desktop)

install(TARGETS zuzivodi-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
if(TARGET zuzivodi)
    install(TARGETS zuzivodi RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
endif()

install(FILES ${PROJECT_SOURCE_DIR}/data/zuzivodi.pls
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kelvo COMPONENT program)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/templates/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kelvo/templates COMPONENT program)

install(FILES ${kelvo_desktop_dir}/${KELVO_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT program)
install(FILES ${kelvo_desktop_dir}/${KELVO_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT program)
install(FILES ${kelvo_desktop_dir}/${KELVO_DESKTOP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT program)
# The PNG sizes are rendered from the SVG with rsvg-convert and committed (the command is in
# scripts/package.sh), so building needs no SVG renderer.
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${kelvo_desktop_dir}/png/${KELVO_DESKTOP_ID}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${KELVO_DESKTOP_ID}.png COMPONENT program)
endforeach()

# Installs into a temporary DESTDIR and checks that every file of the layout is there.
if(KELVO_BUILD_TESTS)
    set(kelvo_expected_files
        bin/zuzivodi-cli
        share/kelvo/zuzivodi.pls
        share/kelvo/templates/fit_report_en.txt
        share/kelvo/templates/inspection_sheet_de.rtf
        share/kelvo/templates/workpiece_sheet_bg.rtf
        share/applications/${KELVO_DESKTOP_ID}.desktop
        share/metainfo/${KELVO_DESKTOP_ID}.metainfo.xml
        share/icons/hicolor/scalable/apps/${KELVO_DESKTOP_ID}.svg
        share/icons/hicolor/16x16/apps/${KELVO_DESKTOP_ID}.png
        share/icons/hicolor/48x48/apps/${KELVO_DESKTOP_ID}.png
        share/icons/hicolor/256x256/apps/${KELVO_DESKTOP_ID}.png)
    if(TARGET zuzivodi)
        list(APPEND kelvo_expected_files bin/zuzivodi)
    endif()
    add_test(NAME kelvo_install_layout
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                     -DCONFIG=$<CONFIG> "-DEXPECTED_FILES=${kelvo_expected_files}"
                     -P ${CMAKE_CURRENT_LIST_DIR}/check_install.cmake)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvo-zuzivodi)
set(CPACK_PACKAGE_VENDOR "KELVO")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}: ISO limits and fits calculator")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Desktop calculator for ISO limits and fits (ISO 286-1), workshop gauges (ISO/R 1938, "
       "DIN 7150-2) and setting masters (DIN 2250), with the command-line tool zuzivodi-cli.")
set(CPACK_PACKAGE_CONTACT "KELVO developers <dev@kelvo.eu>")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kelvo)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kelvo.eu")
# dpkg-shlibdeps reads the Qt and C++ runtime libraries off the binaries; the platform
# plugin is loaded at run time, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET zuzivodi)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
include(CPack)

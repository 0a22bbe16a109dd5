# Installation and the Debian package. The paths follow GNUInstallDirs:
# programs in bin/, the shipped data in share/quarzel/ (where the installed
# program looks for it, see settings/konfiguration.cpp), the documentation in
# share/doc/quarzel/, and what a desktop needs to offer the program and open
# ".qzz" files with it (menu entry, icon, file type).

install(TARGETS quarzel quarzel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quarzel)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
              ${PROJECT_SOURCE_DIR}/docs/architecture.md ${PROJECT_SOURCE_DIR}/docs/file-format.md
              ${PROJECT_SOURCE_DIR}/docs/macro-language.md
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/quarzel)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/quarzel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/quarzel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/quarzel.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

set(CPACK_PACKAGE_NAME quarzel)
set(CPACK_PACKAGE_VENDOR Quarzel)
set(CPACK_PACKAGE_CONTACT "Quarzel <dev@quarzel.invalid>")
# The summary is the first line of the Debian description; CPack indents the
# lines below it but does not wrap them.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "2D drafting program for architects and engineers (German user interface)")
set(CPACK_PACKAGE_DESCRIPTION
    "Quarzel draws plans on a sheet: lines, arcs, circles, polygons, curves,\n"
    "texts, fills, hatches, gradients, pictures, dimensions, symbols and\n"
    "groups, organised in layers with their own scale and unit, kept in .qzz\n"
    "files. The package holds the desktop program and quarzel-cli, a\n"
    "command-line tool for scripts.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries' packages as the linked libraries demand them (dpkg-shlibdeps,
# package dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The DWG import runs its converter (share/quarzel/DWG, with the library that
# `make deps` put into data/DWG/node_modules) under Node.js.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "nodejs (>= 18)")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

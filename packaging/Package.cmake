# `make package`: a Debian package of both programs with CPack, installed under /usr exactly as
# `cmake --install` lays them out, plus the files every Debian package carries in
# share/doc/quillane-light (the copyright statement and a compressed changelog). The shared
# libraries the programs need become dependencies through dpkg-shlibdeps (Debian dpkg-dev).
set(QL_PACKAGE_CONTACT "Quillane_Light developers <quillane-light@example.org>"
    CACHE STRING "Maintainer field of the Debian package")
set(QL_PACKAGE_DOC_DIR share/doc/quillane-light)

# Debian wants the changelog compressed with gzip -9n, so that the bytes do not depend on the
# time of the build.
set(QL_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_CURRENT_LIST_DIR}/changelog)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
execute_process(COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/changelog
                OUTPUT_FILE ${QL_CHANGELOG_GZ} RESULT_VARIABLE QL_GZIP_RESULT)
if(NOT QL_GZIP_RESULT EQUAL 0)
  message(FATAL_ERROR "gzip could not compress packaging/changelog")
endif()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${QL_CHANGELOG_GZ}
        DESTINATION ${QL_PACKAGE_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillane-light)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QL_PACKAGE_CONTACT})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION otherosfs)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window cannot open without the toolkit's platform plugins, which no library links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Commodore 1541 disk image directory viewer")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Shows the directory of a .d64 disk image exactly as a Commodore 64 lists it,
with its reverse-video header, block counts, quoted names and file types,
and with directory art (control codes and BASIC keywords in names) drawn
cell by cell in the C64's colours with both Commodore character sets.
.
The package holds the desktop viewer quillane-light, the command-line lister
quillane-dir (text, or PNG pictures of the listing), a desktop entry, the
MIME type of .d64 files and a thumbnailer that shows each image's directory
in file managers.")
include(CPack)

# `make windows-package`: build-win/quillane-light-<version>-win64.zip, one folder to unpack
# anywhere: the program, the two font files beside it, a README for Windows users and the
# licences (the program's and the fonts', and the PNG encoder's, taken from its header).
install(TARGETS quillane-dir RUNTIME DESTINATION .)
if(TARGET quillane-light)
  install(TARGETS quillane-light RUNTIME DESTINATION .)
endif()
install(FILES ${QL_BIN_DIR}/Vexa-Upper.fon ${QL_BIN_DIR}/Vexa-Lower.fon DESTINATION .)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/README-windows.txt DESTINATION . RENAME README.txt)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION . RENAME copyright.txt)

file(READ ${QL_STB_IMAGE_WRITE} QL_STB_TEXT)
string(FIND "${QL_STB_TEXT}" "This software is available under 2 licenses" QL_STB_LICENCE_AT
       REVERSE)
if(QL_STB_LICENCE_AT LESS 0)
  message(FATAL_ERROR "no licence text found in ${QL_STB_IMAGE_WRITE}")
endif()
string(SUBSTRING "${QL_STB_TEXT}" ${QL_STB_LICENCE_AT} -1 QL_STB_LICENCE)
string(REGEX REPLACE "\\*/[ \t\r\n]*$" "" QL_STB_LICENCE "${QL_STB_LICENCE}")
file(WRITE ${CMAKE_BINARY_DIR}/packaging/stb_image_write.txt
     "stb_image_write (PNG encoder), by Sean Barrett\n\n${QL_STB_LICENCE}")
install(FILES ${CMAKE_BINARY_DIR}/packaging/stb_image_write.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME quillane-light)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME quillane-light-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)

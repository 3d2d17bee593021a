# What a Windows build (cross-built with cmake/mingw-w64-x86_64.cmake) does differently: the
# Windows headers in their Unicode forms, GoogleTest built from Debian's sources with the same
# compiler, and every program built here run under Wine with a prefix of the build's own.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00)

if(CMAKE_CROSSCOMPILING)
  find_program(QL_WINE wine REQUIRED)
  set(QL_WINE_RUN ${CMAKE_BINARY_DIR}/wine-run.sh)
  configure_file(${CMAKE_SOURCE_DIR}/tools/wine-run.sh.in ${QL_WINE_RUN} @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QL_WINE_RUN})
endif()

set(QL_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian googletest)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${QL_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# Shared build settings and functions.

# Warnings are errors on every build.
add_compile_options(-Wall -Wextra -Werror)

if(WIN32)
  # ANSI builds for Windows 95 and later: no UNICODE, the narrow API.
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0600 WINVER=0x0600)
  set(OMB_ALLOWED_IMPORTS
      kernel32 user32 gdi32 comctl32 comdlg32 advapi32 shell32 version ws2_32 msvcrt)
elseif(OMB_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Programs built here can run here, except in the 32-bit Windows build (no
# 32-bit emulation on these machines): that one compiles and links its tests.
if(NOT WIN32 OR CMAKE_CROSSCOMPILING_EMULATOR)
  set(OMB_CAN_RUN TRUE)
else()
  set(OMB_CAN_RUN FALSE)
endif()

# A library of portable code, built for every system.
function(omb_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# A Windows binary that ships: stripped, and the build fails when it imports
# from a library outside the list the program may use, since it must run on
# a bare Windows.
function(omb_shipped target)
  if(NOT WIN32)
    return()
  endif()
  target_link_options(${target} PRIVATE -s)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DBINARY=$<TARGET_FILE:${target}>
            "-DALLOWED=${OMB_ALLOWED_IMPORTS}" -P ${PROJECT_SOURCE_DIR}/cmake/CheckImports.cmake
    VERBATIM)
endfunction()

# GoogleTest from Debian's source, built with this build's compiler.
function(omb_use_gtest)
  if(TARGET gtest)
    return()
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # The Debian source is not ours to hold to our warnings.
  target_compile_options(gtest PRIVATE -w)
  target_compile_options(gtest_main PRIVATE -w)
endfunction()

# A GoogleTest program registered with ctest: omb_gtest(name sources...
# [ARGS arguments...] [PROPERTIES test properties...]). Native programs have
# each test listed; Windows programs run once under the emulator (one Wine
# start each).
function(omb_gtest name)
  cmake_parse_arguments(T "" "" "ARGS;PROPERTIES" ${ARGN})
  omb_use_gtest()
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE gtest_main)
  if(NOT OMB_CAN_RUN)
    return()
  elseif(WIN32)
    add_test(NAME ${name} COMMAND ${name} ${T_ARGS})
    if(T_PROPERTIES)
      set_tests_properties(${name} PROPERTIES ${T_PROPERTIES})
    endif()
  else()
    include(GoogleTest)
    if(T_PROPERTIES)
      set(T_PROPERTIES PROPERTIES ${T_PROPERTIES})
    endif()
    gtest_discover_tests(${name} EXTRA_ARGS ${T_ARGS} DISCOVERY_TIMEOUT 30 ${T_PROPERTIES})
  endif()
endfunction()

# A Windows program run under Wine in a prefix that stands for a machine
# fixture (registry, drives, Windows version: see scripts/wine-machine.sh):
# omb_wine_machine_test(NAME name FIXTURE folder COMMAND program args...).
# Paths in the checkout reach the program as P:\ paths. The fixture's
# HKEY_DYN_DATA keys are created in the running wineserver first, by the
# omb_regload helper of tests/wine/platform.
function(omb_wine_machine_test)
  cmake_parse_arguments(T "" "NAME;FIXTURE" "COMMAND" ${ARGN})
  if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    return()
  endif()
  add_test(NAME ${T_NAME}
           COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-machine.sh --dyn-data $<TARGET_FILE:omb_regload>
                   ${T_FIXTURE} ${T_COMMAND})
endfunction()

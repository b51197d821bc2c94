# Cross build for 32-bit Windows, the shipping build. Its programs cannot run
# on these machines (no 32-bit emulation), so it has no emulator.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# Cross-compiles for Windows with Debian's mingw-w64 (POSIX threads) for the processor that the
# including toolchain file names in TARVINEL_MINGW_PROCESSOR; tests run under its Wine loader,
# TARVINEL_MINGW_WINE, in the Wine session that CTest gives them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TARVINEL_MINGW_PROCESSOR})
set(triplet ${TARVINEL_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# One self-contained executable: no MinGW runtime DLLs to find under Wine or on Windows. Unused
# functions and data are left out of it.
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--gc-sections")
set(CMAKE_CROSSCOMPILING_EMULATOR bash ${CMAKE_CURRENT_LIST_DIR}/../tests/windows/wine-session
                                   ${TARVINEL_MINGW_WINE})

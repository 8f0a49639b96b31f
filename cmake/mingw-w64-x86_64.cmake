# 64-bit Windows.
set(TARVINEL_MINGW_PROCESSOR x86_64)
set(TARVINEL_MINGW_WINE /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# 32-bit Windows.
set(TARVINEL_MINGW_PROCESSOR i686)
set(TARVINEL_MINGW_WINE /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

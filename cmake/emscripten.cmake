# Builds the web edition with Debian's emscripten. Its tests run under Node.js, which needs its
# own fetch switched off to load a module from a file; the module's JavaScript is checked by
# Debian's acorn, which Node.js finds through NODE_PATH (the presets set it).
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
find_program(TARVINEL_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TARVINEL_NODE} --no-experimental-fetch)

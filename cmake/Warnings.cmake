# Every target of the project compiles with the same warnings; sources are UTF-8. Warnings are
# errors only where developers build (the presets set CMAKE_COMPILE_WARNING_AS_ERROR), never in a
# distribution's build with a newer compiler.
add_library(tarvinel_warnings INTERFACE)
if(MSVC)
  target_compile_options(tarvinel_warnings INTERFACE /W4 /utf-8 /permissive-)
else()
  target_compile_options(tarvinel_warnings INTERFACE -Wall -Wextra -Wpedantic)
endif()

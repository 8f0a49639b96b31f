# Every target of the project compiles with the same strict warnings; sources are UTF-8.
add_library(tarvinel_warnings INTERFACE)
if(MSVC)
  target_compile_options(tarvinel_warnings INTERFACE /W4 /WX /utf-8 /permissive-)
else()
  target_compile_options(tarvinel_warnings INTERFACE -Wall -Wextra -Wpedantic -Werror)
endif()

# Optimised builds for Linux are hardened as Debian builds its packages: position-independent
# executables, stack protector, fortified C library calls, and full RELRO with immediate binding.
if(NOT WIN32 AND NOT EMSCRIPTEN AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  set(optimised "$<NOT:$<CONFIG:Debug>>")
  add_compile_options(-fstack-protector-strong "$<${optimised}:-D_FORTIFY_SOURCE=2>")
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()

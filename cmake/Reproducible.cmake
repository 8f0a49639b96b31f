# An optimised build writes the same bytes wherever and whenever it runs: the sources' paths are
# written relative to the source folder (in __FILE__, in debug information and as the folder the
# compiler ran in), Windows executables carry no link time, and every other date is
# SOURCE_DATE_EPOCH's, which the release sets to the last commit's.
set(optimised "$<NOT:$<CONFIG:Debug>>")
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options("$<${optimised}:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>")
endif()
if(MINGW)
  add_link_options(LINKER:--no-insert-timestamp)
endif()

#include <cstdlib>

// An uncaught exception ends the program with abort(), as the C++ standard's own terminate
// handler does. Defining the handler that libstdc++ installs by default keeps its demangler
// (about 70 KB) out of the self-contained executable; a GUI program has no console to print a
// demangled exception name on anyway.
namespace __gnu_cxx {
void __verbose_terminate_handler();
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

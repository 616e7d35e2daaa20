// The program is a window without a console: on an uncaught exception there is nowhere to
// print what libstdc++'s verbose terminate handler would say. This handler ends the program
// the same way, without the message, and keeps the handler's name demangler and what it
// brings along (about 80 KB) out of the one-file program.
#include <cxxabi.h>

#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

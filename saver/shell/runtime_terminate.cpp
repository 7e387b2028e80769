// What std::terminate does in the shipped programs: end at once through abort.
//
// libstdc++'s default handler first prints the uncaught exception's type,
// demangled, to the standard error stream, which a GUI program does not have;
// its demangler alone is about 48 KB. This definition takes its place at link
// time. The programs throw nothing that escapes (the display device catches
// its own step code), so this runs only when something is badly wrong.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler()
{
    std::abort();
}

}  // namespace __gnu_cxx

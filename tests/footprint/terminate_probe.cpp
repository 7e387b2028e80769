// Calls std::terminate: how the program ends shows which terminate handler
// it carries (built with and without saver/shell/runtime_terminate.cpp).
#include <exception>

int main()
{
    std::terminate();
}

// The device tests' fixture: fake installed, queue drained, log read back.
#include "tests/display/device_fixture.h"

#include "tests/wine/bench.h"

namespace devicetest {

std::string ReadLog()
{
    std::string text;
    if (!bench::ReadFile("c:\\Tarnovelle.log", &text))
        return "<no log>";
    return text;
}

std::string OnDisk(const std::string& text)
{
    std::string stored;
    for (char c : text) {
        if (c == '\n')
            stored += '\r';
        stored += c;
    }
    return stored;
}

bool DrainQueue()
{
    bool quit = false;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            quit = true;
        else
            DispatchMessageA(&message);
    }
    return quit;
}

void DeviceTest::SetUp()
{
    fake::Install();
    DrainQueue();
}

void DeviceTest::TearDown()
{
    DrainQueue();
    fake::Uninstall();
}

}  // namespace devicetest

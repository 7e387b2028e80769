// The stand-ins for parts of the compiler's runtime that the shipped programs
// link (saver/shell/runtime_*.cpp), run under Wine: snprintf's C99 contract
// over msvcrt.dll, the CreateSemaphoreW import served by CreateSemaphoreA,
// and std::terminate ending the program through abort without a word.
#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "tests/wine/bench.h"

namespace {

// Formats into a buffer of size bytes followed by guard bytes; returns the
// result and the text, and checks that nothing was written past size.
struct Formatted {
    int result;
    std::string text;
    bool guardIntact;
};

Formatted FormatInto(size_t size, const char* format, ...)
{
    std::string buffer(size + 8, '#');
    va_list arguments;
    va_start(arguments, format);
    int result = std::vsnprintf(buffer.data(), size, format, arguments);
    va_end(arguments);
    bool guardIntact = buffer.compare(size, 8, "########") == 0;
    std::string text = size > 0 ? std::string(buffer.c_str()) : std::string("<untouched>");
    if (size > 0 && text.size() >= size)
        text = "<no terminator>";
    return {result, text, guardIntact};
}

TEST(RuntimeFormatWine, SixCharactersIntoBuffersAroundTheirLength)
{
    const struct {
        size_t size;
        const char* stored;
    } cases[] = {
        {64, "abcdef"}, {7, "abcdef"}, {6, "abcde"}, {5, "abcd"}, {2, "a"}, {1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        Formatted f = FormatInto(c.size, "%s", "abcdef");
        EXPECT_EQ(f.result, 6) << "the whole length, also when cut";
        EXPECT_EQ(f.text, c.stored);
        EXPECT_TRUE(f.guardIntact);
    }
}

TEST(RuntimeFormatWine, NoBufferOnlyCounts)
{
    EXPECT_EQ(std::snprintf(nullptr, 0, "%dx%d", 1024, 768), 8);
    char untouched = 'z';
    EXPECT_EQ(std::snprintf(&untouched, 0, "%s", "abc"), 3);
    EXPECT_EQ(untouched, 'z');
}

TEST(RuntimeFormatWine, TextsLongerThanEveryScratchBufferAreCountedWhole)
{
    for (size_t length : {255u, 256u, 257u, 5000u, 70000u}) {
        SCOPED_TRACE(length);
        std::string long_text(length, 'w');
        Formatted f = FormatInto(16, "<%s>", long_text.c_str());
        EXPECT_EQ(f.result, static_cast<int>(length + 2));
        EXPECT_EQ(f.text, "<wwwwwwwwwwwwww");
        EXPECT_TRUE(f.guardIntact);
    }
}

TEST(RuntimeFormatWine, TheConversionsTheProgramsUse)
{
    const struct {
        Formatted got;
        const char* want;
    } cases[] = {
        {FormatInto(64, "%d", INT_MIN), "-2147483648"},
        {FormatInto(64, "0x%x", 0x8876017cu), "0x8876017c"},
        {FormatInto(64, "%dx%d", 640, 480), "640x480"},
        {FormatInto(64, "FPS: %d  %s%s", 87, "SONG: ", "A.MID"), "FPS: 87  SONG: A.MID"},
        {FormatInto(64, "\"%s\" /s", "c:\\my saver\\Tarnovelle.scr"), "\"c:\\my saver\\Tarnovelle.scr\" /s"},
        {FormatInto(64, "%s%s", "", ""), ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.got.text, c.want);
        EXPECT_EQ(c.got.result, static_cast<int>(std::string(c.want).size()));
    }
}

TEST(RuntimeFormatWine, FprintfWritesThroughMsvcrt)
{
    std::string path = bench::WindowsDirectory() + "\\footprint-fprintf.txt";
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(std::fprintf(file, "%s=%d;", "seed", -42), 9);
    std::fclose(file);
    std::string contents;
    ASSERT_TRUE(bench::ReadFile(path, &contents));
    EXPECT_EQ(contents, "seed=-42;");
    DeleteFileA(path.c_str());
}

TEST(RuntimeSemaphoreWine, TheImportIsServedByTheAnsiFunction)
{
    FARPROC kernel = GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateSemaphoreW");
    EXPECT_NE(reinterpret_cast<void*>(&CreateSemaphoreW), reinterpret_cast<void*>(kernel));

    HANDLE unnamed = CreateSemaphoreW(nullptr, 0, 2, nullptr);
    ASSERT_NE(unnamed, nullptr);
    EXPECT_EQ(WaitForSingleObject(unnamed, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    LONG previous = -1;
    EXPECT_TRUE(ReleaseSemaphore(unnamed, 2, &previous));
    EXPECT_EQ(previous, 0);
    EXPECT_EQ(WaitForSingleObject(unnamed, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(WaitForSingleObject(unnamed, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(WaitForSingleObject(unnamed, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_FALSE(ReleaseSemaphore(unnamed, 3, nullptr)) << "past the maximum of 2";
    CloseHandle(unnamed);
}

TEST(RuntimeSemaphoreWine, NamesReachTheAnsiFunctionOrFailWhenTooLong)
{
    HANDLE named = CreateSemaphoreW(nullptr, 1, 1, L"TarnovelleFootprintSemaphore");
    ASSERT_NE(named, nullptr);
    HANDLE opened = OpenSemaphoreA(SEMAPHORE_ALL_ACCESS, FALSE, "TarnovelleFootprintSemaphore");
    EXPECT_NE(opened, nullptr) << "the same object, found by its narrow name";
    if (opened != nullptr) {
        EXPECT_EQ(WaitForSingleObject(opened, 0), static_cast<DWORD>(WAIT_OBJECT_0));
        EXPECT_EQ(WaitForSingleObject(named, 0), static_cast<DWORD>(WAIT_TIMEOUT));
        CloseHandle(opened);
    }
    CloseHandle(named);

    std::wstring tooLong(MAX_PATH, L'n');
    SetLastError(0);
    EXPECT_EQ(CreateSemaphoreW(nullptr, 1, 1, tooLong.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

// Runs a probe program with its standard error in a file; returns its exit
// code and what it wrote there.
bool RunCapturingErrors(const char* probe, DWORD* exitCode, std::string* errors)
{
    std::string path = bench::WindowsDirectory() + "\\footprint-stderr.txt";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = file;
    startup.hStdError = file;
    PROCESS_INFORMATION info{};
    std::string line = bench::CommandLine(bench::BuildPath(probe), "");
    bool started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                  &info);
    CloseHandle(file);
    if (!started)
        return false;
    bool ended = WaitForSingleObject(info.hProcess, 20000) == WAIT_OBJECT_0;
    if (!ended)
        TerminateProcess(info.hProcess, 255);
    GetExitCodeProcess(info.hProcess, exitCode);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    bench::ReadFile(path, errors);
    DeleteFileA(path.c_str());
    return ended;
}

TEST(RuntimeTerminateWine, TerminateAbortsWithoutTheLibrarysMessage)
{
    DWORD exitCode = 0;
    std::string errors;
    ASSERT_TRUE(RunCapturingErrors("tests\\footprint\\terminate_probe.exe", &exitCode, &errors));
    EXPECT_EQ(exitCode, 3u) << "abort's exit code";
    EXPECT_EQ(errors.find("terminate called"), std::string::npos) << errors;

    // The same probe without the stand-in shows what the check tells apart.
    ASSERT_TRUE(RunCapturingErrors("tests\\footprint\\terminate_probe_default.exe", &exitCode, &errors));
    EXPECT_EQ(exitCode, 3u);
    EXPECT_NE(errors.find("terminate called without an active exception"), std::string::npos) << errors;
}

}  // namespace

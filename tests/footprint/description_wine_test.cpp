// The saver carries no description text of its own: the Display Properties
// list then shows it by its file name, "Tarnovelle", which is the entry the
// installer looks for. A description would be string 1 of a string table.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/wine/bench.h"

namespace {

BOOL CALLBACK NoteType(HMODULE, LPSTR type, LONG_PTR found)
{
    if (IS_INTRESOURCE(type) && type == RT_STRING)
        *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

TEST(SaverDescriptionWine, NoStringTableSoTheListShowsTheFileName)
{
    HMODULE saver = LoadLibraryExA(bench::BuildPath("Tarnovelle.scr").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(saver, nullptr);
    bool stringTable = false;
    EXPECT_TRUE(EnumResourceTypesA(saver, NoteType, reinterpret_cast<LONG_PTR>(&stringTable)));
    EXPECT_FALSE(stringTable);
    char text[256] = "unchanged";
    EXPECT_EQ(LoadStringA(saver, 1, text, sizeof text), 0);
    // The resources it does carry are found the same way: the check can see them.
    EXPECT_NE(FindResourceA(saver, MAKEINTRESOURCEA(101), RT_DIALOG), nullptr);
    FreeLibrary(saver);
}

}  // namespace

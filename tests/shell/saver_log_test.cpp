// The run's log: start, plain and error entries, the error flag, the limit of
// one entry, and a log that cannot be opened.
#include "saver/shell/saver_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct SaverLogTest : ::testing::Test {
    void SetUp() override
    {
        directory = std::filesystem::temp_directory_path()
                    / ("tarnovelle-log-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed())
                       + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(directory);
        path = (directory / "Tarnovelle.log").string();
        savedPath = SaverLogPath;
        SaverLogPath = path.c_str();
    }
    void TearDown() override
    {
        SaverLogPath = savedPath;
        std::filesystem::remove_all(directory);
    }
    std::string Contents() const
    {
        std::ifstream file(path, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    std::filesystem::path directory;
    std::string path;
    const char* savedPath = nullptr;
};

TEST_F(SaverLogTest, StartTruncatesAndEntriesAppendInOrder)
{
    {
        std::ofstream old(path);
        old << "last run's entries\n";
    }
    ErrorsLogged = 1;
    StartSaverLog();
    EXPECT_EQ(ErrorsLogged, 0);
    EXPECT_EQ(Contents(), "Starting log\n\n");

    LogPlain("Error locking frame buffer: 0x%x\n", 0x887601c2u);
    EXPECT_EQ(ErrorsLogged, 0) << "plain entries never cause a report";
    LogError("SetDisplayMode failed. Error: 0x%x\n   (%dx%d)\n", 0x80004001u, 640, 480);
    EXPECT_EQ(ErrorsLogged, 1);
    LogPlain("%s", "no line end");
    EXPECT_EQ(Contents(), "Starting log\n\n"
                          "Error locking frame buffer: 0x887601c2\n"
                          "!! SetDisplayMode failed. Error: 0x80004001\n   (640x480)\n"
                          "no line end");
}

TEST_F(SaverLogTest, AnEntryHoldsAtMost2047Characters)
{
    StartSaverLog();
    std::string longText(5000, 'x');
    LogPlain("%s", longText.c_str());
    LogError("%s", longText.c_str());
    std::string expected = "Starting log\n\n" + std::string(2047, 'x') + "!! " + std::string(2047, 'x');
    EXPECT_EQ(Contents(), expected);
}

TEST_F(SaverLogTest, ALogThatCannotBeOpenedLosesEntriesButStillFlagsErrors)
{
    std::string missing = (directory / "no-such-folder" / "Tarnovelle.log").string();
    SaverLogPath = missing.c_str();
    ErrorsLogged = 1;
    StartSaverLog();
    EXPECT_EQ(ErrorsLogged, 0);
    LogPlain("plain\n");
    EXPECT_EQ(ErrorsLogged, 0);
    LogError("error setting palette\n");
    EXPECT_EQ(ErrorsLogged, 1);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

}  // namespace

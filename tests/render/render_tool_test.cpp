// The headless renderer: its options, its files, and its refusals.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "saver/engine/engine.h"
#include "saver/engine/run_flags.h"
#include "saver/settings/settings.h"
#include "tools/render/memory_host.h"
#include "tools/render/render_options.h"
#include "tools/render/render_run.h"

namespace {

std::string Parse(std::vector<const char*> arguments, RenderOptions* options)
{
    arguments.insert(arguments.begin(), "tarnovelle-render");
    return ParseRenderOptions(static_cast<int>(arguments.size()), arguments.data(), options);
}

TEST(RenderOptions, DefaultsAreTheSettingsDefaults)
{
    RenderOptions options;
    ASSERT_EQ(Parse({"--out", "x.bmp"}, &options), "");
    EXPECT_EQ(options.width, 640);
    EXPECT_EQ(options.height, 480);
    EXPECT_EQ(options.seed, 0u);
    EXPECT_EQ(options.waves, 6);
    EXPECT_EQ(options.morphSpeed, 2);
    EXPECT_EQ(options.roughness, 0);
    EXPECT_EQ(options.colorCycle, 3);
    EXPECT_EQ(options.frames, 1u);
    EXPECT_EQ(options.bmpPath, "x.bmp");
}

TEST(RenderOptions, SettingsAreHeldToTheirLimits)
{
    RenderOptions options;
    ASSERT_EQ(Parse({"--waves", "12", "--morph-speed", "-4", "--roughness", "5000", "--color-cycle", "-1",
                     "--seed", "4294967295", "--width", "321", "--height", "7", "--frames", "30", "--png", "p.png"},
                    &options),
              "");
    EXPECT_EQ(options.waves, 9);
    EXPECT_EQ(options.morphSpeed, 0);
    EXPECT_EQ(options.roughness, 1000);
    EXPECT_EQ(options.colorCycle, 0);
    EXPECT_EQ(options.seed, 4294967295u);
    EXPECT_EQ(options.width, 321);
    EXPECT_EQ(options.height, 7);
    EXPECT_EQ(options.frames, 30u);
    EXPECT_EQ(options.pngPath, "p.png");
    ASSERT_EQ(Parse({"--waves", "1", "--out", "o"}, &options), "");
    EXPECT_EQ(options.waves, 3);
}

TEST(RenderOptions, RefusesWhatIsNotAValidCommand)
{
    const std::vector<std::vector<const char*>> bad = {
        {"--out"},                           // missing value
        {"--bogus", "1", "--out", "o"},      // unknown option
        {"--seed", "abc", "--out", "o"},     // not a number
        {"--seed", "12abc", "--out", "o"},
        {"--seed", "-1", "--out", "o"},
        {"--seed", "4294967296", "--out", "o"},
        {"--width", "0", "--out", "o"},
        {"--height", "16385", "--out", "o"},
        {"--frames", "0", "--out", "o"},
        {"--waves", "", "--out", "o"},
        {"--waves", "99999999999", "--out", "o"},
        {"--out", ""},
        {"--seed", "5"},                     // no output
    };
    for (const auto& arguments : bad) {
        RenderOptions options;
        std::string problem = Parse(arguments, &options);
        EXPECT_FALSE(problem.empty()) << arguments[0];
        EXPECT_EQ(problem.find('\n'), std::string::npos);
    }
}

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

uint32_t Read32(const std::string& bytes, size_t at)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

struct RenderFiles : ::testing::Test {
    void SetUp() override
    {
        char pattern[] = "/tmp/tarnovelle-render-test.XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + directory + "'").c_str()); }
    std::string directory;
};

// The same run through the engine directly: the frame and the palette that
// the file must hold.
void RenderInMemory(const RenderOptions& options, MemoryHost* host)
{
    DisplayWidth = options.width;
    DisplayHeight = options.height;
    ScreenClass = ScreenClassForWidth(options.width);
    MainSeed = options.seed;
    UseCurves = options.waves;
    MorphSpeed = options.morphSpeed;
    Roughness = options.roughness;
    ColorCycleMode = options.colorCycle;
    SetEngineHost(host);
    Active = 1;
    ASSERT_TRUE(AllocateWaveTables());
    Restart();
    for (uint32_t i = 0; i < options.frames; ++i)
        RenderFrame();
    FreeWaveTables();
    SetEngineHost(nullptr);
}

TEST_F(RenderFiles, TheBitmapHoldsTheLastFrameBottomUpWithItsUploadedPalette)
{
    RenderOptions options;
    options.width = 322;  // rows padded to 324
    options.height = 41;
    options.seed = 777;
    options.frames = 5;
    options.colorCycle = 2;
    options.bmpPath = directory + "/frame.bmp";
    std::string error;
    ASSERT_EQ(RenderToFiles(options, &error), 0) << error;
    std::string bytes = ReadAll(options.bmpPath);
    ASSERT_EQ(bytes.size(), 1078u + 324u * 41u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(Read32(bytes, 2), bytes.size());
    EXPECT_EQ(Read32(bytes, 10), 1078u);
    EXPECT_EQ(Read32(bytes, 18), 322u);
    EXPECT_EQ(Read32(bytes, 22), 41u);

    MemoryHost host(322, 41, 322);
    RenderInMemory(options, &host);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(static_cast<uint8_t>(bytes[54 + 4 * i + 0]), host.uploadedPalette[4 * i + 2]);
        EXPECT_EQ(static_cast<uint8_t>(bytes[54 + 4 * i + 2]), host.uploadedPalette[4 * i + 0]);
    }
    for (int32_t row = 0; row < 41; ++row) {
        const size_t at = 1078u + static_cast<size_t>(row) * 324u;
        std::string expected(reinterpret_cast<const char*>(&host.backBuffer[static_cast<size_t>(40 - row) * 322]), 322);
        ASSERT_EQ(bytes.substr(at, 322), expected) << row;
        ASSERT_EQ(bytes.substr(at + 322, 2), std::string(2, '\0'));
    }
}

TEST_F(RenderFiles, AFileThatCannotBeWrittenLeavesNothingBehind)
{
    RenderOptions options;
    options.width = 64;
    options.height = 48;
    options.seed = 3;
    options.bmpPath = directory + "/missing/frame.bmp";
    std::string error;
    EXPECT_EQ(RenderToFiles(options, &error), 2);
    EXPECT_NE(error.find("frame.bmp"), std::string::npos);

    // A PNG that fails takes the bitmap of the same run with it.
    options.bmpPath = directory + "/frame.bmp";
    options.pngPath = directory + "/missing/frame.png";
    EXPECT_EQ(RenderToFiles(options, &error), 2);
    struct stat info;
    EXPECT_NE(stat(options.bmpPath.c_str(), &info), 0);
    EXPECT_EQ(std::system(("ls -A '" + directory + "' | grep -q .").c_str()) == 0, false)
        << "the directory must be empty";
}

TEST_F(RenderFiles, ThePngIsAPalettedImageOfTheSameFrame)
{
    RenderOptions options;
    options.width = 32;
    options.height = 16;
    options.seed = 9;
    options.pngPath = directory + "/frame.png";
    std::string error;
    ASSERT_EQ(RenderToFiles(options, &error), 0) << error;
    std::string bytes = ReadAll(options.pngPath);
    ASSERT_GT(bytes.size(), 33u + 768u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    EXPECT_EQ(Read32(std::string{bytes[19], bytes[18], bytes[17], bytes[16]}, 0), 32u);  // big-endian width
    EXPECT_EQ(static_cast<uint8_t>(bytes[24]), 8);   // bit depth
    EXPECT_EQ(static_cast<uint8_t>(bytes[25]), 3);   // colour type: palette
    EXPECT_NE(bytes.find("PLTE"), std::string::npos);
}

TEST(RenderProgram, ExitCodes)
{
    const std::string program = TARNOVELLE_RENDER_PROGRAM;
    auto run = [&program](const std::string& arguments) {
        int status = std::system((program + " " + arguments + " >/dev/null 2>&1").c_str());
        return WEXITSTATUS(status);
    };
    EXPECT_EQ(run("--help"), 0);
    EXPECT_EQ(run("--seed abc --out /tmp/never.bmp"), 2);
    EXPECT_EQ(run("--frobnicate"), 2);
    EXPECT_EQ(run(""), 2);
}

}  // namespace

// What the display device's Wine tests share: the fake DirectDraw installed
// around each test, the log read back, and the thread's queue emptied of the
// quit message a window's destruction leaves.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/display/fake_ddraw.h"

namespace devicetest {

// The log as the saver writes it (text mode: each line ends in CR LF).
std::string ReadLog();
// text with every "\n" made "\r\n", as a text-mode file stores it.
std::string OnDisk(const std::string& text);
// Removes every waiting message; true when a WM_QUIT was among them.
bool DrainQueue();

struct DeviceTest : ::testing::Test {
    void SetUp() override;
    void TearDown() override;
};

}  // namespace devicetest

// The installer's command line: which of its three modes a run takes.
#pragma once

enum class SetupMode { Install, AskUninstall, SilentUninstall };

// Case-sensitive substring searches in the arguments (the command line without
// the program's path): no "-remove" installs; "-remove" with "-auto" anywhere
// uninstalls silently; "-remove" alone uninstalls after asking.
SetupMode ChooseSetupMode(const char* arguments);

// The saver's command line: what the start-up code passes on, and the mode.
#pragma once

// The command line without the program name: a quoted name runs to its closing
// quote, an unquoted one to the first blank; the blanks after it go too.
const char* SkipProgramName(const char* commandLine);

enum class SaverMode { Preview, Run, Configure };

// Case-sensitive searches anywhere in the line, in this order: "/p" previews;
// "/s" or "/S" runs; anything else configures.
SaverMode ChooseSaverMode(const char* arguments);

// Starting another program the way the install does: a command line, the
// system directory as the current directory, a normally shown window.
#pragma once

// Starts the command without waiting for it; false when it could not start.
bool StartProgram(const char* commandLine);

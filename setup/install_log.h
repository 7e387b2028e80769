// The installer's plain-text log "c:\TarnovelleInstall.log": what the
// uninstall routines meet, appended line by line, never shortened.
#pragma once

// Formats into 2048 characters and appends the text as it stands (the
// format brings its own "\n", which text mode writes as CR LF). A log that
// cannot be opened loses the entry silently.
__attribute__((format(printf, 1, 2)))
void InstallLog(const char* format, ...);

// The run's error log "c:\\Tarnovelle.log": started afresh by the display device,
// appended to by every room, one entry per open and close so nothing is lost.
#pragma once
#include <cstdint>

// Where the log lives. Fixed for the saver; the host tests point it elsewhere.
extern const char* SaverLogPath;

// Set by every error entry, cleared when the log is started; the end-of-run
// report looks at it.
extern int32_t ErrorsLogged;

// Clears ErrorsLogged and truncates the log to "Starting log\n\n". A log that
// cannot be created is left alone; the run goes on.
void StartSaverLog();

// A plain entry: the formatted text (at most 2047 characters), nothing added.
void LogPlain(const char* format, ...) __attribute__((format(printf, 1, 2)));

// An error entry: "!! " and the formatted text. ErrorsLogged is set before the
// file is touched, so the report comes even when the file cannot be opened.
void LogError(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Uninstall: takes away the Start-menu group, the saver's log, the saver and
// the configuration tool, the uninstall entry and the current user's
// settings, and schedules the installer copy's deletion for the next start of
// Windows. Every step is tried; failures only reach the install log.
#pragma once

void Uninstall();

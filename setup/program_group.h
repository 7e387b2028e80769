// The Start-menu group "Hollis Fernby": written as a program-manager group
// description (SETUP.INI in the Windows directory) that "grpconv -o" turns
// into a folder with the two shortcuts.
#pragma once

// Writes SETUP.INI for the configuration tool and the installer copy (both
// already written) and starts the group converter hidden, without waiting.
// Nothing is reported; when the file cannot be written the converter is not run.
void CreateProgramGroup(const char* configToolPath, const char* setupCopyPath);

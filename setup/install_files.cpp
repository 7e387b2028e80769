// InstallFiles: every file and registry change of an install, in order, with
// the progress positions 200 to 900 between the steps.
#include "setup/install_files.h"

#include <commctrl.h>

#include <cerrno>
#include <cstdio>

#include "setup/command_lines.h"
#include "setup/display_properties.h"
#include "setup/program_group.h"
#include "setup/registry_edit.h"
#include "setup/resource_ids.h"
#include "setup/setup_names.h"
#include "setup/show_message.h"
#include "setup/start_program.h"
#include "setup/system_directories.h"

char SaverPath[260];
char ConfigToolPath[260];
char SetupCopyPath[260];
int MakeDefault = 0;
int RunAfterInstall = 0;
int AddToStartMenu = 0;

namespace {

// The three paths, or a message naming the directory that gave none: its call
// failed, or the directory or a file's path in it is too long. Nothing has
// been written then, so all three paths are left empty and no clean-up runs.
bool BuildPaths()
{
    SaverPath[0] = ConfigToolPath[0] = SetupCopyPath[0] = '\0';
    char windowsDirectory[260];
    if (!GetWindowsDirectoryPath(windowsDirectory, sizeof windowsDirectory)
        || !FormatInstallPath(ConfigToolPath, sizeof ConfigToolPath, windowsDirectory,
                              ConfigToolFileName)
        || !FormatInstallPath(SetupCopyPath, sizeof SetupCopyPath, windowsDirectory,
                              SetupCopyFileName)) {
        ConfigToolPath[0] = SetupCopyPath[0] = '\0';
        ShowMessage("Error getting the Windows directory - can't install %s!", ProductName);
        return false;
    }
    char systemDirectory[260];
    if (!GetSystemDirectoryPath(systemDirectory, sizeof systemDirectory)
        || !FormatInstallPath(SaverPath, sizeof SaverPath, systemDirectory, SaverFileName)) {
        SaverPath[0] = ConfigToolPath[0] = SetupCopyPath[0] = '\0';
        ShowMessage("Error getting the system directory - can't install %s!", ProductName);
        return false;
    }
    return true;
}

// Two names of one file: equal as they stand, or as short (8.3) paths.
bool SameFile(const char* a, const char* b)
{
    if (lstrcmpiA(a, b) == 0)
        return true;
    char shortA[260];
    char shortB[260];
    DWORD lengthA = GetShortPathNameA(a, shortA, sizeof shortA);
    DWORD lengthB = GetShortPathNameA(b, shortB, sizeof shortB);
    return lengthA != 0 && lengthA < sizeof shortA && lengthB != 0 && lengthB < sizeof shortB
        && lstrcmpiA(shortA, shortB) == 0;
}

// Copies the running installer to SetupCopyPath, writable afterwards.
bool CopySetupProgram()
{
    char self[260];
    DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
    SetFileAttributesA(SetupCopyPath, FILE_ATTRIBUTE_ARCHIVE);
    // An install started from the copy itself cannot copy a file onto
    // itself; the copy is already there, so that counts as done.
    bool copied = length != 0 && length < sizeof self && SameFile(self, SetupCopyPath);
    if (!copied && !CopyFileA(self, SetupCopyPath, FALSE)) {
        DWORD error = GetLastError();
        ShowMessage("Error copying setup program to '%s': (Error Number: %d)", SetupCopyPath,
                    static_cast<int>(error));
        return false;
    }
    SetFileAttributesA(SetupCopyPath, FILE_ATTRIBUTE_ARCHIVE);
    return true;
}

struct Payload {
    const void* bytes;
    size_t size;
};

// The saver program embedded as raw-data resource 137.
bool FindSaverPayload(Payload* payload)
{
    char name[16];
    std::snprintf(name, sizeof name, "#%d", IDR_SAVER);
    HRSRC resource = FindResourceA(nullptr, name, RT_RCDATA);
    if (resource == nullptr) {
        ShowMessage("Error finding binary resource!");
        return false;
    }
    payload->size = SizeofResource(nullptr, resource);
    HGLOBAL loaded = LoadResource(nullptr, resource);
    if (loaded == nullptr) {
        ShowMessage("Error loading binary resource");
        return false;
    }
    payload->bytes = LockResource(loaded);
    return true;
}

// Writes the whole payload to path in one write. An existing read-only file
// makes the open fail, which shows openFailure (with the path).
bool WriteProgramFile(const char* path, const Payload& payload, const char* openFailure)
{
    FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        ShowMessage(openFailure, path);
        return false;
    }
    size_t written = std::fwrite(payload.bytes, 1, payload.size, file);
    int writeError = errno;
    // A failed close can lose the buffered tail of the file, which would
    // leave a cut program behind an install reported as done: it counts as
    // a short write too.
    bool closed = std::fclose(file) == 0;
    if (written < payload.size || !closed) {
        ShowMessage("Error copying file '%s' (Error number: %d)", path,
                    written < payload.size ? writeError : errno);
        return false;
    }
    return true;
}

// The saver's full-screen run after the install; the path is quoted, since
// the system directory may hold spaces.
void StartSaver()
{
    char command[2048];
    if (FormatRunSaverCommand(command, sizeof command, SaverPath))
        StartProgram(command);
}

void WriteUninstallEntry()
{
    // Quoted, so that a Windows directory with spaces still runs this copy.
    char command[2048];
    if (FormatUninstallString(command, sizeof command, SetupCopyPath))
        SetRegString(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString", command);
    SetRegString(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName", DisplayNameText);
}

}  // namespace

void SetProgress(HWND dialog, int position)
{
    SendDlgItemMessageA(dialog, IDC_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

int InstallFiles(HWND dialog)
{
    if (!BuildPaths())
        return 1;
    if (!CopySetupProgram())
        return 1;
    SetProgress(dialog, 200);

    Payload payload{};
    if (!FindSaverPayload(&payload))
        return 1;
    if (!WriteProgramFile(SaverPath, payload, "Error writing to '%s' - can't install screen saver!"))
        return 1;
    SetProgress(dialog, 300);

    SetFileAttributesA(ConfigToolPath, FILE_ATTRIBUTE_ARCHIVE);
    if (!WriteProgramFile(ConfigToolPath, payload,
                          "Error writing to '%s' - can't install screen saver configuration tool!"))
        return 1;
    SetProgress(dialog, 400);
    SetProgress(dialog, 500);

    if (AddToStartMenu)
        CreateProgramGroup(ConfigToolPath, SetupCopyPath);
    SetProgress(dialog, 600);

    WriteUninstallEntry();
    SetProgress(dialog, 700);

    // The Display Properties dialog records the choice itself when its OK is
    // pressed; the installer writes no screen-saver setting of its own.
    if (MakeDefault)
        ChooseSaverInDisplayProperties(DisplayPropertiesWaitMs);
    SetProgress(dialog, 800);

    if (RunAfterInstall)
        StartSaver();
    SetProgress(dialog, 900);

    // Cancels a deletion of the installer copy that an earlier uninstall
    // scheduled for the next start of Windows.
    KillRegValue(HKEY_LOCAL_MACHINE, RunOnceKey, RunOnceValue);
    return 0;
}

// A WH_CALLWNDPROC hook that the tests set on the installer's thread: writes
// every position sent to a progress bar (PBM_SETPOS), one per line.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeCallWndProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->message == PBM_SETPOS) {
            if (FILE* log = std::fopen("C:\\progress_probe.log", "ab")) {
                std::fprintf(log, "%u\n", static_cast<unsigned>(call->wParam));
                std::fclose(log);
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

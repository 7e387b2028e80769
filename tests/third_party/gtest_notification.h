// GoogleTest's thread-start helper on a Win32 event. The win32 thread model of
// the cross compiler has no std::mutex, which GoogleTest's own version needs.
#pragma once
#include <windows.h>

namespace testing {
namespace internal {

class Notification {
public:
    Notification() : event(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(event); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { SetEvent(event); }
    void WaitForNotification() { WaitForSingleObject(event, INFINITE); }

private:
    HANDLE event;
};

}  // namespace internal
}  // namespace testing

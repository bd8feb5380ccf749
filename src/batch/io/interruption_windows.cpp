// The Windows side of the batch's interruptions (batch/io/interruption.h):
// Ctrl+C, Ctrl+Break and the closing of the console, its logoff and shutdown.
#include "batch/io/interruption.h"

#include <windows.h>

#include <atomic>

namespace kandelo::batch {

namespace {

std::atomic<bool> noted{false};
// Set once the temporary file is gone, for the console's closing, after
// which the system ends the program as soon as the handler returns.
HANDLE cleanedUp = nullptr;

BOOL WINAPI noteEvent(DWORD event)
{
    noted = true;
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT)
        return TRUE; // the run stops at its next write
    WaitForSingleObject(cleanedUp, 5000);
    return FALSE;
}

} // namespace

InterruptionGuard::InterruptionGuard()
{
    if (!cleanedUp)
        cleanedUp = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(noteEvent, TRUE);
}

InterruptionGuard::~InterruptionGuard()
{
    if (noted)
        SetEvent(cleanedUp);
    SetConsoleCtrlHandler(noteEvent, FALSE);
}

bool interrupted() noexcept
{
    return noted;
}

void endAsInterrupted()
{
    SetEvent(cleanedUp);
    ExitProcess(STATUS_CONTROL_C_EXIT);
}

} // namespace kandelo::batch

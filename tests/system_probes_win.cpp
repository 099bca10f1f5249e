// Windows: the Win32 process and window calls.
#include "system_probes.h"

#include <QWidget>

#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>

bool underWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

qint64 residentMemory()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return -1;
    return qint64(counters.WorkingSetSize);
}

const char *residentMemoryKind()
{
    return "working set";
}

std::optional<bool> toolWindowOffTaskbar(QWidget *window)
{
    const LONG_PTR style = GetWindowLongPtrW(HWND(window->winId()), GWL_EXSTYLE);
    return (style & WS_EX_TOOLWINDOW) && !(style & WS_EX_APPWINDOW);
}

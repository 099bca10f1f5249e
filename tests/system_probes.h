// What the tests ask of the operating system they run on, each asked here and nowhere else: one
// implementation per system (system_probes_win.cpp, system_probes_unix.cpp), which CMake picks.
#pragma once

#include <QtGlobal>

#include <optional>

class QWidget;

// True when a Windows build runs under Wine, whose ntdll has an export that Windows' lacks.
bool underWine();

// The memory the process holds, in bytes, as the system counts it (the resident set on Linux, the
// working set on Windows), and the name of that count; -1 when it cannot be read.
qint64 residentMemory();
const char *residentMemoryKind();

// Whether the window's native frame is a tool window that the system leaves off the taskbar;
// nothing where the system has no such frame to ask about (everywhere but Windows).
std::optional<bool> toolWindowOffTaskbar(QWidget *window);

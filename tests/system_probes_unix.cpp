// Linux: /proc.
#include "system_probes.h"

#include <QFile>

bool underWine()
{
    return false;
}

qint64 residentMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    return -1;
}

const char *residentMemoryKind()
{
    return "resident memory";
}

std::optional<bool> toolWindowOffTaskbar(QWidget *)
{
    return std::nullopt;
}

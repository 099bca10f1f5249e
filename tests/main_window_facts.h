// The main window as the tests expect to find it: its client area's size and the worked examples
// of its panels, from tests/main_window_facts.txt (built into every test as a resource), the one
// table that the checks of the finished program from outside read too.
#pragma once

#include "core/circuit.h"

#include <QFile>
#include <QList>
#include <QSize>
#include <QStringList>

#include <array>

// A worked example: the fields in typing order (supply, LED voltage, current, and the count where
// the circuit has one) and the two results as shown.
struct WorkedExample {
    varelux::Circuit circuit{};
    QStringList fields;
    QString resistance, power;
};

struct MainWindowFacts {
    QSize size;
    QList<WorkedExample> examples;
};

inline const MainWindowFacts &mainWindowFacts()
{
    static const MainWindowFacts facts = [] {
        QFile file(QStringLiteral(":/tests/main_window_facts.txt"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("the tests' table of the main window is not among their resources");
        // The table's names of the circuits, in Circuit order.
        const QStringList circuits{QStringLiteral("single"), QStringLiteral("series"),
                                   QStringLiteral("parallel")};
        MainWindowFacts read;
        while (!file.atEnd()) {
            const QStringList f =
                QString::fromUtf8(file.readLine()).split(u' ', Qt::SkipEmptyParts);
            if (f.size() == 3 && f[0] == u"window") {
                read.size = QSize(f[1].toInt(), f[2].trimmed().toInt());
            } else if (f.size() == 8 && f[0] == u"example") {
                QStringList fields = f.mid(2, 4);
                fields.removeAll(QStringLiteral("-"));
                read.examples.push_back(
                    {varelux::Circuit(circuits.indexOf(f[1])), fields, f[6], f[7].trimmed()});
            }
        }
        if (read.size.isEmpty() || read.examples.isEmpty())
            qFatal("the tests' table of the main window holds no size or no example");
        return read;
    }();
    return facts;
}

// The first worked example of each circuit's panel, the one that tests type when any will do.
inline const WorkedExample &example(int panel)
{
    static const std::array<WorkedExample, varelux::kCircuitCount> first = [] {
        std::array<WorkedExample, varelux::kCircuitCount> found{};
        for (auto it = mainWindowFacts().examples.crbegin();
             it != mainWindowFacts().examples.crend(); ++it)
            found[std::size_t(it->circuit)] = *it;
        return found;
    }();
    return first[std::size_t(panel)];
}

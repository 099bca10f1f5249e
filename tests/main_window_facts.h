// The main window as the tests expect to find it: its client area's size and the worked examples
// of its panels, from tests/main_window_facts.txt (built into every test as a resource), the one
// table that the checks of the finished program from outside read too.
#pragma once

#include "core/circuit.h"

#include <QFile>
#include <QList>
#include <QSize>
#include <QStringList>

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
    // The first worked example of each circuit's panel, which tests type when any will do.
    WorkedExample first[varelux::kCircuitCount];
};

inline const MainWindowFacts &mainWindowFacts()
{
    static const MainWindowFacts facts = [] {
        QFile file(QStringLiteral(":/tests/main_window_facts.txt"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("the table of the main window is not among the tests' resources");
        // The table's names of the circuits, in Circuit order.
        const QStringList circuits{QStringLiteral("single"), QStringLiteral("series"),
                                   QStringLiteral("parallel")};
        MainWindowFacts read;
        for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            QStringList f = line.split(u' ', Qt::SkipEmptyParts);
            if (f.value(0) == u"window")
                read.size = QSize(f[1].toInt(), f[2].toInt());
            if (f.value(0) != u"example")
                continue;
            const auto circuit = varelux::Circuit(circuits.indexOf(f[1]));
            f.removeAll(QStringLiteral("-")); // the count of a circuit that has none
            read.examples.push_back({circuit, f.mid(2, f.size() - 4), f[f.size() - 2], f.last()});
            if (read.first[int(circuit)].fields.isEmpty())
                read.first[int(circuit)] = read.examples.last();
        }
        return read;
    }();
    return facts;
}

inline const WorkedExample &example(int panel)
{
    return mainWindowFacts().first[panel];
}

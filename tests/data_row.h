// One-line rows for data-driven QTest functions: row("name", a, b, c) adds a row with columns a, b,
// c.
#pragma once

#include <QTest>

template <typename... Columns> void row(const char *name, Columns... columns)
{
    (QTest::newRow(name) << ... << columns);
}

// Qt Test's QTRY_ macros, for test files built with -Wconversion.
#pragma once

#include <QTest>

// From Qt 6.8 on, the QTRY_ macros turn their timeout into a count of milliseconds of type long
// and narrow it to int inside their own expansion, which GCC then reports at every use in our
// file. The narrowing is Qt's and harmless for timeouts of a few seconds, so it is not reported
// in the files that wait with these macros.
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wconversion"
#endif

// What a screen reader says of each control: the role, name and description of every control of
// the main window and of the six reference windows, the pictures' text alternatives, and the order
// in which the tables and the E12 values are read.
#include "core/standard_values.h"
#include "data_row.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QtTest>

using namespace varelux;

Q_DECLARE_METATYPE(ReferenceId)
Q_DECLARE_METATYPE(QAccessible::Role)

namespace {

QAccessibleInterface *accessible(QWidget *w)
{
    QAccessibleInterface *found = QAccessible::queryAccessibleInterface(w);
    if (!found)
        qFatal("no accessible interface for %s", qPrintable(w->objectName()));
    return found;
}

// The window a row is about: the main window for no id, else the reference window, opened.
QWidget *windowOf(const QWidget &form, int reference)
{
    if (reference < 0)
        return const_cast<QWidget *>(&form);
    openReference(ReferenceId(reference));
    return openedReference(ReferenceId(reference));
}

// The readable rows of a table window in the order its children are read: each value with the
// label that labels it.
QStringList readRows(QWidget *window)
{
    QStringList rows;
    QAccessibleInterface *root = accessible(window);
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface *child = root->child(i);
        const auto labels = child->relations(QAccessible::Label);
        if (child->role() == QAccessible::StaticText && !labels.isEmpty())
            rows << labels.first().first->text(QAccessible::Name) + " " +
                        child->text(QAccessible::Name);
    }
    return rows;
}

const int kMain = -1;

} // namespace

class TestAccessibleNames : public MainWindowTest {
    Q_OBJECT

private slots:
    void namesAndDescriptions_data();
    void namesAndDescriptions();
    void tableRowsReadInOrder_data();
    void tableRowsReadInOrder();
    void e12ValuesByDecade();
};

void TestAccessibleNames::namesAndDescriptions_data()
{
    QTest::addColumn<int>("window"); // kMain, or a ReferenceId
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    const int single = int(ReferenceId::SingleDiagram), series = int(ReferenceId::SeriesDiagram),
              parallel = int(ReferenceId::ParallelDiagram);
    row("single diagram", single, QString("img_DL1"), QAccessible::Graphic,
        QString("Schema: dal polo positivo dell'alimentazione, in alto, un filo scende alla "
                "resistenza, poi al Led, con l'anodo verso la resistenza, e dal catodo del Led a "
                "massa."),
        QString());
    row("series diagram", series, QString("img_DL2"), QAccessible::Graphic,
        QString("Schema: dal polo positivo dell'alimentazione, in alto, un filo scende alla "
                "resistenza, poi a due Led in serie, uno sotto l'altro, ciascuno con l'anodo verso "
                "l'alto, e dal catodo del secondo Led a massa."),
        QString());
    row("parallel diagram", parallel, QString("img_DL3"), QAccessible::Graphic,
        QString("Schema: dal polo positivo dell'alimentazione, in alto, un filo scende alla "
                "resistenza, poi si divide in due rami affiancati con un Led ciascuno, l'anodo "
                "verso l'alto; i due rami si riuniscono sotto i Led e vanno a massa."),
        QString());
    // Its description, the values, is checked on its own below.
    row("E12 picture", int(ReferenceId::StandardValues), QString("Image1"), QAccessible::Graphic,
        QString("Tabella dei valori standard E12, per decade"), QString("*"));
    row("OK of the LED voltages", int(ReferenceId::LedVoltages), QString("cmd_OK"),
        QAccessible::Button, QString("OK"), QString());
    row("OK of the power ratings", int(ReferenceId::PowerRatings), QString("cmd_OK"),
        QAccessible::Button, QString("OK"), QString());
}

void TestAccessibleNames::namesAndDescriptions()
{
    QFETCH(int, window);
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, description);

    QWidget *found = ::control(*windowOf(form(), window), control);
    QAccessibleInterface *read = accessible(found);
    QCOMPARE(read->role(), role);
    QCOMPARE(read->text(QAccessible::Name), name);
    if (description != "*")
        QCOMPARE(read->text(QAccessible::Description), description);
}

void TestAccessibleNames::tableRowsReadInOrder_data()
{
    QTest::addColumn<ReferenceId>("id");
    QTest::addColumn<QStringList>("rows");

    row("LED voltages", ReferenceId::LedVoltages,
        QStringList{"Led rosso: 1,8 V", "Led verde: 2 V", "Led giallo: 1,9 V", "Led arancio: 2 V",
                    "Led blu: 3 V", "Led bianco: 3 V"});
    row("power ratings", ReferenceId::PowerRatings,
        QStringList{"1/8 W = 125 mW", "1/4 W = 250 mW", "1/2 W = 500 mW", "1 W = 1000 mW",
                    "2 W = 2000 mW", "3 W = 3000 mW", "5 W = 5000 mW", "10 W = 10000 mW",
                    "20 W = 20000 mW", "30 W = 30000 mW"});
}

void TestAccessibleNames::tableRowsReadInOrder()
{
    QFETCH(ReferenceId, id);
    QFETCH(QStringList, rows);
    QCOMPARE(readRows(windowOf(form(), int(id))), rows);
}

// The values of the E12 picture as a reader hears them: decade after decade, each in ascending
// order, with nothing left out.
void TestAccessibleNames::e12ValuesByDecade()
{
    QWidget *window = windowOf(form(), int(ReferenceId::StandardValues));
    const QString text = accessible(control(*window, "Image1"))->text(QAccessible::Description);
    QVERIFY2(text.startsWith("Decade da 1,0 ohm: 1,0 ohm, 1,2 ohm, 1,5 ohm,"), qPrintable(text));
    QCOMPARE(text.count("Decade da "), kE12Columns);
    qsizetype at = 0;
    for (int column = 0; column < kE12Columns; ++column)
        for (int row = 0; row < int(kE12Tenths.size()); ++row) {
            const QString value = QString::fromStdString(e12CellText(row, column));
            const QRegularExpression listed(" " + QRegularExpression::escape(value) + "[,.]");
            const qsizetype next = text.indexOf(listed, at);
            QVERIFY2(next >= at, qPrintable(value + " missing or out of order"));
            at = next + 1;
        }
    QVERIFY(text.endsWith(" 8,2 megaohm."));
}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessible_names.moc"

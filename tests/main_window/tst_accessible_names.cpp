// What a screen reader says of each control: the role, name and description of every control of
// the main window and of the six reference windows, the pictures' text alternatives, and the order
// in which the tables and the E12 values are read.
#include "common/texts.h"
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
QWidget *windowOf(const QWidget &mainWindow, int reference)
{
    if (reference < 0)
        return const_cast<QWidget *>(&mainWindow);
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
    QTest::addColumn<QString>("labelledBy"); // the buddy label of a field

    // The main window in tab order, each panel's results after its buttons.
    const QAccessible::Role button = QAccessible::Button, field = QAccessible::EditableText,
                            result = QAccessible::StaticText;
    auto add = [](const char *control, int window, QAccessible::Role role, const char *name,
                  const char *description, const char *labelledBy = "") {
        QTest::newRow(control) << window << QString(control) << role << QString(name)
                               << QString(description) << QString(labelledBy);
    };
    add("cmd_Schema1", kMain, button, "Led singolo: Schema", "");
    add("txt_AlCirc", kMain, field, "Led singolo: Tensione circuito", "Volt", "lbl_AlCirc");
    add("txt_AlLed", kMain, field, "Led singolo: Tensione Led", "Volt", "lbl_AlLed");
    add("txt_CorrLed", kMain, field, "Led singolo: Corrente Led", "mA", "lbl_CorrLed");
    add("cmd_Calcola", kMain, button, "Led singolo: Calcola", "");
    add("cmd_Canc", kMain, button, "Led singolo: Cancella", "");
    add("lbl_ResCalc", kMain, result, "", "Led singolo: Resistenza calcolata, ohm");
    add("lbl_Watt", kMain, result, "", "Led singolo: Potenza dissipata, mW");
    add("cmd_Schema2", kMain, button, "Led in serie: Schema", "");
    add("txt_AlCirc2", kMain, field, "Led in serie: Tensione circuito", "Volt", "lbl_AlCirc2");
    add("txt_AlLed2", kMain, field, "Led in serie: Tensione Led", "Volt", "lbl_AlLed2");
    add("txt_CorrLed2", kMain, field, "Led in serie: Corrente Led", "mA", "lbl_CorrLed2");
    add("txt_NumLed", kMain, field, "Led in serie: Numero Led", "", "lbl_NumLed");
    add("cmd_Calcola2", kMain, button, "Led in serie: Calcola", "");
    add("cmd_Canc2", kMain, button, "Led in serie: Cancella", "");
    add("lbl_ResCalc2", kMain, result, "", "Led in serie: Resistenza calcolata, ohm");
    add("lbl_Watt2", kMain, result, "", "Led in serie: Potenza dissipata, mW");
    add("cmd_Schema3", kMain, button, "Led in parallelo: Schema", "");
    add("txt_AlCirc3", kMain, field, "Led in parallelo: Tensione circuito", "Volt", "lbl_AlCirc3");
    add("txt_AlLed3", kMain, field, "Led in parallelo: Tensione Led", "Volt", "lbl_AlLed3");
    add("txt_CorrLed3", kMain, field, "Led in parallelo: Corrente Led", "mA", "lbl_CorrLed3");
    add("txt_NumLed2", kMain, field, "Led in parallelo: Numero Led", "", "lbl_NumLed2");
    add("cmd_Calcola3", kMain, button, "Led in parallelo: Calcola", "");
    add("cmd_Canc3", kMain, button, "Led in parallelo: Cancella", "");
    add("lbl_ResCalc3", kMain, result, "", "Led in parallelo: Resistenza calcolata, ohm");
    add("lbl_Watt3", kMain, result, "", "Led in parallelo: Potenza dissipata, mW");
    add("cmd_TensLed", kMain, button, "Tensione Led", "");
    add("cmd_ValResStd", kMain, button, "Valori standard", "");
    add("cmd_PotMaxRes", kMain, button, "Potenza max res.", "");

    // The reference windows.
    const int single = int(ReferenceId::SingleDiagram), series = int(ReferenceId::SeriesDiagram),
              parallel = int(ReferenceId::ParallelDiagram);
    row("single diagram", single, QString("img_DL1"), QAccessible::Graphic,
        QString("Schema: dal polo positivo dell'alimentazione, in alto, un filo scende alla "
                "resistenza, poi al Led, con l'anodo verso la resistenza, e dal catodo del Led a "
                "massa."),
        QString(), QString());
    row("series diagram", series, QString("img_DL2"), QAccessible::Graphic,
        QString("Schema: dal polo positivo dell'alimentazione, in alto, un filo scende alla "
                "resistenza, poi a due Led in serie, uno sotto l'altro, ciascuno con l'anodo verso "
                "l'alto, e dal catodo del secondo Led a massa."),
        QString(), QString());
    row("parallel diagram", parallel, QString("img_DL3"), QAccessible::Graphic,
        QString("Schema: dal polo positivo dell'alimentazione, in alto, un filo scende alla "
                "resistenza, poi si divide in due rami affiancati con un Led ciascuno, l'anodo "
                "verso l'alto; i due rami si riuniscono sotto i Led e vanno a massa."),
        QString(), QString());
    // Its description, the values, is checked on its own below.
    row("E12 picture", int(ReferenceId::StandardValues), QString("Image1"), QAccessible::Graphic,
        QString("Tabella dei valori standard E12, per decade"), QString("*"), QString());
    row("OK of the LED voltages", int(ReferenceId::LedVoltages), QString("cmd_OK"),
        QAccessible::Button, QString("OK"), QString(), QString());
    row("OK of the power ratings", int(ReferenceId::PowerRatings), QString("cmd_OK"),
        QAccessible::Button, QString("OK"), QString(), QString());
}

void TestAccessibleNames::namesAndDescriptions()
{
    QFETCH(int, window);
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QString, labelledBy);

    QWidget *found = ::control(*windowOf(mainWindow(), window), control);
    QAccessibleInterface *read = accessible(found);
    QCOMPARE(read->role(), role);
    QCOMPARE(read->text(QAccessible::Name), name);
    if (description != "*")
        QCOMPARE(read->text(QAccessible::Description), description);
    // Orca names a field by its label's name rather than by the field's own, so the two agree.
    QStringList labels;
    for (const auto &[label, relation] : read->relations(QAccessible::Label)) {
        labels << label->object()->objectName();
        QCOMPARE(label->text(QAccessible::Name), name);
    }
    QCOMPARE(labels, labelledBy.isEmpty() ? QStringList() : QStringList{labelledBy});

    // No access key, so no underlined letter, and no default button that Enter would press.
    QCOMPARE(read->text(QAccessible::Accelerator), QString());
    if (const auto *pushButton = qobject_cast<QPushButton *>(found))
        QVERIFY(!pushButton->isDefault() && !pushButton->autoDefault());
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
    QCOMPARE(readRows(windowOf(mainWindow(), int(id))), rows);
}

// The values of the E12 picture as a reader hears them: decade after decade, each in ascending
// order, with nothing left out.
void TestAccessibleNames::e12ValuesByDecade()
{
    QWidget *window = windowOf(mainWindow(), int(ReferenceId::StandardValues));
    const QString text = accessible(control(*window, "Image1"))->text(QAccessible::Description);
    QVERIFY2(text.startsWith("Decade da 1,0 ohm: 1,0 ohm, 1,2 ohm, 1,5 ohm,"), qPrintable(text));
    QCOMPARE(text.count("Decade da "), kE12Columns);
    qsizetype at = 0;
    for (int column = 0; column < kE12Columns; ++column)
        for (int row = 0; row < int(kE12Tenths.size()); ++row) {
            const QString value = ui::e12CellText(row, column);
            const QRegularExpression listed(" " + QRegularExpression::escape(value) + "[,.]");
            const qsizetype next = text.indexOf(listed, at);
            QVERIFY2(next >= at, qPrintable(value + " missing or out of order"));
            at = next + 1;
        }
    QVERIFY(text.endsWith(" 8,2 megaohm."));
}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessible_names.moc"

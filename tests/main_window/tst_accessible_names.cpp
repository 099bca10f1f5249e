// What a screen reader says of each control of the main window, the reference windows and the
// planner: role, name, description, the label that labels it, and the order in which a table is
// read.
#include "common/texts.h"
#include "data_row.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QtTest>

using namespace varelux;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QAccessible::Role)

namespace {

constexpr int kMain = -1;

// The window a row is about: the main window, or a reference window or the planner, opened by
// its button.
QWidget *windowOf(QWidget &mainWindow, int reference)
{
    if (reference == kMain)
        return &mainWindow;
    click(mainWindow, buttonOpening(reference));
    return openedWindow(reference);
}

} // namespace

class TestAccessibleNames : public MainWindowTest {
    Q_OBJECT

private slots:
    void namesAndDescriptions_data();
    void namesAndDescriptions();
    void tableRowsReadInOrder();
};

void TestAccessibleNames::namesAndDescriptions_data()
{
    QTest::addColumn<int>("window"); // kMain or a ReferenceId
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description"); // ending in "...": its beginning
    QTest::addColumn<QString>("labelledBy");

    const auto button = QAccessible::Button, field = QAccessible::EditableText,
               result = QAccessible::StaticText, image = QAccessible::Graphic;
    auto add = [](const char *control, int window, QAccessible::Role role, const QString &name,
                  const QString &description = {}, const QString &labelledBy = {}) {
        QTest::newRow(control) << window << QString::fromLatin1(control) << role << name
                               << description << labelledBy;
    };
    // One panel whole, in tab order, and what differs in the others.
    add("cmd_Schema1", kMain, button, u"Led singolo: Schema"_s);
    add("txt_AlCirc", kMain, field, u"Led singolo: Tensione circuito"_s, u"Volt"_s,
        u"lbl_AlCirc"_s);
    add("txt_AlLed", kMain, field, u"Led singolo: Tensione Led"_s, u"Volt"_s, u"lbl_AlLed"_s);
    add("txt_CorrLed", kMain, field, u"Led singolo: Corrente Led"_s, u"mA"_s, u"lbl_CorrLed"_s);
    add("cmd_Calcola", kMain, button, u"Led singolo: Calcola"_s);
    add("cmd_Canc", kMain, button, u"Led singolo: Cancella"_s);
    add("lbl_ResCalc", kMain, result, u""_s, u"Led singolo: Resistenza calcolata, ohm"_s);
    add("lbl_Watt", kMain, result, u""_s, u"Led singolo: Potenza dissipata, mW"_s);
    add("txt_AlCirc2", kMain, field, u"Led in serie: Tensione circuito"_s, u"Volt"_s,
        u"lbl_AlCirc2"_s);
    add("txt_NumLed", kMain, field, u"Led in serie: Numero Led"_s, u""_s, u"lbl_NumLed"_s);
    add("cmd_Canc2", kMain, button, u"Led in serie: Cancella"_s);
    add("txt_NumLed2", kMain, field, u"Led in parallelo: Numero Led"_s, u""_s, u"lbl_NumLed2"_s);
    add("cmd_Calcola3", kMain, button, u"Led in parallelo: Calcola"_s);
    add("lbl_Watt3", kMain, result, u""_s, u"Led in parallelo: Potenza dissipata, mW"_s);
    add("cmd_ValResStd", kMain, button, u"Valori standard"_s);
    // The notes keep their words; what they leave unsaid is their description and tooltip.
    const QString scope = u"Vale per il pannello Led singolo: i pannelli Led in serie e Led in "_s
                          u"parallelo moltiplicano già per il numero di Led."_s;
    for (const MainWindowRow &row : mainWindowRows())
        if (row.control.role == ui::ControlRole::NoteLine)
            QTest::newRow(qPrintable(row.control.name))
                << kMain << row.control.name << result << row.control.caption << scope << QString();

    // The pictures stand for their text alternatives; the E12 values are read decade by decade.
    add("img_DL1", int(diagramWindow(Circuit::SingleLed)), image,
        ui::diagramText(Circuit::SingleLed));
    add("img_DL2", int(diagramWindow(Circuit::Series)), image, ui::diagramText(Circuit::Series));
    add("img_DL3", int(diagramWindow(Circuit::Parallel)), image,
        ui::diagramText(Circuit::Parallel));
    add("Image1", int(ReferenceId::StandardValues), image,
        u"Tabella dei valori standard E12, per decade"_s,
        u"Decade da 1,0 ohm: 1,0 ohm, 1,2 ohm, 1,5 ohm, 1,8 ohm, 2,2 ohm, 2,7 ohm, 3,3 ohm, 3,9 "_s
        u"ohm, 4,7 ohm, 5,6 ohm, 6,8 ohm, 8,2 ohm. Decade da 10 ohm: 10 ohm, 12 ohm, ..."_s);
    add("lbl_Tens6", int(ReferenceId::LedVoltages), result, u"3 V"_s, u""_s, u"lbl_Lbianco"_s);
    add("cmd_OK", int(ReferenceId::LedVoltages), button, u"OK"_s);
    add("lbl_PotRes1", int(ReferenceId::PowerRatings), result, u"125 mW"_s, u""_s, u"lbl_WRes1"_s);
    // The planner's fields are named as a panel's; the margin says what its empty field means.
    const int planner = kPlannerWindow;
    QTest::newRow("Form8: txt_NumLed")
        << planner << u"txt_NumLed"_s << field << u"Matrice di Led: Numero Led"_s << QString()
        << u"lbl_NumLed"_s;
    QTest::newRow("Form8: txt_Margine")
        << planner << u"txt_Margine"_s << field << u"Matrice di Led: Margine minimo"_s
        << u"Volt. Vuoto: un decimo della tensione del circuito"_s << u"lbl_Margine"_s;
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
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(found);
    QCOMPARE(read->role(), role);
    QCOMPARE(read->text(QAccessible::Name), name);
    const QString described = read->text(QAccessible::Description);
    if (description.endsWith(u"..."_s))
        QVERIFY2(described.startsWith(description.chopped(3)), qPrintable(described));
    else
        QCOMPARE(described, description);
    if (control.startsWith(u"Label"_s))
        QCOMPARE(found->toolTip(), description);

    // Orca names a field by its label's name rather than by the field's own, so the two agree.
    QStringList labels;
    for (const auto &[label, relation] : read->relations(QAccessible::Label)) {
        labels << label->object()->objectName();
        if (role == QAccessible::EditableText)
            QCOMPARE(label->text(QAccessible::Name), name);
    }
    QCOMPARE(labels, labelledBy.isEmpty() ? QStringList() : QStringList{labelledBy});

    // No access key, so no underlined letter, and no default button that Enter would press.
    QCOMPARE(read->text(QAccessible::Accelerator), QString());
    if (const auto *pushButton = qobject_cast<QPushButton *>(found))
        QVERIFY(!pushButton->isDefault() && !pushButton->autoDefault());
}

// A reader going through a table window meets each row's label, then its value, row by row.
void TestAccessibleNames::tableRowsReadInOrder()
{
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(
        windowOf(mainWindow(), int(ReferenceId::LedVoltages)));
    QStringList read;
    for (int i = 0; i < table->childCount(); ++i)
        read << table->child(i)->text(QAccessible::Name);
    QCOMPARE(read, QStringList({u"Led rosso:"_s, u"1,8 V"_s, u"Led verde:"_s, u"2 V"_s,
                                u"Led giallo:"_s, u"1,9 V"_s, u"Led arancio:"_s, u"2 V"_s,
                                u"Led blu:"_s, u"3 V"_s, u"Led bianco:"_s, u"3 V"_s, u"OK"_s}));
}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessible_names.moc"

// What a screen reader says of each control of the main window and of the reference windows:
// role, name, description, the label that labels it, and the order in which a table is read.
#include "common/texts.h"
#include "data_row.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QtTest>

using namespace varelux;

Q_DECLARE_METATYPE(QAccessible::Role)

namespace {

constexpr int kMain = -1;

// The window a row is about: the main window, or a reference window, opened.
QWidget *windowOf(QWidget &mainWindow, int reference)
{
    if (reference == kMain)
        return &mainWindow;
    openReference(ReferenceId(reference));
    return openedReference(ReferenceId(reference));
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
        QTest::newRow(control) << window << QString(control) << role << name << description
                               << labelledBy;
    };
    // One panel whole, in tab order, and what differs in the others.
    add("cmd_Schema1", kMain, button, "Led singolo: Schema");
    add("txt_AlCirc", kMain, field, "Led singolo: Tensione circuito", "Volt", "lbl_AlCirc");
    add("txt_AlLed", kMain, field, "Led singolo: Tensione Led", "Volt", "lbl_AlLed");
    add("txt_CorrLed", kMain, field, "Led singolo: Corrente Led", "mA", "lbl_CorrLed");
    add("cmd_Calcola", kMain, button, "Led singolo: Calcola");
    add("cmd_Canc", kMain, button, "Led singolo: Cancella");
    add("lbl_ResCalc", kMain, result, "", "Led singolo: Resistenza calcolata, ohm");
    add("lbl_Watt", kMain, result, "", "Led singolo: Potenza dissipata, mW");
    add("txt_AlCirc2", kMain, field, "Led in serie: Tensione circuito", "Volt", "lbl_AlCirc2");
    add("txt_NumLed", kMain, field, "Led in serie: Numero Led", "", "lbl_NumLed");
    add("cmd_Canc2", kMain, button, "Led in serie: Cancella");
    add("txt_NumLed2", kMain, field, "Led in parallelo: Numero Led", "", "lbl_NumLed2");
    add("cmd_Calcola3", kMain, button, "Led in parallelo: Calcola");
    add("lbl_Watt3", kMain, result, "", "Led in parallelo: Potenza dissipata, mW");
    add("cmd_ValResStd", kMain, button, "Valori standard");

    // The pictures stand for their text alternatives; the E12 values are read decade by decade.
    add("img_DL1", int(ReferenceId::SingleDiagram), image, ui::singleDiagramText());
    add("img_DL2", int(ReferenceId::SeriesDiagram), image, ui::seriesDiagramText());
    add("img_DL3", int(ReferenceId::ParallelDiagram), image, ui::parallelDiagramText());
    add("Image1", int(ReferenceId::StandardValues), image,
        "Tabella dei valori standard E12, per decade",
        "Decade da 1,0 ohm: 1,0 ohm, 1,2 ohm, 1,5 ohm, 1,8 ohm, 2,2 ohm, 2,7 ohm, 3,3 ohm, 3,9 "
        "ohm, 4,7 ohm, 5,6 ohm, 6,8 ohm, 8,2 ohm. Decade da 10 ohm: 10 ohm, 12 ohm, ...");
    add("lbl_Tens6", int(ReferenceId::LedVoltages), result, "3 V", "", "lbl_Lbianco");
    add("cmd_OK", int(ReferenceId::LedVoltages), button, "OK");
    add("lbl_PotRes1", int(ReferenceId::PowerRatings), result, "125 mW", "", "lbl_WRes1");
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
    if (description.endsWith("..."))
        QVERIFY2(described.startsWith(description.chopped(3)), qPrintable(described));
    else
        QCOMPARE(described, description);

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
    QCOMPARE(read,
             QStringList({"Led rosso:", "1,8 V", "Led verde:", "2 V", "Led giallo:", "1,9 V",
                          "Led arancio:", "2 V", "Led blu:", "3 V", "Led bianco:", "3 V", "OK"}));
}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessible_names.moc"

// The embedded interface face, Varelux Sans: cut from Liberation Sans 2 by scripts/cut-faces.py,
// it must carry a name of its own with the original notices, and hold every character that the
// windows show.
#include "reference/open_references.h"
#include "resource_paths.h"

#include "data_row.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QRawFont>
#include <QResource>
#include <QtEndian>
#include <QtTest>

#include <map>

using namespace varelux;
using namespace Qt::StringLiterals;

namespace {

QRawFont embeddedFace(const char *path)
{
    return QRawFont(QResource(QString::fromLatin1(path)).uncompressedData(), 11);
}

// The Windows (platform 3, UTF-16) records of a face's 'name' table, by name id.
std::map<int, QString> nameRecords(const QRawFont &face)
{
    const QByteArray table = face.fontTable("name");
    auto u16 = [&](qsizetype at) {
        return at + 2 <= table.size() ? qFromBigEndian<quint16>(table.constData() + at) : 0;
    };
    std::map<int, QString> names;
    const int count = u16(2), strings = u16(4);
    for (int i = 0; i < count; ++i) {
        const qsizetype record = 6 + 12 * i;
        if (u16(record) != 3)
            continue;
        const qsizetype at = strings + u16(record + 10), length = u16(record + 8);
        QString text;
        for (qsizetype unit = 0; unit < length / 2; ++unit)
            text += QChar(u16(at + 2 * unit));
        names[u16(record + 6)] = text;
    }
    return names;
}

} // namespace

class TestInterfaceFace : public MainWindowTest {
    Q_OBJECT

private slots:
    void namedAsModified_data();
    void namedAsModified();
    void holdsEveryTextShown_data();
    void holdsEveryTextShown();
};

void TestInterfaceFace::namedAsModified_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("style");
    row("regular", QString::fromLatin1(resources::kFontRegular), u"Regular"_s);
    row("bold", QString::fromLatin1(resources::kFontBold), u"Bold"_s);
}

// The font's licence reserves the name Liberation for the unmodified face, and asks a modified
// one to keep the copyright and the licence notice.
void TestInterfaceFace::namedAsModified()
{
    QFETCH(QString, path);
    QFETCH(QString, style);

    const QRawFont face = embeddedFace(path.toLatin1().constData());
    QVERIFY(face.isValid());
    QCOMPARE(face.familyName(), u"Varelux Sans"_s);
    QCOMPARE(face.styleName(), style);
    const std::map<int, QString> names = nameRecords(face);
    for (const int naming : {1, 3, 4, 6, 16, 17, 18, 21, 22, 25})
        if (names.count(naming))
            QVERIFY2(!names.at(naming).contains(u"Liberation"_s, Qt::CaseInsensitive),
                     qPrintable(names.at(naming)));
    QCOMPARE(names.at(1), u"Varelux Sans"_s);
    QVERIFY(names.count(0) && names.at(0).contains(u"Red Hat"_s));
    QVERIFY(names.count(13) && names.at(13).contains(u"Open Font License"_s));
}

void TestInterfaceFace::holdsEveryTextShown_data()
{
    QTest::addColumn<int>("window"); // -1 for the main window
    row("main window, every panel computed", -1);
    for (int id = 0; id < kOpenableCount; ++id)
        QTest::addRow("window %d", id) << id;
}

// Every character of the captions, results, hints and tables, in both faces: a character the
// faces lack would be drawn from whatever other face the system has. `make faces` cuts them
// again with the characters of today's texts.
void TestInterfaceFace::holdsEveryTextShown()
{
    QFETCH(int, window);

    const QWidget *shown = &mainWindow();
    if (window < 0) {
        computeExamples(mainWindow());
    } else {
        click(mainWindow(), buttonOpening(window));
        shown = openedWindow(window);
        QVERIFY(shown);
    }
    QStringList texts;
    for (const QWidget *w : shown->findChildren<QWidget *>()) {
        texts << w->toolTip();
        if (const auto *label = qobject_cast<const QLabel *>(w))
            texts << label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            texts << button->text();
        else if (const auto *field = qobject_cast<const QLineEdit *>(w))
            texts << field->text();
    }
    if (window < 0)
        QVERIFY(texts.join(QString()).contains(u"Valori standard E12:"_s)); // the hints too

    const QRawFont faces[] = {embeddedFace(resources::kFontRegular),
                              embeddedFace(resources::kFontBold)};
    for (const QString &text : texts)
        for (const char32_t c : text.toUcs4())
            for (const QRawFont &face : faces)
                if (QChar::isPrint(c)) // not the line breaks of a tool tip
                    QVERIFY2(face.supportsCharacter(c),
                             qPrintable(u"U+%1 of \"%2\" (%3)"_s.arg(uint(c), 4, 16, QChar(u'0'))
                                            .arg(text, face.styleName())));
}

QTEST_MAIN(TestInterfaceFace)
#include "tst_interface_face.moc"

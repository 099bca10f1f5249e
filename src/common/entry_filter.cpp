// Typed characters through the keystroke filter, before QLineEdit inserts them.
#include "common/entry_filter.h"

#include "common/language.h"
#include "core/key_filter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace varelux {

namespace {

// Qt recognises these from the key sequence, not from a character, so they keep their effect.
// Enter and Escape are not among them: they arrive as characters 13 and 27 and are dropped.
bool isEditingOrMovingKey(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return true;
    for (int key = QKeySequence::HelpContents; key <= QKeySequence::Cancel; ++key) {
        const auto standard = QKeySequence::StandardKey(key);
        if (standard == QKeySequence::InsertParagraphSeparator ||
            standard == QKeySequence::InsertLineSeparator || standard == QKeySequence::Cancel)
            continue;
        if (event->matches(standard))
            return true;
    }
    return false;
}

} // namespace

void EntryFilter::install(QLineEdit *field, EntryRule rule)
{
    field->installEventFilter(new EntryFilter(field, rule));
}

EntryFilter::EntryFilter(QLineEdit *field, EntryRule rule)
    : QObject(field), m_field(field), m_rule(rule)
{
}

char16_t EntryFilter::filtered(char16_t unit) const
{
    const auto code = static_cast<CharCode>(unit);
    if (m_rule == EntryRule::Count)
        return char16_t(filterCountKey(code));
    const QString text = m_field->text();
    const std::u16string_view current(reinterpret_cast<const char16_t *>(text.utf16()),
                                      std::size_t(text.size()));
    return char16_t(filterDecimalKey(code, current, ui::decimalSeparator()));
}

bool EntryFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_field || m_delivering)
        return false;
    if (event->type() == QEvent::KeyPress)
        return onKeyPress(static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::InputMethod)
        return onInputMethod(static_cast<QInputMethodEvent *>(event));
    return false;
}

bool EntryFilter::onKeyPress(QKeyEvent *event)
{
    const QString text = event->text();
    // The common case first, a character that passes unchanged: the field handles the key as
    // usual. Matching the editing shortcuts costs far more than the filter, so it comes after.
    if (text.isEmpty() || (text.size() == 1 && filtered(text[0].unicode()) == text[0].unicode()))
        return false;
    if (isEditingOrMovingKey(event))
        return false;
    for (QChar c : text) {
        const char16_t code = filtered(c.unicode());
        if (code == kBackspace)
            m_field->backspace();
        else if (code != kNoChar)
            m_field->insert(QString(QChar(code)));
    }
    return true; // dropped, replaced or inserted above
}

bool EntryFilter::onInputMethod(QInputMethodEvent *event)
{
    const QString &commit = event->commitString();
    if (commit.isEmpty())
        return false;

    // Deliver the commit one character at a time, so each is judged against the text that
    // the characters before it left. The replacement goes with the first event, the
    // pre-edit text with the last.
    bool first = true;
    for (QChar c : commit) {
        const char16_t code = filtered(c.unicode());
        if (code == kBackspace) {
            m_field->backspace();
            continue;
        }
        if (code == kNoChar)
            continue;
        QInputMethodEvent single;
        single.setCommitString(QString(QChar(code)), first ? event->replacementStart() : 0,
                               first ? event->replacementLength() : 0);
        first = false;
        deliver(single);
    }
    if (!event->preeditString().isEmpty() || first) {
        QInputMethodEvent rest(event->preeditString(), event->attributes());
        if (first)
            rest.setCommitString(QString(), event->replacementStart(), event->replacementLength());
        deliver(rest);
    }
    return true;
}

void EntryFilter::deliver(QInputMethodEvent &event)
{
    m_delivering = true;
    QCoreApplication::sendEvent(m_field, &event);
    m_delivering = false;
}

} // namespace varelux

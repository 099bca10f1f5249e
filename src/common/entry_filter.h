// Applies the core's keystroke filter to a QLineEdit before the field inserts a character.
#pragma once

#include <QObject>

class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;

namespace varelux {

enum class EntryRule { Decimal, Count };

// Installed as an event filter on its field (and owned by it). Every character that arrives
// as a key press or an input-method commit goes through the rule, one character at a time,
// against the field's whole current text. Keys that type no character (arrows, Delete, Home,
// End, Tab, Shift+Tab) and the toolkit's editing shortcuts (Ctrl+A/C/V/X/Z...) are left alone;
// pasted text is never filtered.
class EntryFilter : public QObject {
    Q_OBJECT

public:
    static void install(QLineEdit *field, EntryRule rule);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    EntryFilter(QLineEdit *field, EntryRule rule);

    // The code the field may insert for one UTF-16 unit, or 0.
    char16_t filtered(char16_t unit) const;
    bool onKeyPress(QKeyEvent *event);
    bool onInputMethod(QInputMethodEvent *event);
    void deliver(QInputMethodEvent &event);

    QLineEdit *m_field;
    EntryRule m_rule;
    bool m_delivering = false;
};

} // namespace varelux

// The kinds of control the windows are built from.
#include "common/controls.h"

#include "common/texts.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <limits>

namespace varelux::ui {

namespace {

bool isButton(ControlRole role)
{
    return role == ControlRole::PushButton || role == ControlRole::DefaultButton;
}

bool isLabel(ControlRole role)
{
    return role != ControlRole::DecimalField && role != ControlRole::CountField && !isButton(role);
}

FontRole fontRole(ControlRole role)
{
    switch (role) {
    case ControlRole::Heading:
        return FontRole::Heading;
    case ControlRole::RowLabel:
    case ControlRole::UnitLabel:
        return FontRole::Bold;
    default:
        return FontRole::Regular;
    }
}

} // namespace

QMessageBox *errorBox(QWidget *window, const QString &message)
{
    auto *box =
        new QMessageBox(QMessageBox::Critical, errorTitle(), message, QMessageBox::Ok, window);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

QWidget *createControl(const LayoutRow &row, QWidget *parent)
{
    QWidget *control = nullptr;
    if (isLabel(row.role))
        control = new QLabel(row.caption, parent);
    else if (isButton(row.role))
        control = new QPushButton(row.caption, parent);
    else
        control = new QLineEdit(parent);
    setUpControl(control, row);
    return control;
}

void setUpControl(QWidget *control, const LayoutRow &row)
{
    const QFont font = ui::font(fontRole(row.role));
    QRect geometry = row.geometry;

    if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setTextFormat(Qt::PlainText);
        label->setAutoFillBackground(true);
        if (row.role == ControlRole::ResultLabel) {
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setIndent(2);
        } else if (row.role == ControlRole::TextPanel) {
            label->setTextFormat(Qt::RichText);
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            label->setMargin(4);
        } else {
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            const QFontMetrics metrics(font);
            geometry.setSize(QSize(metrics.horizontalAdvance(row.caption), metrics.height()));
        }
    } else if (auto *field = qobject_cast<QLineEdit *>(control)) {
        // No length limit: QLineEdit would otherwise cut a paste at 32767 characters, and a
        // number pasted with many leading zeros would lose its digits and read as 0.
        field->setMaxLength(std::numeric_limits<int>::max());
    } else if (auto *button = qobject_cast<QPushButton *>(control)) {
        // Enter in a field presses nothing but in a window that presses its default button
        // itself; no button becomes the default one on taking the focus.
        button->setAutoDefault(false);
        button->setDefault(row.role == ControlRole::DefaultButton);
    }
    control->setObjectName(row.name);
    control->setFont(font);
    control->setGeometry(geometry);
}

} // namespace varelux::ui

// The tolerances' fields, their check, and the choices they set.
#include "common/tolerances_dialog.h"

#include "common/controls.h"

#include "common/controls.h"
#include "common/entry_filter.h"
#include "common/fonts.h"
#include "common/hint_choices.h"
#include "common/language.h"
#include "common/platform.h"
#include "common/texts.h"
#include "core/tolerances.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace varelux {

namespace {

QString text(const ExactDecimal &percent)
{
    return QString::fromStdString(percent.text(ui::decimalSeparator()));
}

} // namespace

void TolerancesDialog::open(QWidget *window, HintChoices &choices)
{
    ui::showModal(new TolerancesDialog(window, choices), window, [] {});
}

TolerancesDialog::TolerancesDialog(QWidget *window, HintChoices &choices)
    : QDialog(window), m_choices(choices)
{
    setObjectName(QStringLiteral("dlg_Tolleranze"));
    setWindowTitle(tr("Tolleranze"));
    setWindowModality(Qt::ApplicationModal);
    setFont(ui::font(ui::FontRole::Regular));
    auto control = [this](const char *name, ui::ControlRole role, const QString &caption) {
        return ui::createControl({QString::fromLatin1(name), role, QRect(), caption}, this);
    };
    using ui::ControlRole;
    const ESeries series = choices.series();
    const int resistor = resistorTolerancePercent(series);
    // A row each: its label, its field or value, its unit.
    QWidget *grid[3][3] = {
        {control("lbl_TollAlim", ControlRole::RowLabel, tr("Alimentazione ±")),
         control("txt_TollAlim", ControlRole::DecimalField, QString()),
         control("lbl_PercAlim", ControlRole::UnitLabel, QStringLiteral("%"))},
        {control("lbl_TollLed", ControlRole::RowLabel, tr("Tensione Led ±")),
         control("txt_TollLed", ControlRole::DecimalField, QString()),
         control("lbl_PercLed", ControlRole::UnitLabel, QStringLiteral("%"))},
        {control("lbl_TollRes", ControlRole::RowLabel, tr("Resistenza ±")),
         control("lbl_ValTollRes", ControlRole::ValueLabel,
                 tr("%1 % (banda %2 della serie %3)")
                     .arg(resistor)
                     .arg(ui::bandColourName(series == ESeries::E96 ? BandColour::Brown
                                                                    : BandColour::Gold),
                          ui::seriesName(series))),
         nullptr}};
    auto *layout = new QGridLayout(this);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            if (QWidget *item = grid[row][column])
                layout->addWidget(item, row, column, 1, row == 2 && column == 1 ? 2 : 1);
    m_supply = qobject_cast<QLineEdit *>(grid[0][1]);
    m_ledVoltage = qobject_cast<QLineEdit *>(grid[1][1]);
    for (int row = 0; row < 2; ++row) {
        auto *field = qobject_cast<QLineEdit *>(grid[row][1]);
        EntryFilter::install(field, EntryRule::Decimal);
        auto *label = qobject_cast<QLabel *>(grid[row][0]);
        label->setBuddy(field);
        field->setAccessibleName(label->text());
        field->setAccessibleDescription(tr("percento, da 0 a %1").arg(kMaxTolerancePercent));
    }
    m_supply->setText(text(choices.tolerances().supplyPercent));
    m_ledVoltage->setText(text(choices.tolerances().ledVoltagePercent));

    auto *initial = qobject_cast<QPushButton *>(
        control("cmd_Iniziali", ControlRole::PushButton, tr("Valori iniziali")));
    auto *ok = qobject_cast<QPushButton *>(control("cmd_OK", ControlRole::DefaultButton,
                                                   QCoreApplication::translate("Captions", "OK")));
    auto *cancel =
        qobject_cast<QPushButton *>(control("cmd_Annulla", ControlRole::PushButton, tr("Annulla")));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(initial);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons, 3, 0, 1, 3);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(initial, &QPushButton::clicked, this, [this] {
        const Tolerances defaults;
        m_supply->setText(text(defaults.supplyPercent));
        m_ledVoltage->setText(text(defaults.ledVoltagePercent));
    });
    connect(ok, &QPushButton::clicked, this, &TolerancesDialog::onOkClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_supply->setFocus();
    m_supply->selectAll();
}

void TolerancesDialog::onOkClicked()
{
    Tolerances chosen;
    for (auto [field, percent] :
         {std::pair{m_supply, &chosen.supplyPercent}, {m_ledVoltage, &chosen.ledVoltagePercent}}) {
        const std::string typed = field->text().toStdString();
        if (const std::optional<ExactDecimal> read = readTolerance(typed, ui::decimalSeparator())) {
            *percent = *read;
            continue;
        }
        const QString message =
            ExactDecimal::read(typed, ui::decimalSeparator())
                ? tr("Le tolleranze vanno da 0 a %1 %.").arg(kMaxTolerancePercent)
                : ui::emptyFieldsMessage();
        ui::showModal(ui::errorBox(this, message), this, [field] {
            field->setFocus();
            field->selectAll();
        });
        return;
    }
    m_choices.chooseTolerances(chosen);
    accept();
}

} // namespace varelux

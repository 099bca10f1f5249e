// Building and popping up a result's context menu.
#include "common/result_menu.h"

#include "common/hint_choices.h"
#include "common/texts.h"
#include "common/tolerances_dialog.h"

#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

namespace varelux {

void showResultMenu(QWidget *result, QPoint pos, const QString &text, HintChoices &choices)
{
    auto *menu = new QMenu(result->window());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *copy = menu->addAction(ui::copyAction());
    copy->setEnabled(!text.isEmpty());
    QObject::connect(copy, &QAction::triggered, menu,
                     [text] { QGuiApplication::clipboard()->setText(text); });

    menu->addSeparator();
    auto *series = new QActionGroup(menu);
    for (int i = 0; i < kESeriesCount; ++i) {
        const auto choice = ESeries(i);
        QAction *item = series->addAction(ui::seriesMenuItem(choice));
        item->setCheckable(true);
        item->setChecked(choice == choices.series());
        QObject::connect(item, &QAction::triggered, &choices,
                         [&choices, choice] { choices.chooseSeries(choice); });
    }
    menu->addActions(series->actions());
    menu->addSeparator();
    // Opened once the menu has finished with the click: the dialog's own event loop would
    // otherwise delete the closed menu under the code still triggering its item.
    QObject::connect(
        menu->addAction(ui::tolerancesAction()), &QAction::triggered, &choices,
        [window = result->window(), &choices] { TolerancesDialog::open(window, choices); },
        Qt::QueuedConnection);
    menu->popup(result->mapToGlobal(pos));
}

} // namespace varelux

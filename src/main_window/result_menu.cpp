// Building and popping up a result's context menu.
#include "main_window/result_menu.h"

#include "common/texts.h"
#include "main_window/series_choice.h"

#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

namespace varelux {

void showResultMenu(QWidget *result, QPoint pos, const QString &text, SeriesChoice &seriesChoice)
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
        item->setChecked(choice == seriesChoice.series());
        QObject::connect(item, &QAction::triggered, &seriesChoice,
                         [&seriesChoice, choice] { seriesChoice.choose(choice); });
    }
    menu->addActions(series->actions());
    menu->popup(result->mapToGlobal(pos));
}

} // namespace varelux

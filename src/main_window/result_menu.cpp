// Building and popping up a result's context menu.
#include "main_window/result_menu.h"

#include "common/texts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>

namespace varelux {

void showResultMenu(QLabel *result, QPoint pos)
{
    const QString text = result->text();
    if (text.isEmpty())
        return;
    auto *menu = new QMenu(result->window());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(menu->addAction(ui::copyAction()), &QAction::triggered, menu,
                     [text] { QGuiApplication::clipboard()->setText(text); });
    menu->popup(result->mapToGlobal(pos));
}

} // namespace varelux

// Drawing the E12 table. Everything is placed in device pixels, so that lines stay one pixel
// (times the ratio) wide and the unsmoothed text adds no colour of its own.
#include "reference/e12_picture.h"

#include "common/fonts.h"
#include "common/texts.h"
#include "core/standard_values.h"

#include <QPainter>

#include <cmath>
#include <map>

namespace varelux {

namespace {

QFont tableFont(int pixelSize)
{
    QFont font(ui::fontFamily());
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// Pixels that the text inks when drawn with its baseline origin at (0, 0).
QRect inkBounds(const QString &text, const QFont &font)
{
    const QFontMetrics metrics(font);
    const int margin = metrics.height();
    QImage scratch(metrics.horizontalAdvance(text) + 2 * margin, 3 * margin, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter p(&scratch);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QPoint(margin, 2 * margin), text);
    }
    QRect ink;
    for (int y = 0; y < scratch.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width(); ++x)
            if (qGray(row[x]) < 128)
                ink |= QRect(x, y, 1, 1);
    }
    return ink.translated(-margin, -2 * margin);
}

// The pixel size whose digits are `height` device pixels tall, found once per height.
int pixelSizeForDigits(int height)
{
    static std::map<int, int> found;
    auto [known, isNew] = found.try_emplace(height, height);
    while (isNew && known->second < 4 * height &&
           inkBounds(QStringLiteral("0123456789"), tableFont(known->second)).height() < height)
        ++known->second;
    return known->second;
}

} // namespace

QImage drawE12Table(qreal dpr)
{
    auto device = [dpr](int logical) { return int(std::lround(logical * dpr)); };
    const int line = std::max(1, device(1));
    QImage image(device(kE12PictureSize.width()), device(kE12PictureSize.height()),
                 QImage::Format_RGB32);
    image.fill(Qt::white);

    QPainter p(&image);
    const int rows = int(kE12Tenths.size());
    for (int row = 0; row < rows; ++row) {
        const int top = device(row * kE12RowPitch);
        if (row % 2 == 1)
            p.fillRect(0, top, image.width(), device((row + 1) * kE12RowPitch) - top, kE12Band);
    }
    for (int x : kE12GridX)
        p.fillRect(device(x), 0, line, image.height(), Qt::black);
    for (int row = 0; row <= rows; ++row)
        p.fillRect(0, device(row * kE12RowPitch), image.width(), line, Qt::black);

    // Each text is centred in its cell by its ink: across by its whole width, down by the
    // box from the top of the tallest letter to the baseline, so that texts share a baseline.
    const QFont font = tableFont(pixelSizeForDigits(device(kE12DigitHeight)));
    p.setFont(font);
    p.setPen(Qt::black);
    for (int row = 0; row < rows; ++row) {
        const int cellTop = device(row * kE12RowPitch) + line;
        const int cellBottom = device((row + 1) * kE12RowPitch) - 1;
        for (int column = 0; column < kE12Columns; ++column) {
            const QString text = ui::e12CellText(row, column);
            const QRect ink = inkBounds(text, font);
            const int cellLeft = device(kE12GridX[column]) + line;
            const int cellRight = device(kE12GridX[column + 1]) - 1;
            const int x = (cellLeft + cellRight - ink.left() - ink.right() + 1) / 2;
            const int y = (cellTop + cellBottom - ink.top() + 1) / 2;
            p.drawText(QPoint(x, y), text);
        }
    }
    p.end();
    image.setDevicePixelRatio(dpr);
    return image;
}

} // namespace varelux

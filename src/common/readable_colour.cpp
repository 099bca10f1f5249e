// Contrast, the OKLCH lightness search and the labels that follow the palette.
#include "common/readable_colour.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>

namespace varelux::ui {

namespace {

using Triple = std::array<double, 3>;

double toLinear(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double toGamma(double c)
{
    return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
}

// OKLab (Björn Ottosson) from and to linear sRGB.
Triple oklabOf(const QColor &colour)
{
    const double r = toLinear(colour.redF()), g = toLinear(colour.greenF()),
                 b = toLinear(colour.blueF());
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

Triple linearRgbOf(double lightness, double a, double b)
{
    const double l = std::pow(lightness + 0.3963377774 * a + 0.2158037573 * b, 3);
    const double m = std::pow(lightness - 0.1055613458 * a - 0.0638541728 * b, 3);
    const double s = std::pow(lightness - 0.0894841775 * a - 1.2914855480 * b, 3);
    return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

bool inGamut(const Triple &rgb)
{
    constexpr double kSlack = 1e-6;
    return std::all_of(rgb.begin(), rgb.end(),
                       [](double c) { return c >= -kSlack && c <= 1 + kSlack; });
}

// The sRGB colour of the given OKLCH lightness and hue, at the given chroma or, where sRGB has
// no such colour, at the highest chroma it has.
QColor colourAt(double lightness, double chroma, double hue)
{
    auto rgbAt = [&](double c) {
        return linearRgbOf(lightness, c * std::cos(hue), c * std::sin(hue));
    };
    Triple rgb = rgbAt(chroma);
    if (!inGamut(rgb)) {
        double inside = 0, outside = chroma; // chroma 0 is a grey, always inside
        for (int step = 0; step < 24; ++step) {
            const double middle = (inside + outside) / 2;
            (inGamut(rgbAt(middle)) ? inside : outside) = middle;
        }
        rgb = rgbAt(inside);
    }
    auto channel = [](double c) {
        return int(std::lround(255 * toGamma(std::clamp(c, 0.0, 1.0))));
    };
    return QColor(channel(rgb[0]), channel(rgb[1]), channel(rgb[2]));
}

// Anti-aliased text's fullest pixels can come out one 8-bit step short of its colour, towards
// the background; the colour reads when they still do.
bool reads(const QColor &ink, const QColor &background)
{
    auto step = [](int from, int to) { return from + (to > from) - (to < from); };
    const QColor shortOf(step(ink.red(), background.red()), step(ink.green(), background.green()),
                         step(ink.blue(), background.blue()));
    return contrastRatio(shortOf, background) >= kMinimumContrast;
}

// Keeps a label's text colour readable: re-applied whenever the label's palette changes, as it
// does when the application's or the window's palette changes.
class TextColour : public QObject {
public:
    TextColour(QWidget *label, const QColor &colour) : QObject(label), m_colour(colour)
    {
        label->installEventFilter(this);
        apply(label);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange && !m_applying)
            apply(static_cast<QWidget *>(watched));
        return false;
    }

private:
    void apply(QWidget *label)
    {
        // The label's own WindowText is this colour; light or dark is the surrounding palette's.
        QPalette surrounding =
            label->parentWidget() ? label->parentWidget()->palette() : QApplication::palette(label);
        QPalette palette = label->palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            surrounding.setCurrentColorGroup(group);
            const QColor background = palette.color(group, label->backgroundRole());
            palette.setColor(group, QPalette::WindowText,
                             isDarkPalette(surrounding) ? readableOn(m_colour, background)
                                                        : m_colour);
        }
        m_applying = true;
        label->setPalette(palette);
        m_applying = false;
    }

    QColor m_colour;
    bool m_applying = false;
};

} // namespace

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * toLinear(rgb.redF()) + 0.7152 * toLinear(rgb.greenF()) +
           0.0722 * toLinear(rgb.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDarkPalette(const QPalette &palette)
{
    const QRgba64 window = palette.color(QPalette::Window).rgba64();
    const QRgba64 text = palette.color(QPalette::WindowText).rgba64();
    // Luminance grows with each channel, so colours ordered channel by channel (as the light
    // and dark palettes are) are ordered without it. Every coloured label asks this before the
    // first frame, and the first call of std::pow maps its code and tables: a quarter of a
    // megabyte of resident memory that the first frame does not need.
    if (window.red() >= text.red() && window.green() >= text.green() &&
        window.blue() >= text.blue())
        return false;
    if (window.red() <= text.red() && window.green() <= text.green() &&
        window.blue() <= text.blue())
        return true; // not all equal: then the first test was true
    return relativeLuminance(palette.color(QPalette::Window)) <
           relativeLuminance(palette.color(QPalette::WindowText));
}

QColor readableOn(const QColor &ink, const QColor &background)
{
    const QColor rgb = ink.toRgb(), behind = background.toRgb();
    if (reads(rgb, behind))
        return rgb;
    const Triple lab = oklabOf(rgb);
    const double chroma = std::hypot(lab[1], lab[2]), hue = std::atan2(lab[2], lab[1]);
    auto colour = [&](double lightness) { return colourAt(lightness, chroma, hue); };
    auto readable = [&](double lightness) { return reads(colour(lightness), behind); };

    // Contrast follows luminance, which grows with lightness: the lightnesses that read lie
    // towards white and towards black, beyond the background's, and halving between ink's
    // lightness and an end that reads finds the nearest one. The nearer of the two sides wins.
    double best = -1;
    for (const double end : {1.0, 0.0}) {
        if (!readable(end))
            continue;
        double failing = lab[0], reading = end;
        for (int step = 0; step < 30; ++step) {
            const double middle = (failing + reading) / 2;
            (readable(middle) ? reading : failing) = middle;
        }
        if (best < 0 || std::abs(reading - lab[0]) < std::abs(best - lab[0]))
            best = reading;
    }
    if (best >= 0)
        return colour(best);
    return contrastRatio(Qt::white, behind) >= contrastRatio(Qt::black, behind) ? QColor(Qt::white)
                                                                                : QColor(Qt::black);
}

void setTextColour(QWidget *label, const QColor &colour)
{
    new TextColour(label, colour);
}

} // namespace varelux::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Colours.h"

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <utility>

namespace dozewell {

namespace {
// A step of lightness small enough that the shade found stays close to the
// colour.
constexpr float kLightnessStep = 0.01F;

double Linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor &colour)
{
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) + 0.0722 * Linear(colour.blueF());
}
} // namespace

double ContrastRatio(const QColor &one, const QColor &other)
{
    const auto [darker, lighter] = std::minmax({Luminance(one), Luminance(other)});
    return (lighter + 0.05) / (darker + 0.05);
}

bool IsDark(const QColor &background)
{
    return ContrastRatio(background, Qt::white) > ContrastRatio(background, Qt::black);
}

QColor ReadableOn(const QColor &colour, const QColor &background)
{
    if (!IsDark(background))
        return colour;
    QColor shade = colour.toHsl();
    const float hue = std::max(0.0F, shade.hslHueF()); // a grey has none
    while (ContrastRatio(shade, background) < kReadableContrast && shade.lightnessF() < 1)
        shade.setHslF(hue, shade.hslSaturationF(), std::min(1.0F, shade.lightnessF() + kLightnessStep));
    return shade.toRgb();
}

namespace {
// The colours a palette is made of; the rest are shades of the window's,
// in the proportions Qt's Fusion style uses.
struct PaletteColours {
    QColor window, base, text, faint, highlight, link, toolTip, toolTipText;
};

QPalette MakePalette(const PaletteColours &colours)
{
    const QColor mid = colours.window.darker(130);
    const QColor dark = colours.window.darker(150);
    QPalette palette;
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Window, colours.window},
        {QPalette::WindowText, colours.text},
        {QPalette::Base, colours.base},
        {QPalette::AlternateBase, colours.base.darker(105)},
        {QPalette::Text, colours.text},
        {QPalette::PlaceholderText, colours.faint},
        {QPalette::Button, colours.window},
        {QPalette::ButtonText, colours.text},
        {QPalette::BrightText, Qt::white},
        {QPalette::Light, colours.window.lighter(150)},
        {QPalette::Midlight, mid.lighter(110)},
        {QPalette::Mid, mid},
        {QPalette::Dark, dark},
        {QPalette::Shadow, dark.darker(135)},
        {QPalette::Highlight, colours.highlight},
        {QPalette::HighlightedText, Qt::white},
        {QPalette::Link, colours.link},
        {QPalette::LinkVisited, colours.link.darker(120)},
        {QPalette::ToolTipBase, colours.toolTip},
        {QPalette::ToolTipText, colours.toolTipText},
    };
    for (const auto &[role, colour] : roles)
        palette.setColor(role, colour);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, colours.faint);
    palette.setColor(QPalette::Disabled, QPalette::Base, colours.window);
    return palette;
}
} // namespace

QPalette LightPalette()
{
    // Qt's own light colours, which a dark desktop theme replaces.
    return MakePalette({QColor(239, 239, 239), Qt::white, Qt::black, QColor(190, 190, 190), QColor(48, 140, 198),
                        QColor(0, 0, 255), QColor(255, 255, 220), Qt::black});
}

QPalette DarkPalette()
{
    // Adwaita's dark theme: its window, fields, text, faint text and selection.
    const QColor text(238, 238, 236);
    return MakePalette({QColor(53, 53, 53), QColor(45, 45, 45), text, QColor(145, 145, 144), QColor(21, 83, 158),
                        QColor(120, 174, 237), QColor(30, 30, 30), text});
}

void FollowColourScheme(ColourScheme scheme)
{
    QApplication::setPalette(QPalette()); // the theme's own
    const bool themeIsDark = IsDark(QApplication::palette().color(QPalette::Window));
    if (scheme == ColourScheme::PreferDark && !themeIsDark)
        QApplication::setPalette(DarkPalette());
    else if (scheme == ColourScheme::PreferLight && themeIsDark)
        QApplication::setPalette(LightPalette());
}

} // namespace dozewell

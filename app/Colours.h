// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QColor>
#include <QPalette>

namespace dozewell {

// What text needs against its background to be read with ease: WCAG 2's AA
// level for normal text.
inline constexpr double kReadableContrast = 4.5;

// The contrast ratio of two colours, as WCAG 2 measures it: 1 to 21.
double ContrastRatio(const QColor &one, const QColor &other);

// A background on which light text reads better than dark text.
bool IsDark(const QColor &background);

// `colour` on a light background; on a dark one the nearest lighter shade of
// its hue that is readable there.
QColor ReadableOn(const QColor &colour, const QColor &background);

// The light and dark palettes for where the desktop's theme gives the other.
QPalette LightPalette();
QPalette DarkPalette();

// Gives every window the colours the user prefers: where the desktop's theme
// already gives them, or there is no preference, the theme's own; otherwise
// the dark or the light palette.
void FollowColourScheme(ColourScheme scheme);

} // namespace dozewell

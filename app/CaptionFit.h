// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QStringList>
#include <functional>

class QWidget;

namespace dozewell {

// The controls of `window`, itself included, whose text, drawn by their style in `font`, would
// not fit the room the fixed layout gives it: cut at a side, clipped at the
// top or bottom, or a frame's caption running into the controls below it.
// Controls with a font of their own, and those in `exempt`, are left out.
QStringList CutCaptions(const QWidget *window, const QFont &font, const QList<const QWidget *> &exempt = {});

// The family of `desktop` at the largest pixel size, no larger than its own,
// at which every caption of `window` fits; the smallest legible size when
// none does. In pixels, so that the fixed layout and the text grow together
// with the screen's scale.
QFont FittingFont(const QWidget *window, const QFont &desktop, const QList<const QWidget *> &exempt = {});

// `font` where each of `controls` shows its whole text in it; otherwise its
// family at the largest pixel size at which the labels among them all do.
QFont WholeTextFont(const QList<const QWidget *> &controls, const QFont &font);

// Draws the texts of `window` (a window, or one control) in the fitting font
// of the desktop's.
void FitCaptions(QWidget *window, const QList<const QWidget *> &exempt = {});

// Runs `fit` now, and again whenever the desktop's font changes, while
// `window` lives.
void KeepFitting(QWidget *window, std::function<void()> fit);

} // namespace dozewell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QAbstractButton;
class QLineEdit;

namespace dozewell {

// What a screen reader is told beyond what Qt tells by itself: the main
// window is a frame and the About window a dialog, each named by its title
// (Qt calls a plain widget window a filler); a logo that opens the About
// window is a button that can be pressed; a combo box that has a name of its
// own is called by it (Qt on Linux calls a combo box by its current text).
// Each window calls it before it is shown; once is enough.
void InstallAccessibleInterfaces();

// Names each of `buttons`, which step `field`, by what it does (its tool tip)
// and the field's value, now and whenever the value changes: a screen reader
// says the new value after each press, though the field has not the focus.
void NameByValue(QLineEdit *field, const QList<QAbstractButton *> &buttons);

} // namespace dozewell

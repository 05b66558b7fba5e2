// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace dozewell {

// Places a window in the middle of its screen's free area, without relying on
// a window manager to do it.
void CentreOnScreen(QWidget *window);

// Shows a window, restoring it if minimized, and brings it forward.
void BringForward(QWidget *window);

// For a window whose form fixes its size: its frame offers minimize and
// close, and no maximize.
void OfferNoMaximize(QWidget *window);

// Gives the keyboard focus to the first control that takes it from Tab,
// from `first` on along its window's focus chain.
void FocusFirstFrom(QWidget *first);

// Gives a window the program's icon, at each size the icon theme has it, so
// that the frame, the task bar and the window switcher each find theirs.
void GiveProgramIcon(QWidget *window);

} // namespace dozewell

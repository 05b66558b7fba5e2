// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace dozewell {

// Makes `window` ready for the keyboard, as GNOME's and KDE's windows are:
// Return and Enter press the focused button as Space does (once per press,
// when the key comes up) and open the list of a combo box that takes no typed
// entries, and the focused control shows that it has the focus from the
// moment the window opens, not only after the first Tab.
void ForKeyboardUse(QWidget *window);

} // namespace dozewell

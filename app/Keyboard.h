// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <optional>

class QAbstractButton;
class QWidget;

namespace dozewell {

// Makes `window` ready for the keyboard, as GNOME's and KDE's windows are:
// Return and Enter press the focused button as Space does (once per press,
// when the key comes up) and open the list of a combo box that takes no typed
// entries, and the focused control shows that it has the focus from the
// moment the window opens, not only after the first Tab.
void ForKeyboardUse(QWidget *window);

// Two buttons that share one place, one shown at a time. The focus stays on
// the place when one takes the other's; and a press that comes within a
// double click's time of the press that swapped them is the second half of a
// double press, not a press of its own: a double click on Start!, or Space
// pressed twice on it, leaves the run started.
class SharedPlace : public QObject {
public:
    SharedPlace(QAbstractButton *first, QAbstractButton *second, QObject *parent);

    // Shows `button` in the place of the other one.
    void show(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractButton *m_first;
    QAbstractButton *m_second;
    // When the last press on the place came, in the window system's time,
    // and whether the buttons were swapped since.
    std::optional<quint64> m_pressedAt;
    bool m_swapped = false;
};

} // namespace dozewell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <optional>

class QWidget;

namespace dozewell {

class IntervalTimer;

// What a window does while nobody sees it: minimized or hidden, or any
// window while the screen saver blanks or locks the screen. The banner's
// ticks wait, and its labels catch up on the ticks left out when it is seen
// again; the clock, whose label nobody reads, ticks along with a running
// countdown, so that the two wake the program once a second, not twice.
// Behind the screen saver nothing is painted, nor the caption changed (the
// window manager's answers to each change would wake the program), until
// the screen comes back; minimized, the taskbar shows the caption.
class UnseenRest : public QObject {
    Q_OBJECT

public:
    UnseenRest(QWidget *window, IntervalTimer *countdown, IntervalTimer *banner, IntervalTimer *clock);

    // The screen saver came on, or went off.
    void setScreenOff(bool off);
    // The window's caption, now or once the screen is back.
    void showCaption(const QString &caption);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();

    QWidget *m_window;
    IntervalTimer *m_countdown;
    IntervalTimer *m_banner;
    IntervalTimer *m_clock;
    bool m_screenOff = false;
    std::optional<QString> m_captionWaiting;
};

} // namespace dozewell

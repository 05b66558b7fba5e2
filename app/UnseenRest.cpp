// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UnseenRest.h"

#include "app/IntervalTimer.h"

#include <QEvent>
#include <QWidget>

namespace dozewell {

UnseenRest::UnseenRest(QWidget *window, IntervalTimer *countdown, IntervalTimer *banner, IntervalTimer *clock)
    : QObject(window), m_window(window), m_countdown(countdown), m_banner(banner), m_clock(clock)
{
    window->installEventFilter(this);
    follow();
}

void UnseenRest::setScreenOff(bool off)
{
    m_screenOff = off;
    follow();
}

void UnseenRest::showCaption(const QString &caption)
{
    if (m_screenOff)
        m_captionWaiting = caption;
    else
        m_window->setWindowTitle(caption);
}

bool UnseenRest::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        follow();
        break;
    default:
        break;
    }
    return false;
}

void UnseenRest::follow()
{
    const bool unseen = !m_window->isVisible() || m_window->isMinimized() || m_screenOff;
    m_window->setUpdatesEnabled(!m_screenOff);
    if (m_captionWaiting && !m_screenOff)
        m_window->setWindowTitle(*std::exchange(m_captionWaiting, std::nullopt));
    m_banner->setSuspended(unseen);
    m_clock->rideOn(unseen ? m_countdown : nullptr);
}

} // namespace dozewell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CursorBlink.h"

#include <QApplication>
#include <QEvent>

namespace dozewell {

CursorBlink::CursorBlink(int blinkForMs, QObject *parent)
    : QObject(parent), m_flashTime(QApplication::cursorFlashTime())
{
    m_stop.setSingleShot(true);
    m_stop.setInterval(blinkForMs);
    connect(&m_stop, &QTimer::timeout, this, [] { QApplication::setCursorFlashTime(0); });
    qApp->installEventFilter(this);
    Blink();
}

CursorBlink::~CursorBlink()
{
    QApplication::setCursorFlashTime(m_flashTime);
}

bool CursorBlink::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::FocusIn:
        Blink();
        break;
    default:
        break;
    }
    return false;
}

void CursorBlink::Blink()
{
    if (QApplication::cursorFlashTime() != m_flashTime)
        QApplication::setCursorFlashTime(m_flashTime);
    m_stop.start();
}

} // namespace dozewell

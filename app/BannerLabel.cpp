// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BannerLabel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace dozewell {

void BannerLabel::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if (m_picture.isNull() || m_pictureText != text() || m_picture.devicePixelRatio() != ratio) {
        m_picture = QPixmap(size() * ratio);
        m_picture.setDevicePixelRatio(ratio);
        m_picture.fill(Qt::transparent);
        QPainter painter(&m_picture);
        painter.setFont(font());
        style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()),
                              palette(), isEnabled(), text(), foregroundRole());
        m_pictureText = text();
    }
    QPainter(this).drawPixmap(0, 0, m_picture);
}

void BannerLabel::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::EnabledChange:
    case QEvent::StyleChange:
        m_picture = QPixmap();
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}

void BannerLabel::resizeEvent(QResizeEvent *event)
{
    m_picture = QPixmap();
    QLabel::resizeEvent(event);
}

} // namespace dozewell

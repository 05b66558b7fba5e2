// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ClickableImage.h"

#include <QMouseEvent>

namespace dozewell {

void ClickableImage::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace dozewell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace dozewell {

// A picture that reports a click, as the logo images do.
class ClickableImage : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

public slots:
    // What a click does, as a button's click() does it.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace dozewell

using dozewell::ClickableImage;

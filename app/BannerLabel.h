// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPixmap>

namespace dozewell {

// A title banner label. The banner moves 40 times a second while a run is
// active; the label draws its text once into a picture and then only copies
// that picture, instead of laying the text out again on every move.
class BannerLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPixmap m_picture;
    QString m_pictureText;
};

} // namespace dozewell

using dozewell::BannerLabel;

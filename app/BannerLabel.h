// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
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

    // Gives the banner's labels, the title, the version and the year, their
    // texts' font and colours, and the version its text.
    static void StyleBanner(BannerLabel *name, BannerLabel *version, BannerLabel *year);

    // Moves the label to `leftTwips` across the banner.
    void placeAt(float leftTwips);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The text's own colour: a dark one, taken a lighter shade of its hue
    // on a dark background, whenever the colours change.
    void setOwnColour(const QColor &colour);
    void applyOwnColour();

    QPixmap m_picture;
    QString m_pictureText;
    QColor m_ownColour;
};

} // namespace dozewell

using dozewell::BannerLabel;

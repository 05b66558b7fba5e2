// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BannerLabel.h"

#include "app/BuildInfo.h"
#include "app/CaptionFit.h"
#include "app/Colours.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace dozewell {

namespace {
constexpr float kTwipsPerPixel = 15;
const QString kBannerFont = QStringLiteral("MS Sans Serif");
constexpr qreal kBannerPointSize = 13.5;
const QString kBannerVersion = QStringLiteral("V %1");
const QColor kVersionColour(128, 0, 0);
const QColor kYearColour(0, 128, 0);
} // namespace

void BannerLabel::StyleBanner(BannerLabel *name, BannerLabel *version, BannerLabel *year)
{
    version->setText(kBannerVersion.arg(QLatin1String(kVersion)));
    // No desktop has the banner's font; the one that stands in for it may
    // be wider, and a title cut at both sides slides along the banner.
    QFont font(kBannerFont);
    font.setPointSizeF(kBannerPointSize);
    font.setWeight(QFont::Normal);
    font = WholeTextFont({name, version, year}, font);
    for (QWidget *label : {name, version, year})
        label->setFont(font);
    version->setOwnColour(kVersionColour);
    year->setOwnColour(kYearColour);
}

void BannerLabel::placeAt(float leftTwips)
{
    const int left = qRound(leftTwips / kTwipsPerPixel);
    if (x() != left) // most ticks leave the slower labels on the same pixel
        move(left, y());
}

void BannerLabel::setOwnColour(const QColor &colour)
{
    m_ownColour = colour;
    applyOwnColour();
}

void BannerLabel::applyOwnColour()
{
    if (!m_ownColour.isValid())
        return;
    const QColor shade = ReadableOn(m_ownColour, palette().color(QPalette::Window));
    if (palette().color(QPalette::WindowText) == shade)
        return;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, shade);
    setPalette(colours);
}

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
    case QEvent::PaletteChange:
        applyOwnColour();
        m_picture = QPixmap();
        break;
    case QEvent::FontChange:
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

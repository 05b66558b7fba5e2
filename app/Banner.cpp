#include "app/frmMain.h"
#include "ui_frmMain.h"

namespace dozewell {

namespace {
constexpr float kTwipsPerPixel = 15;

void PlaceAt(QWidget *label, float leftTwips)
{
    const int left = qRound(leftTwips / kTwipsPerPixel);
    if (label->x() != left) // most ticks leave the slower labels on the same pixel
        label->move(left, label->y());
}
} // namespace

void frmMain::Timer2_Timer()
{
    m_banner.Tick(BannerStep);
    PlaceBannerLabels();
}

void frmMain::PlaceBannerLabels()
{
    PlaceAt(ui->lblName, m_banner.NameLeft);
    PlaceAt(ui->lblYear, m_banner.YearLeft);
    PlaceAt(ui->lbl666, m_banner.VersionLeft);
}

} // namespace dozewell

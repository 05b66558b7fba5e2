#include "app/BannerCourse.h"

namespace dozewell {

namespace {
// lblName touches the right edge of the frame at 2760 (frame width less its own).
constexpr float kNameRightTurn = 2760;
constexpr float kNameLeftTurn = 0;
constexpr int kNameStep = 30;
constexpr int kYearStep = -5;
constexpr int kVersionStep = 9;
} // namespace

void BannerCourse::Tick(qint16 &bannerStep)
{
    if (NameLeft >= kNameRightTurn)
        bannerStep = -1;
    if (NameLeft <= kNameLeftTurn)
        bannerStep = 1;
    NameLeft += kNameStep * bannerStep;
    YearLeft += kYearStep * bannerStep;
    VersionLeft += kVersionStep * bannerStep;
}

} // namespace dozewell

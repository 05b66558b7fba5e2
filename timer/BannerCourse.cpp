// SPDX-License-Identifier: GPL-3.0-or-later
#include "timer/BannerCourse.h"

namespace dozewell {

namespace {
// lblName touches the right edge of the frame at 2760 (frame width less its own).
constexpr float kNameRightTurn = 2760;
constexpr float kNameLeftTurn = 0;
constexpr int kNameStep = 30;
constexpr int kYearStep = -5;
constexpr int kVersionStep = 9;
// lblName always stands on a multiple of its step between the turning points,
// and the other two move in step with it, so the whole course repeats after
// one sweep there and back: 2 x 2760 / 30 ticks.
constexpr qint64 kTicksPerSweep = 2 * static_cast<qint64>(kNameRightTurn) / kNameStep;
} // namespace

void BannerCourse::Tick()
{
    if (NameLeft >= kNameRightTurn)
        BannerStep = -1;
    if (NameLeft <= kNameLeftTurn)
        BannerStep = 1;
    NameLeft += kNameStep * BannerStep;
    YearLeft += kYearStep * BannerStep;
    VersionLeft += kVersionStep * BannerStep;
}

void BannerCourse::Advance(qint64 ticks)
{
    for (qint64 i = ticks % kTicksPerSweep; i > 0; --i)
        Tick();
}

} // namespace dozewell

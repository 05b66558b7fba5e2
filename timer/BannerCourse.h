// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace dozewell {

// The title banner's course: the direction it moves in and the Left
// positions of its three labels, in twips within the banner frame, as the
// window is first laid out.
struct BannerCourse {
    // -1 moves lblName left, 1 right.
    qint16 BannerStep = -1;
    float NameLeft = 1320;
    float VersionLeft = 3360;
    float YearLeft = 600;

    // One tick: turn at the frame's edges, then move all three labels,
    // lbl666 with lblName and lblYear against it.
    void Tick();
    // As many ticks as given, in one go.
    void Advance(qint64 ticks);
};

} // namespace dozewell

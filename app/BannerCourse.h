#pragma once

#include <QtGlobal>

namespace dozewell {

// The Left positions of the title banner's three labels, in twips within the
// banner frame, as the window is first laid out.
struct BannerCourse {
    float NameLeft = 1320;
    float VersionLeft = 3360;
    float YearLeft = 600;

    // One tick: turn at the frame's edges (-1 moves lblName left, 1 right),
    // then move all three labels, lbl666 with lblName and lblYear against it.
    void Tick(qint16 &bannerStep);
};

} // namespace dozewell

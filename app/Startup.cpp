// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "app/WindowPlacement.h"
#include "app/frmMain.h"

namespace dozewell {

bool StartUp(frmMain &form)
{
    if (!form.Form_Load())
        return false;
    CentreOnScreen(&form);
    form.show();
    return true;
}

} // namespace dozewell

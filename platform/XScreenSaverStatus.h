// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>

struct xcb_connection_t;

namespace dozewell {

// Whether xscreensaver blanks or locks the screen. It says so on the X root
// window, in the property _SCREENSAVER_STATUS, whose first value is the atom
// BLANK or LOCK, or 0; the X server tells each change of it. (Its D-Bus
// service neither answers GetActive nor signals.) Without an X display,
// natively on Wayland, it is never active.
class XScreenSaverStatus : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit XScreenSaverStatus(QObject *parent = nullptr);
    ~XScreenSaverStatus() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    // Also once after the start, when it is already active.
    void changed(bool active);

private:
    void read();

    xcb_connection_t *m_connection = nullptr;
    uint32_t m_root = 0;
    uint32_t m_status = 0;
    uint32_t m_blank = 0;
    uint32_t m_lock = 0;
    bool m_active = false;
};

} // namespace dozewell

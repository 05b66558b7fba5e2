// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/XScreenSaverStatus.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>

class QDBusMessage;

namespace dozewell {

// Whether the desktop's screen saver is active (the screen blanked or
// locked), as GNOME (org.gnome.ScreenSaver) and the other desktops
// (org.freedesktop.ScreenSaver) tell it on the session bus: asked when one
// comes, then told by its ActiveChanged, heeded from the service's owner
// alone; and as xscreensaver tells it, on the X root window. A screen saver
// that leaves is not active. Nothing waits for the bus.
class ScreenSaverWatch : public QObject {
    Q_OBJECT

public:
    explicit ScreenSaverWatch(QDBusConnection bus, QObject *parent = nullptr);

    bool active() const { return m_active[0] || m_active[1] || m_active[2]; }

signals:
    void activeChanged(bool active);

private slots:
    void changed(bool active, const QDBusMessage &message);

private:
    void ask(int saver);
    void set(int saver, bool active);

    QDBusConnection m_bus;
    QDBusServiceWatcher m_owners;
    XScreenSaverStatus m_xscreensaver;
    bool m_active[3] = {false, false, false};
    // Each service's owner, its unique name on the bus, once known.
    QString m_owner[2];
};

} // namespace dozewell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScreenSaverWatch.h"

#include "platform/BusCall.h"

#include <QDBusMessage>
#include <QDBusPendingReply>

namespace dozewell {

namespace {
// GNOME's, and the one the other desktops share; each service is its own
// interface, at its own path.
const QString kSavers[2] = {QStringLiteral("org.gnome.ScreenSaver"), QStringLiteral("org.freedesktop.ScreenSaver")};
const QString kPaths[2] = {QStringLiteral("/org/gnome/ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver")};

int SaverOf(const QString &name)
{
    return name == kSavers[0] ? 0 : 1;
}
} // namespace

ScreenSaverWatch::ScreenSaverWatch(QDBusConnection bus, QObject *parent)
    : QObject(parent), m_bus(std::move(bus)), m_owners(QString(), m_bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    connect(&m_xscreensaver, &XScreenSaverStatus::changed, this, [this](bool active) { set(2, active); });
    if (!m_bus.isConnected())
        return;
    m_owners.setWatchedServices({kSavers[0], kSavers[1]});
    connect(&m_owners, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &service, const QString &, const QString &newOwner) {
                const int saver = SaverOf(service);
                m_owner[saver] = newOwner;
                set(saver, false);
                if (!newOwner.isEmpty())
                    ask(saver);
            });
    for (int saver : {0, 1}) {
        // From whoever sends it: naming the service would make QtDBus ask the
        // bus for its owner, waiting. changed() heeds only the owner.
        m_bus.connect(QString(), kPaths[saver], kSavers[saver], QStringLiteral("ActiveChanged"), this,
                      SLOT(changed(bool, QDBusMessage)));
        ask(saver);
    }
}

void ScreenSaverWatch::ask(int saver)
{
    QDBusMessage getActive =
        QDBusMessage::createMethodCall(kSavers[saver], kPaths[saver], kSavers[saver], QStringLiteral("GetActive"));
    // One that is not running is not active: it is not started to say so.
    getActive.setAutoStartService(false);
    CallLater<QDBusPendingReply<bool>>(m_bus, getActive, this, [this, saver](const QDBusPendingReply<bool> &reply) {
        if (!reply.isValid())
            return;
        m_owner[saver] = reply.reply().service();
        set(saver, reply.value());
    });
}

void ScreenSaverWatch::changed(bool active, const QDBusMessage &message)
{
    const int saver = SaverOf(message.interface());
    if (!m_owner[saver].isEmpty() && message.service() == m_owner[saver])
        set(saver, active);
}

void ScreenSaverWatch::set(int saver, bool active)
{
    const bool before = this->active();
    m_active[saver] = active;
    if (this->active() != before)
        emit activeChanged(this->active());
}

} // namespace dozewell

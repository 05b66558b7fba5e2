// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QObject>
#include <QString>

// The one way the platform layer asks the session bus: nothing waits for it.
//
//     QDBusMessage read = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kSettings, "Read");
//     read << kAppearance << kColourScheme;
//     CallLater<QDBusPendingReply<QDBusVariant>>(bus, read, this, [this](const auto &reply) {
//         if (reply.isValid())
//             take(reply.value());
//     });
//
// The answer comes from the event loop, once, while `context` lives: the reply,
// or an error reply when the service failed, is not there, or did not answer
// within `timeOutMs` (-1: the bus's own limit, about 25 s). reply.reply().service()
// names the connection that answered.
//
// Signals are listened to with an empty service name and checked by their
// sender where that matters: a service name makes QtDBus ask the bus for its
// owner, and wait for the answer.

namespace dozewell {

template <class Reply, class Answered>
void CallLater(const QDBusConnection &bus, const QDBusMessage &method, QObject *context, Answered answered,
               int timeOutMs = -1)
{
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(method, timeOutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, answered] {
        watcher->deleteLater();
        answered(Reply(*watcher));
    });
}

// The desktop portal, which settings, inhibitions and more go through.
inline const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");

} // namespace dozewell

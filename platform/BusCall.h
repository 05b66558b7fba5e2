// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QObject>

namespace dozewell {

// Calls `method` without waiting, and hands its reply (or error) to
// `answered` in the event loop, while `context` lives.
template <class Answered>
void CallLater(const QDBusConnection &bus, const QDBusMessage &method, QObject *context, Answered answered,
               int timeOutMs = -1)
{
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(method, timeOutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, answered] {
        watcher->deleteLater();
        answered(watcher->reply());
    });
}

} // namespace dozewell

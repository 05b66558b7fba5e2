// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace dozewell {

class Inhibition;

// Asks the desktop, over the session bus, not to suspend the computer on its
// own: through the desktop portal's Inhibit (GNOME, KDE), or, where there is
// no portal or it refuses, through org.freedesktop.PowerManagement (Xfce's
// and KDE's power managers). Nothing waits for the bus: every call is
// asynchronous, and what comes back later is matched to what is still
// wanted. Should the service that holds the inhibition leave the bus, or the
// portal come while it does not hold it, it asks again from the start. When
// nothing can be inhibited, one line on standard error says so. Should the
// program die, the bus ends the inhibition with its connection.
class SuspendInhibitor : public QObject {
    Q_OBJECT

public:
    explicit SuspendInhibitor(QDBusConnection bus, QObject *parent = nullptr);
    ~SuspendInhibitor() override;

    // Holds an inhibition with `reason`, in place of the one held so far.
    void hold(const QString &reason);
    // Ends the inhibition held, also one whose answer is still to come.
    void release();

private:
    void ask();
    void askAgainSoon();

    QDBusConnection m_bus;
    QString m_reason;
    QPointer<Inhibition> m_held;
    // A service that leaves and comes again at once is asked at most this often.
    QTimer m_again;
    QElapsedTimer m_asked;
};

} // namespace dozewell

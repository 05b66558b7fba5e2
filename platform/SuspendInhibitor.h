// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

class QDBusMessage;

namespace dozewell {

// Asks the desktop, over the session bus, not to suspend the computer on its
// own, the way the desktop lets a program that is not sandboxed ask: GNOME's
// session manager (org.gnome.SessionManager, under the program's desktop id),
// else the power manager of KDE and Xfce (org.freedesktop.PowerManagement),
// else the desktop portal, which a sandbox (Flatpak, Snap) asks first. Each
// way is asked in turn until one holds. Nothing waits for the bus, and an
// answer to a question no longer asked is undone. A holder that leaves the
// bus, or a better way that comes, is asked again. Only when no way holds
// does one line on standard error say so. Should the program die, the bus
// ends the inhibition with its connection.
class SuspendInhibitor : public QObject {
    Q_OBJECT

public:
    explicit SuspendInhibitor(QDBusConnection bus, QObject *parent = nullptr);
    ~SuspendInhibitor() override;

    // Holds an inhibition with `reason`, for the X11 window `window` (0 for
    // none), in place of the one held so far.
    void hold(const QString &reason, uint window);
    // Ends the inhibition held, also one whose answer is still to come.
    void release();

private slots:
    void portalAnswered(uint response, const QVariantMap &results, const QDBusMessage &message);

private:
    enum class Way { SessionManager, PowerManager, Portal };
    // The one state: the way asked, whether it said yes, and what it gave to
    // end the inhibition with. Each question has a number of its own;
    // answers to any other are undone.
    struct Asked {
        qsizetype way = -1;
        quint64 question = 0;
        bool holds = false;
        uint cookie = 0;
        QString request; // the portal's
    };

    void askFrom(qsizetype way);
    void askAgainSoon();
    void askAgain();
    void answered(Asked asked, uint cookie, const QString &error);
    void refused(const QString &why);
    void undo(const Asked &asked);
    void ownerChanged(const QString &service, const QString &oldOwner, const QString &newOwner);
    void listen(const QString &path, bool on);

    QDBusConnection m_bus;
    QList<Way> m_ways;
    QString m_reason;
    uint m_window = 0;
    bool m_wanted = false;
    Asked m_asked;
    quint64 m_questions = 0;
    QStringList m_problems;
    QString m_portalOwner;
    QDBusServiceWatcher m_owners;
    // A service that leaves and comes again at once is asked at most this often.
    QTimer m_again;
    QElapsedTimer m_sinceAsked;
};

} // namespace dozewell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/XfceSuspendSetting.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QStringList>

class QDBusMessage;

namespace dozewell {

// Keeps the computer from suspending on its own, never the screen from
// blanking, the way each desktop lets a program ask: GNOME's session
// manager, Xfce's (4.19 and later), Xfce's own setting where its power
// manager runs, KDE's power manager, the desktop portal (first in a
// sandbox). The ways are asked in turn until one holds; every question has
// a number, and an answer to any but the last is undone. A holder that
// leaves the bus, or an earlier way that comes, is asked again. Only when
// no way holds does one line on standard error say so.
class SuspendInhibitor : public QObject {
    Q_OBJECT

public:
    explicit SuspendInhibitor(QDBusConnection bus, QObject *parent = nullptr);
    ~SuspendInhibitor() override { release(); }

    // Holds with `reason`, for the X11 window `window` (0: none), in place
    // of what held so far.
    void hold(const QString &reason, uint window);
    void release();

private slots:
    void portalAnswered(uint response, const QVariantMap &results, const QDBusMessage &message);

private:
    // What holds: the way (its place in the table) and what ends it, a
    // cookie or the portal's request.
    struct Held {
        qsizetype way = -1;
        QVariant token;
    };
    void ask(qsizetype way);
    void answered(qsizetype way, quint64 question, const QDBusMessage &reply);
    void refused(const QString &why);
    void undo(const Held &held);
    void ownerChanged(const QString &service, const QString &oldOwner, const QString &newOwner);

    QDBusConnection m_bus;
    XfceSuspendSetting m_xfce;
    QList<int> m_ways;
    QString m_reason;
    uint m_window = 0;
    quint64 m_question = 0; // the last one asked
    qsizetype m_asking = -1; // the way it asked; -1 when released
    struct {
        QString request; // where its answer comes
        QString owner; // the portal that replied to the call
        QPair<QString, QString> early; // a refusal sent before the reply: by whom, and why
    } m_portal; // while the portal is asked
    QStringList m_problems;
    Held m_held;
    QDBusServiceWatcher m_owners;
};

} // namespace dozewell

#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <QVariantMap>

class QDBusMessage;

namespace dozewell {

// Asks the desktop, over the session bus, not to suspend the computer on its
// own: through the desktop portal's Inhibit (GNOME, KDE), or, where there is
// no portal or it refuses, through org.freedesktop.PowerManagement (Xfce's
// and KDE's power managers). Nothing waits for the bus: every call is
// asynchronous, and what comes back later is matched to what is still
// wanted. When nothing can be inhibited, one line on standard error says so.
// Should the program die, the bus ends the inhibition with its connection.
class SuspendInhibitor : public QObject {
    Q_OBJECT

public:
    explicit SuspendInhibitor(QDBusConnection bus, QObject *parent = nullptr);
    ~SuspendInhibitor() override;

    // Holds an inhibition with `reason`, in place of the one held so far.
    void hold(const QString &reason);
    // Ends the inhibition held, also one whose answer is still to come.
    void release();

    class Inhibition;

private slots:
    void portalResponse(uint response, const QVariantMap &results, const QDBusMessage &message);

private:
    QDBusConnection m_bus;
    bool m_listening = false;
    QPointer<Inhibition> m_held;
};

} // namespace dozewell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <functional>

class QDBusMessage;

namespace dozewell {

// Holds off Xfce's inactivity suspend through Xfce's own setting, the one
// thing that xfce4-power-manager 4.18 heeds without keeping the screen lit:
// "suspend after" on AC and on battery set to Never. The user's values are
// put on record in the program's state folder before they are changed, and
// given back at the end, where the setting still says Never: a value the
// user chose meanwhile stays. A record that a run which died left behind is
// given back the next time.
class XfceSuspendSetting : public QObject {
public:
    explicit XfceSuspendSetting(QDBusConnection bus, QObject *parent = nullptr);
    // Gives back what is on record, waiting for it: the program ends.
    ~XfceSuspendSetting() override;

    // `failed` is told why, when the setting cannot be held.
    void hold(std::function<void(const QString &why)> failed);
    void giveBack();

    // The record of the user's values: $XDG_STATE_HOME/dozewell-timer/...
    static QString RecordPath();

private:
    enum class Wait { No, Yes };
    void giveBack(Wait wait);
    // Tells `then` xfconfd's answer to `call`, from the event loop; or at
    // once with Wait::Yes, waiting until m_end at the longest.
    void ask(Wait wait, const QDBusMessage &call, std::function<void(const QDBusMessage &answer)> then);

    QDBusConnection m_bus;
    // Counts holds and give-backs: an answer to any but the last changes nothing.
    quint64 m_turn = 0;
    QDeadlineTimer m_end; // set when the program ends
};

} // namespace dozewell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QDBusConnection>
#include <QObject>

class QDBusMessage;

namespace dozewell {

// Reads the desktop's colour preference from the settings portal without
// waiting for it, and follows its changes. Until the portal answers, and
// without a portal, a bus or the setting, there is no preference.
class ColourSchemeWatch : public QObject {
    Q_OBJECT

public:
    explicit ColourSchemeWatch(QDBusConnection bus, QObject *parent = nullptr);

signals:
    void changed(dozewell::ColourScheme scheme);

private slots:
    void settingChanged(const QDBusMessage &change);

private:
    void take(const QVariant &value);

    ColourScheme m_scheme = ColourScheme::NoPreference;
};

} // namespace dozewell

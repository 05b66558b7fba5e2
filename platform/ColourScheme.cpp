// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ColourScheme.h"

#include "platform/BusCall.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace dozewell {

namespace {
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kColourScheme = QStringLiteral("color-scheme");
} // namespace

ColourSchemeWatch::ColourSchemeWatch(QDBusConnection bus, QObject *parent) : QObject(parent)
{
    if (!bus.isConnected())
        return;
    // Changes from whoever sends them on the portal's path: naming the
    // portal's service would make the toolkit look up its owner, waiting.
    // Only the colour preference wakes the program.
    bus.connect(QString(), kPortalPath, kSettings, QStringLiteral("SettingChanged"), {kAppearance, kColourScheme},
                QString(), this, SLOT(settingChanged(QDBusMessage)));
    QDBusMessage read = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kSettings, QStringLiteral("Read"));
    read << kAppearance << kColourScheme;
    CallLater<QDBusPendingReply<QDBusVariant>>(bus, read, this, [this](const QDBusPendingReply<QDBusVariant> &value) {
        if (value.isValid())
            take(value.value().variant());
    });
}

void ColourSchemeWatch::settingChanged(const QDBusMessage &change)
{
    const QVariantList arguments = change.arguments();
    if (arguments.size() == 3 && arguments.at(0) == kAppearance && arguments.at(1) == kColourScheme)
        take(arguments.at(2));
}

void ColourSchemeWatch::take(const QVariant &value)
{
    // The portal's Read wraps the value in one variant more than its signal does.
    QVariant unwrapped = value;
    while (unwrapped.metaType() == QMetaType::fromType<QDBusVariant>())
        unwrapped = qvariant_cast<QDBusVariant>(unwrapped).variant();
    bool known = false;
    const uint number = unwrapped.toUInt(&known);
    const ColourScheme scheme = known && number <= uint(ColourScheme::PreferLight) ? ColourScheme(number)
                                                                                      : ColourScheme::NoPreference;
    if (scheme == m_scheme)
        return;
    m_scheme = scheme;
    emit changed(scheme);
}

} // namespace dozewell

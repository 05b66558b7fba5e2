// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/XfceSuspendSetting.h"

#include "platform/BusCall.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingReply>
#include <QDBusArgument>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace dozewell {

namespace {
const QString kXfconf = QStringLiteral("org.xfce.Xfconf");
const QString kXfconfPath = QStringLiteral("/org/xfce/Xfconf");
const QString kChannel = QStringLiteral("xfce4-power-manager");
const QString kKeys[] = {QStringLiteral("/xfce4-power-manager/inactivity-on-ac"),
                         QStringLiteral("/xfce4-power-manager/inactivity-on-battery")};
// The power manager's minutes of inactivity that mean Never.
constexpr uint kNever = 14;
// How long the program's end waits, at most, for the settings to be given back.
constexpr int kAtEndMs = 2000;

QDBusMessage Xfconf(const QString &method, const QVariantList &arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kXfconf, kXfconfPath, kXfconf, method);
    call.setArguments(arguments);
    return call;
}

QDBusMessage ReadAll()
{
    return Xfconf(QStringLiteral("GetAllProperties"), {kChannel, QStringLiteral("/xfce4-power-manager")});
}

// Sets `key` to `value`; a value the user never set is removed again, so
// that the power manager's own default holds.
QDBusMessage Setting(const QString &key, const QVariant &value)
{
    return value.isValid() ? Xfconf(QStringLiteral("SetProperty"),
                                    {kChannel, key, QVariant::fromValue(QDBusVariant(value.toUInt()))})
                           : Xfconf(QStringLiteral("ResetProperty"), {kChannel, key, false});
}
} // namespace

XfceSuspendSetting::XfceSuspendSetting(QDBusConnection bus, QObject *parent) : QObject(parent), m_bus(std::move(bus))
{
    giveBack(Wait::No); // what a run that died left on record
}

XfceSuspendSetting::~XfceSuspendSetting()
{
    m_end.setRemainingTime(kAtEndMs);
    giveBack(Wait::Yes);
}

QString XfceSuspendSetting::RecordPath()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral("/xfce4-power-manager");
}

void XfceSuspendSetting::hold(std::function<void(const QString &why)> failed)
{
    ask(Wait::No, ReadAll(), [this, failed, turn = ++m_turn](const QDBusMessage &values) {
        if (turn != m_turn)
            return;
        if (values.type() != QDBusMessage::ReplyMessage)
            return failed(values.errorMessage());
        // A record still there holds the user's values from before a run that
        // died, where the setting still says Never; a value the user has set
        // since is the user's now.
        const bool recorded = QFile::exists(RecordPath());
        const QFileInfo record(RecordPath());
        QDir().mkpath(record.absolutePath());
        QFile::setPermissions(record.absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSettings saved(RecordPath(), QSettings::IniFormat);
        const QVariantMap now = qdbus_cast<QVariantMap>(values.arguments().value(0));
        for (const QString &key : kKeys)
            if (!recorded || now.value(key) != QVariant(kNever))
                saved.setValue(key, now.value(key));
        saved.sync();
        if (saved.status() != QSettings::NoError)
            return failed(RecordPath() + QStringLiteral(" could not be written"));
        // Refused where the administrator locked the setting.
        for (const QString &key : kKeys)
            CallLater<QDBusPendingReply<>>(m_bus, Setting(key, kNever), this, [failed](const QDBusPendingReply<> &reply) {
                if (reply.isError())
                    failed(reply.error().message());
            });
    });
}

void XfceSuspendSetting::giveBack()
{
    giveBack(Wait::No);
}

void XfceSuspendSetting::giveBack(Wait wait)
{
    const quint64 turn = ++m_turn;
    if (!QFile::exists(RecordPath()))
        return;
    ask(wait, ReadAll(), [this, wait, turn](const QDBusMessage &values) {
        if (turn != m_turn || values.type() != QDBusMessage::ReplyMessage || !QFile::exists(RecordPath()))
            return;
        const QVariantMap now = qdbus_cast<QVariantMap>(values.arguments().value(0));
        const QSettings saved(RecordPath(), QSettings::IniFormat);
        QList<QDBusMessage> writes;
        for (const QString &key : kKeys)
            if (now.value(key) == QVariant(kNever))
                writes << Setting(key, saved.value(key));
        // The record goes once xfconfd has taken every value: it may refuse
        // one, or have left between the read and the write.
        const auto forget = [this, turn] {
            if (turn == m_turn)
                QFile::remove(RecordPath());
        };
        if (writes.isEmpty())
            return forget();
        const auto left = std::make_shared<qsizetype>(writes.size());
        for (const QDBusMessage &write : writes)
            ask(wait, write, [left, forget](const QDBusMessage &answer) {
                if (answer.type() == QDBusMessage::ReplyMessage && --*left == 0)
                    forget();
            });
    });
}

void XfceSuspendSetting::ask(Wait wait, const QDBusMessage &call, std::function<void(const QDBusMessage &answer)> then)
{
    if (wait == Wait::Yes)
        then(m_bus.call(call, QDBus::Block, int(std::max<qint64>(1, m_end.remainingTime()))));
    else
        CallLater<QDBusPendingReply<>>(m_bus, call, this, [then](const QDBusPendingReply<> &reply) { then(reply.reply()); });
}

} // namespace dozewell

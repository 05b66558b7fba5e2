// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SuspendInhibitor.h"

#include "platform/BusCall.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QGuiApplication>
#include <QVariantMap>
#include <cstdio>
#include <limits>

namespace dozewell {

namespace {
// Automatic suspend only, not idle: the screen may still blank and lock.
constexpr uint kInhibitSuspend = 4;

const QString kSessionService = QStringLiteral("org.gnome.SessionManager");
const QString kSessionPath = QStringLiteral("/org/gnome/SessionManager");

const QString kPowerService = QStringLiteral("org.freedesktop.PowerManagement");
const QString kPowerPath = QStringLiteral("/org/freedesktop/PowerManagement/Inhibit");
const QString kPowerInhibit = QStringLiteral("org.freedesktop.PowerManagement.Inhibit");

const QString kPortalInhibit = QStringLiteral("org.freedesktop.portal.Inhibit");
const QString kPortalRequest = QStringLiteral("org.freedesktop.portal.Request");
// The portal's answer to a request that was carried out.
constexpr uint kPortalSuccess = 0;
// The portal may ask the user; its answer comes when it comes.
constexpr int kNoTimeOut = std::numeric_limits<int>::max();

const QString kBusService = QStringLiteral("org.freedesktop.DBus");
const QString kBusPath = QStringLiteral("/org/freedesktop/DBus");

constexpr int kAskAgainAfterMs = 2000;

const char *const kCannotInhibit =
    "dozewell-timer: the computer may suspend before the time-out: it could not be kept awake (%1)\n";

// Where the portal puts the request made with `token`: known before the
// call, so that an answer sent before the call's reply is not missed.
QString RequestPath(const QDBusConnection &bus, const QString &token)
{
    const QString sender = bus.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
    return kPortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

// A program inside a sandbox reaches the desktop only through its portal.
bool Sandboxed()
{
    return QFileInfo::exists(QStringLiteral("/.flatpak-info")) || qEnvironmentVariableIsSet("SNAP");
}
} // namespace

SuspendInhibitor::SuspendInhibitor(QDBusConnection bus, QObject *parent)
    : QObject(parent), m_bus(std::move(bus)),
      m_ways(Sandboxed() ? QList{Way::Portal, Way::SessionManager, Way::PowerManager}
                         : QList{Way::SessionManager, Way::PowerManager, Way::Portal}),
      m_owners(QString(), m_bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    m_owners.setWatchedServices({kSessionService, kPowerService, kPortalService});
    connect(&m_owners, &QDBusServiceWatcher::serviceOwnerChanged, this, &SuspendInhibitor::ownerChanged);
    m_again.setSingleShot(true);
    connect(&m_again, &QTimer::timeout, this, &SuspendInhibitor::askAgain);
}

SuspendInhibitor::~SuspendInhibitor()
{
    release();
}

void SuspendInhibitor::hold(const QString &reason, uint window)
{
    m_reason = reason;
    m_window = window;
    m_wanted = true;
    m_again.stop();
    askAgain();
}

void SuspendInhibitor::release()
{
    m_wanted = false;
    m_again.stop();
    undo(std::exchange(m_asked, {}));
}

void SuspendInhibitor::askAgain()
{
    // The new question first, so that the computer is not left free between
    // the two.
    const Asked before = m_asked;
    m_problems.clear();
    askFrom(0);
    undo(before);
}

void SuspendInhibitor::askAgainSoon()
{
    // A service that crashes at every request, restarted by the bus each
    // time, must not keep the program busy all night.
    if (!m_again.isActive())
        m_again.start(int(qMax<qint64>(0, kAskAgainAfterMs - m_sinceAsked.elapsed())));
}

void SuspendInhibitor::askFrom(qsizetype way)
{
    m_asked = {way, ++m_questions, false, 0, {}};
    m_sinceAsked.start();
    if (!m_bus.isConnected())
        m_problems = QStringList{QStringLiteral("no session bus")};
    if (way >= m_ways.size() || !m_bus.isConnected()) {
        m_asked.way = m_ways.size(); // any way that comes is better
        std::fputs(qPrintable(QString::fromLatin1(kCannotInhibit).arg(m_problems.join(QStringLiteral("; ")))),
                   stderr);
        return;
    }
    const auto cookie = [this, asked = m_asked](const QDBusPendingReply<uint> &reply) {
        answered(asked, reply.isValid() ? reply.value() : 0, reply.isError() ? reply.error().message() : QString());
    };
    switch (m_ways.at(way)) {
    case Way::SessionManager: {
        QDBusMessage inhibit =
            QDBusMessage::createMethodCall(kSessionService, kSessionPath, kSessionService, QStringLiteral("Inhibit"));
        const QString appId = QGuiApplication::desktopFileName();
        inhibit << (appId.isEmpty() ? QCoreApplication::applicationName() : appId) << m_window << m_reason
                << kInhibitSuspend;
        CallLater<QDBusPendingReply<uint>>(m_bus, inhibit, this, cookie);
        break;
    }
    case Way::PowerManager: {
        QDBusMessage inhibit =
            QDBusMessage::createMethodCall(kPowerService, kPowerPath, kPowerInhibit, QStringLiteral("Inhibit"));
        inhibit << QCoreApplication::applicationName() << m_reason;
        CallLater<QDBusPendingReply<uint>>(m_bus, inhibit, this, cookie);
        break;
    }
    case Way::Portal: {
        static int tokens = 0;
        const QString token = QStringLiteral("dozewell%1").arg(++tokens);
        // Listened on, and told who the portal is, before the portal can answer.
        m_asked.request = RequestPath(m_bus, token);
        listen(m_asked.request, true);
        QDBusMessage owner =
            QDBusMessage::createMethodCall(kBusService, kBusPath, kBusService, QStringLiteral("GetNameOwner"));
        owner << kPortalService;
        CallLater<QDBusPendingReply<QString>>(m_bus, owner, this, [this](const auto &reply) {
            if (reply.isValid())
                m_portalOwner = reply.value();
        });
        QDBusMessage inhibit =
            QDBusMessage::createMethodCall(kPortalService, kPortalPath, kPortalInhibit, QStringLiteral("Inhibit"));
        inhibit << (m_window ? QStringLiteral("x11:%1").arg(m_window, 0, 16) : QString()) << kInhibitSuspend
                << QVariantMap{{QStringLiteral("handle_token"), token}, {QStringLiteral("reason"), m_reason}};
        CallLater<QDBusPendingReply<QDBusObjectPath>>(
            m_bus, inhibit, this,
            [this, asked = m_asked](const auto &reply) {
                // A portal older than the request paths it documents puts it elsewhere.
                if (const QString path = reply.isValid() ? reply.value().path() : asked.request; path != asked.request) {
                    if (asked.question == m_asked.question) {
                        listen(asked.request, false);
                        listen(path, true);
                        m_asked.request = path;
                    } else {
                        undo({asked.way, asked.question, true, 0, path});
                    }
                }
                answered(asked, 0, reply.isError() ? reply.error().message() : QString());
            },
            kNoTimeOut);
        break;
    }
    }
}

void SuspendInhibitor::answered(Asked asked, uint cookie, const QString &error)
{
    if (asked.question != m_asked.question) {
        // Granted to a question no longer asked: a cookie is handed back; the
        // portal's request was closed when the question was dropped.
        if (error.isEmpty() && m_ways.at(asked.way) != Way::Portal)
            undo({asked.way, asked.question, true, cookie, {}});
        return;
    }
    if (!error.isEmpty())
        return refused(error);
    m_asked.holds = true;
    m_asked.cookie = cookie;
}

void SuspendInhibitor::portalAnswered(uint response, const QVariantMap &, const QDBusMessage &message)
{
    // Any client may send on the request's path; only the portal answers.
    const bool asked = m_asked.way < m_ways.size() && m_asked.way >= 0 && m_ways.at(m_asked.way) == Way::Portal
                       && message.path() == m_asked.request;
    if (asked && !m_portalOwner.isEmpty() && message.service() == m_portalOwner && response != kPortalSuccess)
        refused(QStringLiteral("the desktop portal refused it with response %1").arg(response));
}

void SuspendInhibitor::refused(const QString &why)
{
    m_problems << why;
    const Asked refused = m_asked;
    askFrom(refused.way + 1);
    undo(refused);
}

void SuspendInhibitor::undo(const Asked &asked)
{
    if (asked.way < 0 || asked.way >= m_ways.size())
        return;
    // No answer is waited for: what fails to end has nothing left to end.
    // Nothing is started to be told so.
    const auto send = [this](QDBusMessage message) {
        message.setAutoStartService(false);
        m_bus.send(message);
    };
    switch (m_ways.at(asked.way)) {
    case Way::SessionManager:
        if (asked.holds)
            send(QDBusMessage::createMethodCall(kSessionService, kSessionPath, kSessionService,
                                                QStringLiteral("Uninhibit"))
                 << asked.cookie);
        break;
    case Way::PowerManager:
        if (asked.holds)
            send(QDBusMessage::createMethodCall(kPowerService, kPowerPath, kPowerInhibit, QStringLiteral("UnInhibit"))
                 << asked.cookie);
        break;
    case Way::Portal:
        // Closed whether its reply came, comes late or never came.
        listen(asked.request, false);
        send(QDBusMessage::createMethodCall(kPortalService, asked.request, kPortalRequest, QStringLiteral("Close")));
        break;
    }
}

void SuspendInhibitor::ownerChanged(const QString &service, const QString &oldOwner, const QString &newOwner)
{
    if (service == kPortalService)
        m_portalOwner = newOwner;
    if (!m_wanted)
        return;
    // A call still under way learns of a departure from its own reply.
    const Way changed = service == kSessionService ? Way::SessionManager
                        : service == kPowerService ? Way::PowerManager
                                                   : Way::Portal;
    const qsizetype way = m_ways.indexOf(changed);
    const bool holderLeft = way == m_asked.way && m_asked.holds && !oldOwner.isEmpty();
    const bool betterCame = way < m_asked.way && !newOwner.isEmpty();
    if (holderLeft || betterCame)
        askAgainSoon();
}

void SuspendInhibitor::listen(const QString &path, bool on)
{
    if (on)
        m_bus.connect(QString(), path, kPortalRequest, QStringLiteral("Response"), this,
                      SLOT(portalAnswered(uint, QVariantMap, QDBusMessage)));
    else
        m_bus.disconnect(QString(), path, kPortalRequest, QStringLiteral("Response"), this,
                         SLOT(portalAnswered(uint, QVariantMap, QDBusMessage)));
}

} // namespace dozewell

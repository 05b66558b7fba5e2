// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SuspendInhibitor.h"

#include "platform/BusCall.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTimer>
#include <QVariantMap>
#include <cstdio>
#include <limits>

namespace dozewell {

namespace {
// The ways, in the order they are asked outside a sandbox: the holder's
// service, path and interface, and its calls to begin and to end (the
// portal's ends on its request).
enum WayId { GnomeSession, XfceSession, XfceSetting, PowerManager, Portal };
struct Way {
    QString service, path, interface, inhibit, uninhibit;
};
const Way kWays[] = {
    {"org.gnome.SessionManager", "/org/gnome/SessionManager", "org.gnome.SessionManager", "Inhibit", "Uninhibit"},
    {"org.xfce.SessionManager", "/org/xfce/SessionManager", "org.xfce.Session.Manager", "Inhibit", "Uninhibit"},
    // Whether Xfce's power manager runs, whose own Inhibit keeps the screen lit: its setting holds.
    {"org.xfce.PowerManager", "/org/xfce/PowerManager", "org.freedesktop.DBus.Peer", "Ping", {}},
    {"org.freedesktop.PowerManagement", "/org/freedesktop/PowerManagement/Inhibit",
     "org.freedesktop.PowerManagement.Inhibit", "Inhibit", "UnInhibit"},
    {kPortalService, kPortalPath, "org.freedesktop.portal.Inhibit", "Inhibit", "Close"},
};
const QString kPortalRequest = QStringLiteral("org.freedesktop.portal.Request");

// Automatic suspend only, not idle: the screen may still blank and lock.
constexpr uint kInhibitSuspend = 4;
constexpr uint kPortalSuccess = 0;
// The portal may ask the user; its answer comes when it comes.
constexpr int kNoTimeOut = std::numeric_limits<int>::max();
constexpr int kAskAgainAfterMs = 2000;
} // namespace

SuspendInhibitor::SuspendInhibitor(QDBusConnection bus, QObject *parent)
    : QObject(parent), m_bus(std::move(bus)), m_xfce(m_bus),
      // A program inside a sandbox reaches the desktop only through its portal.
      m_ways(QFileInfo::exists(QStringLiteral("/.flatpak-info")) || qEnvironmentVariableIsSet("SNAP")
                 ? QList<int>{Portal, GnomeSession, XfceSession, XfceSetting, PowerManager}
                 : QList<int>{GnomeSession, XfceSession, XfceSetting, PowerManager, Portal}),
      m_owners(QString(), m_bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    for (const Way &way : kWays)
        m_owners.addWatchedService(way.service);
    connect(&m_owners, &QDBusServiceWatcher::serviceOwnerChanged, this, &SuspendInhibitor::ownerChanged);
    m_bus.connect({}, {}, kPortalRequest, QStringLiteral("Response"), this,
                  SLOT(portalAnswered(uint, QVariantMap, QDBusMessage)));
}

void SuspendInhibitor::hold(const QString &reason, uint window)
{
    m_reason = reason;
    m_window = window;
    ask(0); // what holds now holds until the answer
}

void SuspendInhibitor::release()
{
    ++m_question;
    m_asking = -1;
    m_portal = {}; // a refusal that comes now is of no question
    undo(std::exchange(m_held, {}));
}

void SuspendInhibitor::ask(qsizetype way)
{
    const quint64 question = ++m_question;
    m_asking = way;
    m_portal = {};
    if (way == 0)
        m_problems.clear();
    if (!m_bus.isConnected() || way >= m_ways.size()) {
        //: On standard error when no way keeps the computer awake. %1 is each way's answer.
        const QString cannot = QCoreApplication::translate(
            "Texts", "the computer may suspend before the time-out: it could not be kept awake (%1)");
        const QString why = m_bus.isConnected() ? m_problems.join(QStringLiteral("; ")) : QStringLiteral("no session bus");
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(cannot.arg(why)));
        return;
    }
    const int id = m_ways.at(way);
    QDBusMessage inhibit = QDBusMessage::createMethodCall(kWays[id].service, kWays[id].path, kWays[id].interface,
                                                          kWays[id].inhibit);
    if (id == GnomeSession || id == XfceSession)
        inhibit << QGuiApplication::desktopFileName() << m_window << m_reason << kInhibitSuspend;
    else if (id == XfceSetting)
        inhibit.setAutoStartService(false);
    else if (id == PowerManager)
        inhibit << QCoreApplication::applicationName() << m_reason;
    if (id == Portal) {
        // Where the portal puts the request: known before it can answer there.
        const QString token = QStringLiteral("dozewell%1").arg(question);
        m_portal.request = kPortalPath + QStringLiteral("/request/")
                    + m_bus.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_')) + QLatin1Char('/') + token;
        inhibit << (m_window ? QStringLiteral("x11:%1").arg(m_window, 0, 16) : QString()) << kInhibitSuspend
                << QVariantMap{{QStringLiteral("handle_token"), token}, {QStringLiteral("reason"), m_reason}};
    }
    CallLater<QDBusPendingReply<>>(
        m_bus, inhibit, this,
        [this, way, question](const QDBusPendingReply<> &reply) { answered(way, question, reply.reply()); },
        id == Portal ? kNoTimeOut : -1);
}

void SuspendInhibitor::answered(qsizetype way, quint64 question, const QDBusMessage &reply)
{
    const bool granted = reply.type() == QDBusMessage::ReplyMessage;
    const Held held{way, reply.arguments().value(0)};
    // Granted to a question no longer asked: undone, also the portal's
    // request whose Close the bus refused because it came before the portal.
    if (question != m_question) {
        if (granted)
            undo(held);
        return;
    }
    if (!granted)
        return refused(reply.errorMessage());
    if (m_ways.at(way) == Portal && m_portal.early.first == (m_portal.owner = reply.service()))
        return refused(m_portal.early.second);
    // Where Xfce's setting cannot be held, its power manager's Inhibit is
    // next: the screen stays lit then, but the computer awake.
    if (m_ways.at(way) == XfceSetting)
        m_xfce.hold([this, question](const QString &why) {
            if (question == m_question)
                refused(why);
        });
    undo(std::exchange(m_held, held));
}

void SuspendInhibitor::portalAnswered(uint response, const QVariantMap &, const QDBusMessage &message)
{
    // Any client may send on the request's path: only the portal that
    // replied to the call counts, also when it refused before its reply.
    if (response == kPortalSuccess || message.path() != m_portal.request)
        return;
    const QString why = QStringLiteral("the desktop portal refused it with response %1").arg(response);
    if (m_portal.owner.isEmpty())
        m_portal.early = {message.service(), why};
    else if (message.service() == m_portal.owner)
        refused(why);
}

void SuspendInhibitor::refused(const QString &why)
{
    m_problems << why;
    if (m_ways.at(m_asking) == Portal)
        undo({m_asking, QVariant::fromValue(QDBusObjectPath(m_portal.request))});
    ask(m_asking + 1);
}

void SuspendInhibitor::undo(const Held &held)
{
    const int id = held.way < 0 ? -1 : m_ways.at(held.way);
    if (id == XfceSetting && m_held.way != held.way) // not while it goes on holding
        m_xfce.giveBack();
    if (id < 0 || id == XfceSetting)
        return;
    // The portal's request is closed at its own path; the others take back their cookie.
    const bool request = id == Portal;
    QDBusMessage end = QDBusMessage::createMethodCall(
        kWays[id].service, request ? held.token.value<QDBusObjectPath>().path() : kWays[id].path,
        request ? kPortalRequest : kWays[id].interface, kWays[id].uninhibit);
    if (!request)
        end << held.token;
    // No answer is waited for, and nothing is started to be told so.
    end.setAutoStartService(false);
    m_bus.send(end);
}

void SuspendInhibitor::ownerChanged(const QString &service, const QString &oldOwner, const QString &newOwner)
{
    const qsizetype way = m_ways.indexOf(
        std::find_if(std::begin(kWays), std::end(kWays), [&](const Way &w) { return service == w.service; }) - kWays);
    // A call still under way learns of a departure from its own reply.
    const bool holderLeft = way == m_held.way && !oldOwner.isEmpty();
    const bool betterCame = way < m_asking && !newOwner.isEmpty();
    // Asked again a little later, so that one that comes and goes at once is asked at most that often.
    if (holderLeft || betterCame)
        QTimer::singleShot(kAskAgainAfterMs, this, [this, question = m_question] {
            if (question == m_question)
                ask(0);
        });
}

} // namespace dozewell

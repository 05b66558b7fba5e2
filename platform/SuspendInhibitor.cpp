#include "platform/SuspendInhibitor.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <cstdio>
#include <optional>

namespace dozewell {

namespace {
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kPortalInhibit = QStringLiteral("org.freedesktop.portal.Inhibit");
const QString kPortalRequest = QStringLiteral("org.freedesktop.portal.Request");
// Automatic suspend only, not idle: the screen may still blank and lock.
constexpr uint kInhibitSuspend = 4;
// The portal's answer to a request that was carried out.
constexpr uint kPortalSuccess = 0;

const QString kPowerService = QStringLiteral("org.freedesktop.PowerManagement");
const QString kPowerPath = QStringLiteral("/org/freedesktop/PowerManagement/Inhibit");
const QString kPowerInhibit = QStringLiteral("org.freedesktop.PowerManagement.Inhibit");

const char *const kCannotInhibit =
    "dozewell-timer: the computer may suspend before the time-out: it could not be kept awake (%1)\n";

// Calls `method` without waiting, and hands its reply to `answered`, in the
// event loop, while `context` lives.
template <class Reply, class Answered>
void CallLater(QDBusConnection &bus, const QDBusMessage &method, QObject *context, Answered answered)
{
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(method), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, answered] {
        watcher->deleteLater();
        answered(Reply(*watcher));
    });
}
} // namespace

// One inhibition from its request to its end: asked of the portal, then of
// the power manager when the portal is missing or refuses. It ends itself
// once released and every answer it waits for has come.
class SuspendInhibitor::Inhibition : public QObject {
public:
    Inhibition(QDBusConnection bus, const QString &reason, QObject *parent)
        : QObject(parent), m_bus(std::move(bus)), m_reason(reason)
    {
        if (!m_bus.isConnected()) {
            Complain(QStringLiteral("no session bus"));
            return;
        }
        AskPortal();
    }

    void Release()
    {
        m_wanted = false;
        if (!m_portalHandle.isEmpty())
            Send(QDBusMessage::createMethodCall(kPortalService, m_portalHandle, kPortalRequest,
                                                QStringLiteral("Close")));
        if (m_cookie)
            UnInhibit(*m_cookie);
        m_portalHandle.clear();
        m_cookie.reset();
        EndWhenDone();
    }

    bool IsRequest(const QString &path) const { return !m_portalHandle.isEmpty() && path == m_portalHandle; }

    // The portal's back end acted on the request: a refusal is no inhibition.
    void PortalAnswered(uint response)
    {
        if (response == kPortalSuccess)
            return;
        m_portalHandle.clear();
        AskPowerManager(QStringLiteral("the desktop portal refused it with response %1").arg(response));
    }

private:
    void AskPortal()
    {
        QDBusMessage inhibit = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kPortalInhibit,
                                                              QStringLiteral("Inhibit"));
        static int requests = 0;
        const QVariantMap options{{QStringLiteral("handle_token"), QStringLiteral("dozewell%1").arg(++requests)},
                                  {QStringLiteral("reason"), m_reason}};
        inhibit << QString() << kInhibitSuspend << options;
        ++m_pending;
        CallLater<QDBusPendingReply<QDBusObjectPath>>(m_bus, inhibit, this, [this](const auto &reply) {
            --m_pending;
            if (reply.isError()) {
                AskPowerManager(reply.error().message());
                return;
            }
            m_portalHandle = reply.value().path();
            if (!m_wanted)
                Release();
        });
    }

    void AskPowerManager(const QString &portalProblem)
    {
        if (!m_wanted) {
            EndWhenDone();
            return;
        }
        QDBusMessage inhibit = QDBusMessage::createMethodCall(kPowerService, kPowerPath, kPowerInhibit,
                                                              QStringLiteral("Inhibit"));
        inhibit << QCoreApplication::applicationName() << m_reason;
        ++m_pending;
        CallLater<QDBusPendingReply<uint>>(m_bus, inhibit, this, [this, portalProblem](const auto &reply) {
            --m_pending;
            if (reply.isError())
                Complain(portalProblem + QStringLiteral("; ") + reply.error().message());
            else if (m_wanted)
                m_cookie = reply.value();
            else
                UnInhibit(reply.value());
            EndWhenDone();
        });
    }

    void UnInhibit(uint cookie)
    {
        QDBusMessage unInhibit = QDBusMessage::createMethodCall(kPowerService, kPowerPath, kPowerInhibit,
                                                                QStringLiteral("UnInhibit"));
        unInhibit << cookie;
        Send(unInhibit);
    }

    // No answer is waited for: a release that fails has nothing left to end.
    void Send(const QDBusMessage &message) { m_bus.send(message); }

    static void Complain(const QString &why)
    {
        std::fputs(qPrintable(QString::fromLatin1(kCannotInhibit).arg(why)), stderr);
    }

    void EndWhenDone()
    {
        if (!m_wanted && m_pending == 0)
            deleteLater();
    }

    QDBusConnection m_bus;
    QString m_reason;
    bool m_wanted = true;
    int m_pending = 0;
    QString m_portalHandle;
    std::optional<uint> m_cookie;
};

SuspendInhibitor::SuspendInhibitor(QDBusConnection bus, QObject *parent) : QObject(parent), m_bus(std::move(bus))
{
}

SuspendInhibitor::~SuspendInhibitor()
{
    release();
}

void SuspendInhibitor::hold(const QString &reason)
{
    release();
    if (!m_listening && m_bus.isConnected()) {
        // Any sender, any request: a Response is matched to the request it
        // answers by its path, so that subscribing never waits on the bus.
        m_listening = m_bus.connect(QString(), QString(), kPortalRequest, QStringLiteral("Response"), this,
                                    SLOT(portalResponse(uint, QVariantMap, QDBusMessage)));
    }
    m_held = new Inhibition(m_bus, reason, this);
}

void SuspendInhibitor::release()
{
    if (m_held)
        m_held->Release();
    m_held = nullptr;
}

void SuspendInhibitor::portalResponse(uint response, const QVariantMap &, const QDBusMessage &message)
{
    if (m_held && m_held->IsRequest(message.path()))
        m_held->PortalAnswered(response);
}

} // namespace dozewell

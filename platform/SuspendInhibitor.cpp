// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SuspendInhibitor.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QVariantMap>
#include <cstdio>
#include <limits>

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
// A portal that has not answered by then may never answer: the power
// manager is asked meanwhile, and the portal's answer is still taken.
constexpr int kPortalAnswersWithinMs = 25000;
constexpr int kNoTimeOut = std::numeric_limits<int>::max();

const QString kPowerService = QStringLiteral("org.freedesktop.PowerManagement");
const QString kPowerPath = QStringLiteral("/org/freedesktop/PowerManagement/Inhibit");
const QString kPowerInhibit = QStringLiteral("org.freedesktop.PowerManagement.Inhibit");

const QString kBusService = QStringLiteral("org.freedesktop.DBus");
const QString kBusPath = QStringLiteral("/org/freedesktop/DBus");

constexpr int kAskAgainAfterMs = 2000;

const char *const kCannotInhibit =
    "dozewell-timer: the computer may suspend before the time-out: it could not be kept awake (%1)\n";

// Calls `method` without waiting, and hands its reply to `answered`, in the
// event loop, while `context` lives.
template <class Reply, class Answered>
void CallLater(QDBusConnection &bus, const QDBusMessage &method, QObject *context, Answered answered,
               int timeOutMs = -1)
{
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(method, timeOutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, answered] {
        watcher->deleteLater();
        answered(Reply(*watcher));
    });
}

// Where the portal puts the request made with `token`: known before the
// call, so that an answer sent before the call's reply is not missed.
QString RequestPath(const QDBusConnection &bus, const QString &token)
{
    const QString sender = bus.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
    return kPortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

QString NextToken()
{
    static int requests = 0;
    return QStringLiteral("dozewell%1").arg(++requests);
}
} // namespace

// One inhibition from its request to its end: asked of the portal, then of
// the power manager when the portal is missing, refuses or stays silent. It
// ends itself once released and every answer it waits for has come.
class Inhibition : public QObject {
    Q_OBJECT

public:
    Inhibition(QDBusConnection bus, const QString &reason, QObject *parent)
        : QObject(parent), m_bus(std::move(bus)), m_reason(reason)
    {
        if (!m_bus.isConnected()) {
            Complain(QStringLiteral("no session bus"));
            return;
        }
        m_owners = new QDBusServiceWatcher(kPortalService, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
        m_owners->addWatchedService(kPowerService);
        connect(m_owners, &QDBusServiceWatcher::serviceOwnerChanged, this, &Inhibition::OwnerChanged);
        m_portalSilent.setSingleShot(true);
        connect(&m_portalSilent, &QTimer::timeout, this,
                [this] { AskPowerManager(QStringLiteral("the desktop portal did not answer")); });
        AskPortal();
    }

    void Release()
    {
        m_wanted = false;
        m_portalSilent.stop();
        if (m_owners)
            m_owners->setWatchedServices({});
        if (m_portal == Asking::Asked || m_portal == Asking::Holding)
            ClosePortalRequest();
        StopListening();
        if (m_powerManager == Asking::Holding)
            UnInhibit(m_cookie);
        m_powerManager = Asking::Done;
        EndWhenDone();
    }

signals:
    // The service that holds it left the bus, or a better one came.
    void lost();

private slots:
    void PortalAnswered(uint response, const QVariantMap &, const QDBusMessage &message)
    {
        // Any client may send on the request's path; only the portal answers.
        const bool fromPortal = !m_portalOwner.isEmpty() && message.service() == m_portalOwner;
        if (!fromPortal || response == kPortalSuccess || m_portal == Asking::Done)
            return;
        m_portalSilent.stop();
        ClosePortalRequest();
        AskPowerManager(QStringLiteral("the desktop portal refused it with response %1").arg(response));
    }

private:
    // How far a request to a service has come.
    enum class Asking { NotAsked, Asked, Holding, Done };

    void AskPortal()
    {
        const QString token = NextToken();
        // Subscribed before the call, and told who the portal is, before the
        // portal can answer.
        Listen(RequestPath(m_bus, token));
        QDBusMessage owner = QDBusMessage::createMethodCall(kBusService, kBusPath, kBusService,
                                                            QStringLiteral("GetNameOwner"));
        owner << kPortalService;
        CallLater<QDBusPendingReply<QString>>(m_bus, owner, this, [this](const auto &reply) {
            m_portalOwner = reply.isValid() ? reply.value() : QString();
        });

        QDBusMessage inhibit = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kPortalInhibit,
                                                              QStringLiteral("Inhibit"));
        inhibit << QString() << kInhibitSuspend
                << QVariantMap{{QStringLiteral("handle_token"), token}, {QStringLiteral("reason"), m_reason}};
        m_portal = Asking::Asked;
        ++m_pending;
        m_portalSilent.start(kPortalAnswersWithinMs);
        CallLater<QDBusPendingReply<QDBusObjectPath>>(
            m_bus, inhibit, this,
            [this](const auto &reply) {
                --m_pending;
                m_portalSilent.stop();
                if (reply.isError()) {
                    m_portal = Asking::Done;
                    AskPowerManager(reply.error().message());
                } else if (const QString path = reply.value().path(); path != m_requestPath) {
                    // A portal older than the request paths it documents.
                    if (m_wanted)
                        Listen(path);
                    else
                        ClosePortalRequest(path);
                }
                if (m_portal == Asking::Asked && m_wanted)
                    m_portal = Asking::Holding;
                EndWhenDone();
            },
            kNoTimeOut);
    }

    void AskPowerManager(const QString &portalProblem)
    {
        if (!m_wanted || m_powerManager != Asking::NotAsked) {
            EndWhenDone();
            return;
        }
        m_powerManager = Asking::Asked;
        QDBusMessage inhibit = QDBusMessage::createMethodCall(kPowerService, kPowerPath, kPowerInhibit,
                                                              QStringLiteral("Inhibit"));
        inhibit << QCoreApplication::applicationName() << m_reason;
        ++m_pending;
        CallLater<QDBusPendingReply<uint>>(m_bus, inhibit, this, [this, portalProblem](const auto &reply) {
            --m_pending;
            if (reply.isError()) {
                m_powerManager = Asking::Done;
                Complain(portalProblem + QStringLiteral("; ") + reply.error().message());
            } else if (m_wanted) {
                m_powerManager = Asking::Holding;
                m_cookie = reply.value();
            } else {
                UnInhibit(reply.value());
            }
            EndWhenDone();
        });
    }

    void OwnerChanged(const QString &service, const QString &oldOwner, const QString &newOwner)
    {
        if (service == kPortalService)
            m_portalOwner = newOwner;
        if (!m_wanted)
            return;
        // A call still under way learns of a departure from its own reply.
        const bool portal = service == kPortalService;
        const Asking it = portal ? m_portal : m_powerManager;
        const Asking other = portal ? m_powerManager : m_portal;
        const bool itLeft = !oldOwner.isEmpty() && it == Asking::Holding && other != Asking::Holding;
        const auto idle = [](Asking asking) { return asking == Asking::NotAsked || asking == Asking::Done; };
        const bool betterCame = !newOwner.isEmpty() && idle(it) && (portal || idle(other));
        if (itLeft || betterCame)
            emit lost();
    }

    // The request's path, where the portal's Response is listened for.
    void Listen(const QString &path)
    {
        StopListening();
        m_requestPath = path;
        m_listening = m_bus.connect(QString(), path, kPortalRequest, QStringLiteral("Response"), this,
                                    SLOT(PortalAnswered(uint, QVariantMap, QDBusMessage)));
    }

    void StopListening()
    {
        if (std::exchange(m_listening, false))
            m_bus.disconnect(QString(), m_requestPath, kPortalRequest, QStringLiteral("Response"), this,
                             SLOT(PortalAnswered(uint, QVariantMap, QDBusMessage)));
    }

    // Close does no harm where there is nothing to close, and never starts
    // a portal that is not running.
    void ClosePortalRequest(const QString &path = {})
    {
        m_portal = Asking::Done;
        QDBusMessage close = QDBusMessage::createMethodCall(kPortalService, path.isEmpty() ? m_requestPath : path,
                                                            kPortalRequest, QStringLiteral("Close"));
        close.setAutoStartService(false);
        Send(close);
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
    QDBusServiceWatcher *m_owners = nullptr;
    QString m_portalOwner;
    QString m_requestPath;
    bool m_listening = false;
    Asking m_portal = Asking::NotAsked;
    QTimer m_portalSilent;
    Asking m_powerManager = Asking::NotAsked;
    uint m_cookie = 0;
};

SuspendInhibitor::SuspendInhibitor(QDBusConnection bus, QObject *parent) : QObject(parent), m_bus(std::move(bus))
{
    m_again.setSingleShot(true);
    connect(&m_again, &QTimer::timeout, this, &SuspendInhibitor::ask);
}

SuspendInhibitor::~SuspendInhibitor()
{
    release();
}

void SuspendInhibitor::hold(const QString &reason)
{
    release();
    m_reason = reason;
    ask();
}

void SuspendInhibitor::release()
{
    m_again.stop();
    if (m_held)
        m_held->Release();
    m_held = nullptr;
}

void SuspendInhibitor::ask()
{
    // The new request first, so that the computer is not left free between them.
    auto *next = new Inhibition(m_bus, m_reason, this);
    connect(next, &Inhibition::lost, this, &SuspendInhibitor::askAgainSoon);
    if (m_held)
        m_held->Release();
    m_held = next;
    m_asked.start();
}

void SuspendInhibitor::askAgainSoon()
{
    // A portal that crashes at every request, restarted by the bus each
    // time, must not keep the program busy all night.
    if (!m_again.isActive())
        m_again.start(int(qMax<qint64>(0, kAskAgainAfterMs - m_asked.elapsed())));
}

} // namespace dozewell

#include "SuspendInhibitor.moc"

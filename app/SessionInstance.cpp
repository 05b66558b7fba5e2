#include "app/SessionInstance.h"

#include "app/BuildInfo.h"
#include "app/WindowPlacement.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QWidget>

namespace dozewell {

namespace {
const QString kInterface = QStringLiteral("org.freedesktop.Application");
constexpr int kAnswerWithinMs = 5000;

QString ServiceName()
{
    return QLatin1String(kAppId);
}

// The object path the desktop's application interface gives a desktop id.
QString ObjectPath()
{
    return QLatin1Char('/') + ServiceName().replace(QLatin1Char('.'), QLatin1Char('/'));
}
} // namespace

SessionInstance::SessionInstance(QObject *parent) : QObject(parent)
{
}

bool SessionInstance::AskRunningToShow()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(ServiceName()))
        return false;
    QDBusMessage activate = QDBusMessage::createMethodCall(ServiceName(), ObjectPath(), kInterface,
                                                           QStringLiteral("Activate"));
    activate << QVariantMap();
    return bus.call(activate, QDBus::Block, kAnswerWithinMs).type() == QDBusMessage::ReplyMessage;
}

bool SessionInstance::Register()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.registerObject(ObjectPath(), this, QDBusConnection::ExportAllSlots)
           && bus.registerService(ServiceName());
}

void SessionInstance::Activate(const QVariantMap &)
{
    if (m_window && m_window->isVisible())
        BringForward(m_window);
    // A message box or a dialog in front of the window stays in front.
    if (QWidget *modal = QApplication::activeModalWidget())
        BringForward(modal);
}

void SessionInstance::Open(const QStringList &, const QVariantMap &platformData)
{
    Activate(platformData);
}

void SessionInstance::ActivateAction(const QString &, const QVariantList &, const QVariantMap &platformData)
{
    Activate(platformData);
}

} // namespace dozewell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SessionInstance.h"

#include "app/BuildInfo.h"
#include "app/WindowPlacement.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace dozewell {

namespace {
const QString kInterface = QStringLiteral("org.freedesktop.Application");
constexpr int kAnswerWithinMs = 5000;
// What a launcher gives the program it starts so that its window may take
// the focus (Wayland's activation token, X11's startup id), and the keys
// under which the application interface hands it on.
constexpr const char *kActivationToken = "XDG_ACTIVATION_TOKEN";
const QString kActivationTokenKey = QStringLiteral("activation-token");
const QString kStartupIdKey = QStringLiteral("desktop-startup-id");

QString ServiceName()
{
    return QLatin1String(kAppId);
}

// The object path the desktop's application interface gives a desktop id.
QString ObjectPath()
{
    return QLatin1Char('/') + ServiceName().replace(QLatin1Char('.'), QLatin1Char('/'));
}
xcb_atom_t Atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, false, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}
} // namespace

void SessionInstance::EndStartup(const QVariantMap &launchData, QWidget *window)
{
    // The freedesktop startup-notification message: "remove: ID=...", in
    // pieces of 20 bytes sent to the root window, the first one marked.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    QByteArray id = launchData.value(kStartupIdKey).toString().toUtf8();
    if (!x11 || id.isEmpty() || !window)
        return;
    id.replace('\\', "\\\\").replace('"', "\\\"");
    const QByteArray message = "remove: ID=\"" + id + "\"" + '\0';
    xcb_connection_t *connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t first = Atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t next = Atom(connection, "_NET_STARTUP_INFO");
    for (qsizetype at = 0; at < message.size(); at += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = static_cast<xcb_window_t>(window->winId());
        event.type = at == 0 ? first : next;
        std::memcpy(event.data.data8, message.constData() + at, qMin<qsizetype>(20, message.size() - at));
        xcb_send_event(connection, false, root, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<const char *>(&event));
    }
    xcb_flush(connection);
}

SessionInstance::SessionInstance(QObject *parent) : QObject(parent)
{
}

QVariantMap SessionInstance::LaunchData()
{
    QVariantMap platformData;
    if (const QString token = qEnvironmentVariable(kActivationToken); !token.isEmpty())
        platformData.insert(kActivationTokenKey, token);
    if (const QString startupId = qEnvironmentVariable("DESKTOP_STARTUP_ID"); !startupId.isEmpty())
        platformData.insert(kStartupIdKey, startupId);
    return platformData;
}

bool SessionInstance::AskRunningToShow(const QVariantMap &launchData)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(ServiceName()))
        return false;
    QDBusMessage activate = QDBusMessage::createMethodCall(ServiceName(), ObjectPath(), kInterface,
                                                           QStringLiteral("Activate"));
    activate << launchData;
    return bus.call(activate, QDBus::Block, kAnswerWithinMs).type() == QDBusMessage::ReplyMessage;
}

bool SessionInstance::Register()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.registerObject(ObjectPath(), this, QDBusConnection::ExportAllSlots)
           && bus.registerService(ServiceName());
}

void SessionInstance::Activate(const QVariantMap &platformData)
{
    // Qt's Wayland window spends the token it finds here when it asks to be
    // activated; without one the desktop only says the program is ready. A
    // launcher older than activation tokens gives a startup id, which the
    // desktop takes as one.
    QString token = platformData.value(kActivationTokenKey).toString();
    if (token.isEmpty())
        token = platformData.value(kStartupIdKey).toString();
    if (!token.isEmpty())
        qputenv(kActivationToken, token.toUtf8());
    // Qt's X11 window ends no start that it did not make itself.
    EndStartup(platformData, m_window);
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

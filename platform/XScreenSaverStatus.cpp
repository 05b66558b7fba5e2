// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/XScreenSaverStatus.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>

namespace dozewell {

namespace {
uint32_t Atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, false, uint16_t(qstrlen(name)), name), nullptr);
    const uint32_t atom = reply ? reply->atom : 0;
    std::free(reply);
    return atom;
}
} // namespace

XScreenSaverStatus::XScreenSaverStatus(QObject *parent) : QObject(parent)
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    // Qt's offscreen platform answers as X11 too, without a connection.
    if (!x11 || !x11->connection())
        return;
    m_connection = x11->connection();
    // xscreensaver writes on the first screen's root window.
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    m_status = Atom(m_connection, "_SCREENSAVER_STATUS");
    m_blank = Atom(m_connection, "BLANK");
    m_lock = Atom(m_connection, "LOCK");
    // The root's property changes, added to the events Qt selects there.
    xcb_get_window_attributes_reply_t *attributes =
        xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, m_root), nullptr);
    if (attributes && !(attributes->your_event_mask & XCB_EVENT_MASK_PROPERTY_CHANGE)) {
        const uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }
    std::free(attributes);
    QCoreApplication::instance()->installNativeEventFilter(this);
    QMetaObject::invokeMethod(this, &XScreenSaverStatus::read, Qt::QueuedConnection);
}

XScreenSaverStatus::~XScreenSaverStatus() = default;

bool XScreenSaverStatus::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & ~0x80) == XCB_PROPERTY_NOTIFY) {
        const auto *notify = static_cast<const xcb_property_notify_event_t *>(message);
        if (notify->window == m_root && notify->atom == m_status)
            read();
    }
    return false;
}

void XScreenSaverStatus::read()
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, false, m_root, m_status, XCB_GET_PROPERTY_TYPE_ANY, 0, 1), nullptr);
    const uint32_t state =
        reply && reply->format == 32 && xcb_get_property_value_length(reply) >= 4
            ? *static_cast<const uint32_t *>(xcb_get_property_value(reply))
            : 0;
    std::free(reply);
    const bool active = state != 0 && (state == m_blank || state == m_lock);
    if (active != m_active)
        emit changed(m_active = active);
}

} // namespace dozewell

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QVariantMap>

class QWidget;

namespace dozewell {

// The running instance on the session bus, under the program's desktop id
// with the desktop's application interface: a second start asks it to show
// its window, restored and in front, instead of starting another one.
class SessionInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    explicit SessionInstance(QObject *parent = nullptr);

    // What the launcher gave this start so that its window may take the
    // focus. Read before the toolkit connects to the display, which takes it
    // out of the environment.
    static QVariantMap LaunchData();
    // Asks the instance that already runs in this session to show its
    // window, taking the focus this start was given; true when one answered.
    static bool AskRunningToShow(const QVariantMap &launchData);
    // Tells an X11 desktop that the start the launcher announced is over, so
    // that it stops showing it as starting: Qt's X11 windows do not.
    static void EndStartup(const QVariantMap &launchData, QWidget *window);
    // Takes the desktop id on the session bus; false when there is no bus,
    // or another instance holds the name.
    bool Register();
    // The window Activate brings forward, once it is there.
    void setWindow(QWidget *window) { m_window = window; }

public slots:
    void Activate(const QVariantMap &platformData);
    void Open(const QStringList &uris, const QVariantMap &platformData);
    void ActivateAction(const QString &action, const QVariantList &parameter, const QVariantMap &platformData);

private:
    QPointer<QWidget> m_window;
};

} // namespace dozewell

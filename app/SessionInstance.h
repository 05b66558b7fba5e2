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

    // Asks the instance that already runs in this session to show its
    // window; true when one answered.
    static bool AskRunningToShow();
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

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QObject>
#include <memory>

namespace dozewell {

class ColourSchemeWatch;
class ScreenSaverWatch;
class SuspendInhibitor;

// The platform as the program meets it on a desktop.
class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    void MsgBox(const QString &prompt, MsgIcon icon, const QString &title) override;
    std::optional<QString> ShowOpen(const QString &title, const QString &filter,
                                    const QString &fileName) override;
    bool StartProcess(const QString &program, const QStringList &arguments, const QStringList &environment,
                      int settleMs, QObject *context, ProcessSettled settled) override;
    void RunBriefly(const QString &program, const QStringList &arguments, const QStringList &environment,
                    int timeOutMs, QObject *context, BriefRunDone done) override;
    QDateTime Now() const override;
    qint64 SinceBootMs() const override;
    void KeepAwake(const QString &reason, QWidget *window) override;
    void LetSleep() override;
    void WatchScreenSaver(QObject *context, std::function<void(bool active)> changed) override;
    void WatchColourScheme(QObject *context, std::function<void(ColourScheme scheme)> changed) override;
    void EndProgram() override;
    QProcessEnvironment Environment() const override;
    QString HomeFolder() const override;

    // "Desc|*.a;*.b" as the Qt file dialog writes it: "Desc (*.a *.b)".
    static QString QtFilter(const QString &filter);

private:
    // Each made when first asked for: the inhibitor at the first run (or to
    // give back what a run that died left), the watches when the window
    // starts watching.
    std::unique_ptr<SuspendInhibitor> m_inhibitor;
    std::unique_ptr<ScreenSaverWatch> m_screenSaver;
    std::unique_ptr<ColourSchemeWatch> m_colourScheme;
    // Parent of the watches of started players, and of programs run briefly.
    QObject m_watches;
};

} // namespace dozewell

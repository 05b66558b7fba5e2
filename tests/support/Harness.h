// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/frmMain.h"
#include "app/IntervalTimer.h"
#include "support/FakePlatform.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace dozewell::testing {

// A fresh main window on a fake platform, in a fresh temporary folder.
class Harness {
public:
    Harness();

    QTemporaryDir dir;
    FakePlatform platform;
    std::unique_ptr<frmMain> form;

    // Runs start-up with a stand-in player chosen in the dialog, and shows
    // the window.
    void startUp();
    // A harness after start-up, with the calls of start-up forgotten.
    static std::unique_ptr<Harness> StartedUp();
    // A file's bytes, or a marker when it cannot be read.
    static QByteArray contents(const QString &path);
    // A file of `size` bytes under the temporary folder; large ones are
    // sparse, so they cost nothing.
    QString file(const QString &relativePath, qint64 size = 10);
    // The staging folder, as the window finds it.
    QString staging() const;
    // A Wine launcher for the window: its libraries show a 32-bit part, or
    // only the 64-bit part, or (nothing) tell nothing.
    QString wine(std::optional<bool> with32BitPart);
    // A file that passes the player file check.
    QString player(const QString &relativePath = QStringLiteral("Winamp/winamp.exe"));

    template <class T = QWidget> T *w(const char *name) const
    {
        T *found = form->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    IntervalTimer *timer(const char *name) const { return w<IntervalTimer>(name); }
    // What a control shows: a frame's title, a button's, box's or label's text.
    static QString caption(QWidget *control);
    QString text(const char *name) const;
    // Clicks a control with the mouse, as a user would.
    void click(const char *name);
    // Picks an entry of the action box, as a user would.
    void choose(int action);

    // One second passes: the countdown tick and the clock tick come.
    void second(int count = 1);

    // Ticks a mode box and sets the Counter fields by stepping.
    void counterRun(int hours, int minutes, int action = 0);
};

} // namespace dozewell::testing

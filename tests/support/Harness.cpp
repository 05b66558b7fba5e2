// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Harness.h"

#include "player/Places.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace dozewell::testing {

namespace {
constexpr qint64 kSparseFrom = 100000;

// Swallows the timer events of the window's clocks: the tests call the tick
// handlers themselves, at the fake time they choose.
class TickStopper : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::Timer; }
};
} // namespace

Harness::Harness()
{
    platform.home = dir.filePath(QStringLiteral("home"));
    platform.environment.insert(QStringLiteral("WINEPREFIX"), dir.filePath(QStringLiteral("wine")));
    platform.environment.insert(QStringLiteral("XDG_CACHE_HOME"), dir.filePath(QStringLiteral("cache")));
    form = std::make_unique<frmMain>(platform);
    auto *stopper = new TickStopper;
    stopper->setParent(form.get());
    for (IntervalTimer *timer : form->findChildren<IntervalTimer *>())
        for (QTimer *clock : timer->findChildren<QTimer *>())
            clock->installEventFilter(stopper);
}

void Harness::startUp()
{
    platform.dialogAnswers.append(player());
    form->Form_Load();
    form->show();
}

std::unique_ptr<Harness> Harness::StartedUp()
{
    auto harness = std::make_unique<Harness>();
    harness->startUp();
    harness->platform.calls.clear();
    return harness;
}

QByteArray Harness::contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QString Harness::file(const QString &relativePath, qint64 size)
{
    const QString path = dir.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot make %s", qPrintable(path));
    // Small files get bytes that tell sizes apart; large ones stay sparse.
    const bool written = size < kSparseFrom ? file.write(QByteArray(size, static_cast<char>('a' + size % 26))) == size
                                            : file.resize(size);
    if (!written)
        qFatal("cannot fill %s", qPrintable(path));
    return path;
}

QString Harness::staging() const
{
    return StagingFolder(platform.environment, platform.home, QCoreApplication::applicationName());
}

QString Harness::wine(std::optional<bool> with32BitPart)
{
    const QString launcher = file(QStringLiteral("wine-install/bin/wine"));
    QFile::setPermissions(launcher, QFile::ReadOwner | QFile::ExeOwner);
    if (with32BitPart) {
        file(QStringLiteral("wine-install/lib/wine/x86_64-windows/ntdll.dll"));
        if (*with32BitPart)
            file(QStringLiteral("wine-install/lib/wine/i386-windows/ntdll.dll"));
    }
    platform.environment.insert(QStringLiteral("DOZEWELL_WINE"), launcher);
    return launcher;
}

QString Harness::player(const QString &relativePath)
{
    return file(relativePath, 1000000);
}

QString Harness::caption(QWidget *control)
{
    if (auto *frame = qobject_cast<QGroupBox *>(control))
        return frame->title();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    if (auto *line = qobject_cast<QLineEdit *>(control))
        return line->text();
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->currentText();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    return {}; // a plain frame, a shape or a picture
}

QString Harness::text(const char *name) const
{
    return caption(w(name));
}

void Harness::click(const char *name)
{
    QTest::mouseClick(w(name), Qt::LeftButton);
}

void Harness::choose(int action)
{
    auto *combo = w<QComboBox>("cmbWhatToDo");
    combo->setCurrentIndex(action);
    emit combo->activated(action);
}

void Harness::second(int count)
{
    for (int i = 0; i < count; ++i) {
        platform.advance(1000);
        form->Timer1_Timer();
        form->Timer3_Timer();
    }
}

void Harness::counterRun(int hours, int minutes, int action)
{
    click("chkUseCounter");
    for (int i = 0; i < hours; ++i)
        click("cmdMoreHHCounter");
    for (int i = 0; i < minutes; ++i)
        click("cmdMoreMMCounter");
    choose(action);
}

} // namespace dozewell::testing

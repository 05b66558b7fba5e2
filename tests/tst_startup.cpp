// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up sequence and the About window.
#include "app/Startup.h"
#include "app/frmAbout.h"
#include "app/CommonDialog.h"
#include "support/Harness.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <sys/stat.h>

using namespace dozewell;
using namespace dozewell::testing;
using Call = FakePlatform::Call;

class StartupTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Harness> h;

    QString staging() const { return h->staging(); }
    void leaveStagedCopies()
    {
        QDir().mkpath(staging());
        for (const char *ext : {"mp3", "wav", "m3u", "voc", "mid", "avi", "mpg", "mod"}) {
            QFile file(staging() + "QDX." + ext);
            file.open(QIODevice::WriteOnly);
        }
    }
    QStringList stagedCopies() const { return QDir(staging()).entryList(QDir::Files); }
    int aboutWindows() const
    {
        int count = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            count += qobject_cast<frmAbout *>(window) != nullptr;
        return count;
    }

private slots:
    void init() { h = std::make_unique<Harness>(); }
    void cleanup() { h.reset(); }

    void defaultPlayerIsTakenWhateverItsSize_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("folder");
        QTest::newRow("small") << qint64(10) << "Program Files";
        QTest::newRow("inside") << qint64(1000000) << "Program Files";
        QTest::newRow("large") << qint64(3000000) << "Program Files";
        QTest::newRow("the 32-bit place, second") << qint64(10) << "Program Files (x86)";
    }
    void defaultPlayerIsTakenWhateverItsSize()
    {
        QFETCH(qint64, size);
        QFETCH(QString, folder);
        const QString player = h->file("wine/dosdevices/c:/" + folder + "/Winamp/winamp.exe", size);
        QVERIFY(StartUp(*h->form));
        QVERIFY(h->platform.ofKind(Call::ShowOpen).isEmpty());
        QCOMPARE(h->text("txtPath"), player);
        QCOMPARE(h->form->module().PlayerPath, player);
        QVERIFY(h->form->isVisible());
    }

    void windowOpensCentredOnTheScreen()
    {
        h->platform.dialogAnswers = {h->player()};
        QVERIFY(StartUp(*h->form));
        const QRect screen = h->form->screen()->availableGeometry();
        // Within the frame's margins, which the window system adds at the first show.
        QVERIFY(qAbs(h->form->geometry().center().x() - screen.center().x()) <= 4);
        QVERIFY(qAbs(h->form->geometry().center().y() - screen.center().y()) <= 4);
    }

    void cancelEndsTheProgramWithoutAWindow()
    {
        leaveStagedCopies();
        h->platform.dialogAnswers = {std::nullopt};
        QVERIFY(!StartUp(*h->form));
        QCOMPARE(h->platform.calls.size(), 2);
        QCOMPARE(h->platform.calls.at(0).kind, Call::ShowOpen);
        QCOMPARE(h->platform.calls.at(0).title, QStringLiteral("Winamp Path"));
        QCOMPARE(h->platform.calls.at(0).filter, QStringLiteral("Executable Files|*.exe"));
        QCOMPARE(h->platform.calls.at(0).text, QString());
        QCOMPARE(h->platform.calls.at(1).kind, Call::EndProgram);
        QVERIFY(!h->form->isVisible());
        QCOMPARE(h->text("txtPath"), QStringLiteral("Text1")); // the sequence stopped at the dialog
        QCOMPARE(stagedCopies(), QStringList{"QDX.mod"});
    }

    void playerChosenElsewhereIsKeptAsReturned()
    {
        const QString chosen = h->file(QStringLiteral("Other Place/WINAMP.EXE"), 800000);
        h->platform.dialogAnswers = {chosen};
        QVERIFY(StartUp(*h->form));
        QCOMPARE(h->text("txtPath"), chosen);
        QCOMPARE(h->form->module().PlayerPath, chosen);
        QVERIFY(h->platform.messages().isEmpty());
        QVERIFY(h->form->findChild<CommonDialog *>(QStringLiteral("cmd1"))->CancelError);
    }

    void rejectedPlayerOpensWithAnEmptyPath()
    {
        h->platform.dialogAnswers = {h->file(QStringLiteral("x/winamp.exe"), 1500000)};
        QVERIFY(StartUp(*h->form));
        QCOMPARE(h->platform.messages(), QStringList{QStringLiteral("This is not the original Winamp.exe file!")});
        QCOMPARE(h->platform.calls.last().title, QStringLiteral("ERROR"));
        QCOMPARE(h->platform.calls.last().icon, MsgIcon::Critical);
        QCOMPARE(h->text("txtPath"), QString());
        QVERIFY(h->form->isVisible());
    }

    void pipeNamedLikeThePlayerIsRejected()
    {
        const QString fifo = h->dir.filePath(QStringLiteral("pipe/winamp.exe"));
        QDir().mkpath(h->dir.filePath(QStringLiteral("pipe")));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        h->platform.dialogAnswers = {fifo};
        QVERIFY(StartUp(*h->form));
        QCOMPARE(h->platform.messages(), QStringList{QStringLiteral("This is not the original Winamp.exe file!")});
        QCOMPARE(h->text("txtPath"), QString());
        QVERIFY(h->form->module().PlayerPath.isEmpty());
    }

    void unreadableChoiceEndsTheSequenceQuietly()
    {
        h->platform.dialogAnswers = {h->dir.filePath(QStringLiteral("typed/winamp.exe"))};
        QVERIFY(StartUp(*h->form));
        QVERIFY(h->platform.messages().isEmpty());
        QCOMPARE(h->text("txtPath"), QStringLiteral("Text1"));
        QVERIFY(h->form->module().PlayerPath.isEmpty());
    }

    void stateAfterStartUp()
    {
        leaveStagedCopies();
        h->platform.now = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 0));
        h->platform.dialogAnswers = {h->player()};
        h->form->Form_Load();
        QCOMPARE(h->form->sleepTimer().SecondsLeft(), 59);
        QCOMPARE(h->form->sleepTimer().MinutesLeft(), 0);
        QCOMPARE(h->form->sleepTimer().BannerStep(), -1);
        QVERIFY(h->form->module().StagedFile.isEmpty());
        QCOMPARE(h->text("lblTime"), QStringLiteral("09:05:00")); // before the first show
        QVERIFY(!h->form->isVisible());
        QCOMPARE(stagedCopies(), QStringList{"QDX.mod"});
        QCOMPARE(h->text("txtMp3FileName"), QStringLiteral("No File Was Selected Yet"));
        h->form->show();
        QCOMPARE(h->form->focusWidget(), h->w("cmdHide"));
        h->second(1);
        QCOMPARE(h->text("lblTime"), QStringLiteral("09:05:01"));
    }

    void leftoverThatCannotBeDeletedDoesNotStopStartUp()
    {
        leaveStagedCopies();
        QFile::remove(staging() + "QDX.wav");
        QDir().mkpath(staging() + "QDX.wav/busy"); // not a file: stays, and start-up goes on
        h->platform.dialogAnswers = {h->player()};
        QVERIFY(StartUp(*h->form));
        QCOMPARE(stagedCopies(), QStringList{"QDX.mod"});
        QVERIFY(!h->form->module().PlayerPath.isEmpty());
    }

    void aboutOpensOneWindowThreeWays()
    {
        h->startUp();
        for (const char *way : {"cmdAbout", "imgLogo1", "imgLogo2"}) { // and again over the window minimized
            h->click(way);
            QVERIFY2(QTest::qWaitForWindowActive(h->form->aboutWindow()) && !h->form->aboutWindow()->isMinimized(), way);
            h->form->aboutWindow()->showMinimized();
        }
        QCOMPARE(aboutWindows(), 1);
        frmAbout *about = h->form->aboutWindow();
        QVERIFY(about && about->isVisible());
        QVERIFY(!about->parentWidget());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Dozewell Timer"));
        QCOMPARE(about->size(), QSize(313, 215));
        QCOMPARE(about->findChild<QTextEdit *>(QStringLiteral("Text1"))->toPlainText(),
                 QStringLiteral("\nThe main goal of this small program is to help those who like\n"
                                "to go to sleep with a very long random playlist playing in\n"
                                "winamp but don't like to sleep with music all night long...\n"
                                "With the help of this program you can set a Timer or a \n"
                                "Counter to make winamp stop playing in a certain time.\n\n"
                                "Version: 1.2\n\n"
                                "Any Comments sould be sent to:\n"
                                "dozewell-timer@example.invalid\n"));
        QCOMPARE(about->focusWidget(), about->findChild<QWidget *>(QStringLiteral("Text1")));
    }

    void closeHidesAboutAndBringsTheMainWindowForward()
    {
        h->startUp();
        h->click("cmdAbout");
        frmAbout *about = h->form->aboutWindow();
        h->click("cmdHide");
        QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdClose")), Qt::LeftButton);
        QVERIFY(!about->isVisible());
        QVERIFY(!h->form->isMinimized());
        QVERIFY(h->form->isVisible());
        h->click("cmdAbout");
        QCOMPARE(h->form->aboutWindow(), about); // the same window again
    }

    void windowSystemCloseDestroysAbout()
    {
        h->startUp();
        h->click("cmdAbout");
        h->form->aboutWindow()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!h->form->aboutWindow());
        h->click("cmdAbout");
        QCOMPARE(aboutWindows(), 1);
    }

    void runGoesOnUntouchedWhileAboutIsUsed()
    {
        h->startUp();
        h->counterRun(0, 2);
        h->click("cmdStart");
        h->second(5);
        for (int i = 0; i < 8; ++i)
            h->form->Timer2_Timer();
        const float banner = h->form->sleepTimer().Banner().NameLeft;
        h->click("cmdAbout");
        h->second(5);
        QTest::mouseClick(h->form->aboutWindow()->findChild<QPushButton *>(QStringLiteral("cmdClose")),
                          Qt::LeftButton);
        QCOMPARE(h->text("lblTimer"), QStringLiteral("1:49"));
        QCOMPARE(h->form->windowTitle(), QStringLiteral("Dozewell Timer 1:49"));
        QCOMPARE(h->form->sleepTimer().Banner().NameLeft, banner);
        QCOMPARE(h->timer("Timer2")->Interval(), 25);
        QVERIFY(h->w("cmdStop")->isVisible());
    }

    void exitClosesAbout()
    {
        h->startUp();
        h->click("cmdAbout");
        h->click("cmdClose");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(aboutWindows(), 0);
        QVERIFY(h->platform.ended);
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"

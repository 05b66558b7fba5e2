// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard user, and input that could be taken the wrong way.
#include "app/CursorBlink.h"
#include "support/Harness.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStyleOption>

using namespace dozewell;
using namespace dozewell::testing;
using Call = FakePlatform::Call;

class UserInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Harness> h;

    QString focused() const
    {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
    void key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    // A key pressed and let go on the focused control at `ms`, the window system's time.
    void keyAt(Qt::Key key, quint64 ms)
    {
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::NoModifier);
            event.setTimestamp(ms);
            QApplication::sendEvent(QApplication::focusWidget(), &event);
        }
    }

private slots:
    void init()
    {
        h = Harness::StartedUp();
        QApplication::setActiveWindow(h->form.get());
        QVERIFY(QTest::qWaitForWindowActive(h->form.get()));
        h->platform.calls.clear();
    }
    void cleanup() { h.reset(); }

    void everyUsableControlIsReachableInFocusOrder()
    {
        h->click("chkUseCounter");
        h->choose(1);
        h->w("cmdHide")->setFocus();
        QStringList visited{focused()};
        for (int i = 0; i < 20; ++i) {
            key(Qt::Key_Tab);
            visited << focused();
        }
        QCOMPARE(visited.mid(0, 16),
                 (QStringList{"cmdHide", "cmdStart", "cmdClose", "chkUseTimer", "txtPath", "txtHHCounter",
                              "txtMMCounter", "cmdMoreHHCounter", "cmdMoreMMCounter", "cmdLessHHCounter",
                              "cmdLessMMCounter", "cmdReset", "cmbWhatToDo", "cmdMp3File", "txtMp3FileName",
                              "cmdPath"}));
        QCOMPARE(visited.at(16), QStringLiteral("cmdAbout"));
        QCOMPARE(visited.at(17), QStringLiteral("cmdHide")); // round again: the Timer group is off
    }

    void textCursorsRestWhenNobodyTypes()
    {
        const int flashTime = QApplication::cursorFlashTime();
        const CursorBlink blink(50);
        QTRY_COMPARE(QApplication::cursorFlashTime(), 0);
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::cursorFlashTime(), flashTime);
        QTRY_COMPARE(QApplication::cursorFlashTime(), 0);
    }

    void buttonsAndBoxesWorkWithSpace()
    {
        QStyleOptionButton ring; // the focus shows from the start, not only after the first Tab
        ring.initFrom(h->w("cmdHide"));
        QVERIFY(ring.state & QStyle::State_HasFocus && ring.state & QStyle::State_KeyboardFocusChange);
        h->w("chkUseTimer")->setFocus();
        key(Qt::Key_Space);
        QVERIFY(h->w<QCheckBox>("chkUseTimer")->isChecked());
        QVERIFY(h->w("txtSS")->isEnabled());
        const int seconds = h->text("txtSS").toInt();
        h->w("cmdMoreSS")->setFocus();
        key(Qt::Key_Space);
        QCOMPARE(h->text("txtSS").toInt(), (seconds + 1) % 60);
        // Start! and Pause hand the focus to each other, also under the report; Return presses as Space
        // does, and a second press within a double click's time of the first is part of it.
        h->choose(0);
        h->w("cmdStart")->setFocus();
        keyAt(Qt::Key_Space, 1000);
        keyAt(Qt::Key_Return, 1200);
        QCOMPARE(focused(), "cmdStop");
        keyAt(Qt::Key_Space, 3000);
        QCOMPARE(focused(), "cmdStart");
        keyAt(Qt::Key_Enter, 5000);
        QString underTheReport;
        h->platform.whileMessageShown = [&] { underTheReport = h->form->focusWidget()->objectName(); };
        h->second(2);
        QCOMPARE(underTheReport + ' ' + focused(), "cmdStart cmdStart");
        h->w("cmdHide")->setFocus();
        key(Qt::Key_Space);
        QVERIFY(h->form->isMinimized());
    }

    void actionBoxWorksWithTheArrowKeys()
    {
        h->w("cmbWhatToDo")->setFocus();
        key(Qt::Key_Down);
        QCOMPARE(h->w<QComboBox>("cmbWhatToDo")->currentIndex(), 0);
        QVERIFY(!h->w("cmdMp3File")->isEnabled());
        key(Qt::Key_Down);
        QCOMPARE(h->w<QComboBox>("cmbWhatToDo")->currentIndex(), 1);
        QVERIFY(h->w("cmdMp3File")->isEnabled());
        key(Qt::Key_Up);
        QVERIFY(!h->w("cmdMp3File")->isEnabled());
    }

    void textBoxesSayWhatTheyHold()
    {
        QStringList names;
        for (const char *box : {"txtHHCounter", "txtMMCounter", "txtHH", "txtMM", "txtSS", "txtPath", "txtMp3FileName"})
            names << h->w(box)->accessibleName();
        QCOMPARE(names, (QStringList{"Counter hours", "Counter minutes", "Timer hours", "Timer minutes",
                                     "Timer seconds", "Player path", "Media file"}));
    }

    void hostilePathsAreKeptAndPassedAsTheyAre_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("blanks and quotes") << "My \"Player\" 'x'";
        QTest::newRow("shell syntax") << "a; rm -rf $(echo ~) `id` | cat &";
        QTest::newRow("leading dash") << "-rf";
        QTest::newRow("non-ASCII letters") << "Müsik Ärger ñ 音楽";
    }
    void hostilePathsAreKeptAndPassedAsTheyAre()
    {
        QFETCH(QString, folder);
        const QString player = h->player(folder + "/winamp.exe");
        h->platform.dialogAnswers = {player};
        h->click("cmdPath");
        QCOMPARE(h->form->module().PlayerPath, player);
        const QString song = h->file(folder + "/song -x.mp3", 77);
        h->counterRun(0, 1, 1);
        h->platform.dialogAnswers = {song};
        h->click("cmdMp3File");
        QCOMPARE(h->text("txtMp3FileName"), song);
        h->click("cmdStart");
        h->second(60);
        const QList<Call> starts = h->platform.ofKind(Call::StartProcess);
        QCOMPARE(starts.size(), 1);
        QCOMPARE(starts.first().program, player);
        QCOMPARE(starts.first().arguments, QStringList{h->staging() + "QDX.mp3"});
        QCOMPARE(h->platform.messages().last(), "Playing" + song + "...");
    }

    void mediaDeletedAfterStagingStillPlays()
    {
        const QString song = h->file(QStringLiteral("music/gone.wav"), 99);
        h->counterRun(0, 1, 1);
        h->platform.dialogAnswers = {song};
        h->click("cmdMp3File");
        QVERIFY(QFile::remove(song));
        h->click("cmdStart");
        h->second(60);
        const QString staged = h->staging() + "QDX.wav";
        QCOMPARE(h->platform.ofKind(Call::StartProcess).first().arguments, QStringList{staged});
        QCOMPARE(QFileInfo(staged).size(), 99);
    }

    void plantedLinksNeverReachTheFileTheyPointAt()
    {
        const QString precious = h->file(QStringLiteral("documents/thesis.txt"), 0);
        {
            QFile file(precious);
            file.open(QIODevice::WriteOnly);
            file.write("years of work");
        }
        const QString staging = h->staging();
        QDir().mkpath(staging);
        QVERIFY(QFile::link(precious, staging + "QDX.mp3"));
        QVERIFY(QFile::link(precious, staging + "QDX.mod"));
        // A pick writes the copy beside the link and renames it over the link.
        h->choose(1);
        h->platform.dialogAnswers = {h->file(QStringLiteral("music/new.mod"), 5)};
        h->click("cmdMp3File");
        QVERIFY(!QFileInfo(staging + "QDX.mod").isSymLink());
        // Start-up deletes the leftover link itself.
        Harness next;
        next.platform.environment = h->platform.environment;
        next.startUp();
        QVERIFY(!QFileInfo::exists(staging + "QDX.mp3"));
        QCOMPARE(Harness::contents(precious), QByteArray("years of work"));
    }
};

QTEST_MAIN(UserInputTest)
#include "tst_userinput.moc"

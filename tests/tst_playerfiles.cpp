// SPDX-License-Identifier: GPL-3.0-or-later
// File functions, the player file check, the player's arguments, the words
// for a start that fails, and the staging of media copies.
#include "player/CommandLine.h"
#include "player/FileFunctions.h"
#include "player/Places.h"
#include "player/PlayerCheck.h"
#include "player/Staging.h"
#include "player/StartFailures.h"
#include "player/WinePaths.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace dozewell;

class PlayerFilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString make(const QString &name, qint64 size, char fill = 'x')
    {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        if (size <= 4096)
            file.write(QByteArray(size, fill));
        else
            file.resize(size);
        return path;
    }
    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

private slots:
    void fileExists_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("expected");
        QTest::newRow("ordinary file") << "file" << 1;
        QTest::newRow("link to a file") << "link" << 1;
        QTest::newRow("dangling link") << "dangling" << 0;
        QTest::newRow("folder") << "folder" << 0;
        QTest::newRow("missing") << "missing" << 0;
        QTest::newRow("empty path") << "empty" << 0;
        QTest::newRow("pattern matching a file") << "pattern" << 0;
        QTest::newRow("file named with a star") << "starfile" << 1;
        QTest::newRow("hidden file") << "hidden" << 0;
        QTest::newRow("file in a hidden folder") << "inhidden" << 1;
        QTest::newRow("pipe") << "fifo" << 0;
    }
    void fileExists()
    {
        QFETCH(QString, kind);
        QFETCH(int, expected);
        const QString file = make(QStringLiteral("exists/a.exe"), 3);
        QString path;
        if (kind == "file")
            path = file;
        else if (kind == "link") {
            path = m_dir.filePath(QStringLiteral("exists/link.exe"));
            QFile::link(file, path);
        } else if (kind == "dangling") {
            path = m_dir.filePath(QStringLiteral("exists/dangling.exe"));
            QFile::link(m_dir.filePath(QStringLiteral("nowhere")), path);
        } else if (kind == "folder")
            path = m_dir.filePath(QStringLiteral("exists"));
        else if (kind == "missing")
            path = m_dir.filePath(QStringLiteral("exists/b.exe"));
        else if (kind == "pattern")
            path = m_dir.filePath(QStringLiteral("exists/*.exe"));
        else if (kind == "starfile")
            path = make(QStringLiteral("exists/*?.exe"), 1);
        else if (kind == "hidden")
            path = make(QStringLiteral("exists/.winamp.exe"), 1);
        else if (kind == "inhidden")
            path = make(QStringLiteral(".wine/drive_c/winamp.exe"), 1);
        else if (kind == "fifo") {
            path = m_dir.filePath(QStringLiteral("exists/fifo.exe"));
            ::mkfifo(QFile::encodeName(path).constData(), 0600);
            QVERIFY(IsSpecialFile(path));
        }
        QCOMPARE(FileExists(path), expected);
    }

    void getFileSize()
    {
        QCOMPARE(GetFileSize(make(QStringLiteral("size/five"), 5)), std::optional(5.0));
        QCOMPARE(GetFileSize(make(QStringLiteral("size/big"), 20000001)), std::optional(20000001.0));
        for (const QString &path : {m_dir.filePath(QStringLiteral("size/none")), m_dir.filePath(QStringLiteral("size")),
                                    QString()}) {
            QVERIFY2(!GetFileSize(path), qPrintable("no failure for " + path));
        }
    }

    void playerFileCheck_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("passes");
        QTest::newRow("exactly the lower bound") << "a/winamp.exe" << qint64(500000) << false;
        QTest::newRow("one byte above it") << "b/winamp.exe" << qint64(500001) << true;
        QTest::newRow("one byte below the upper bound") << "c/winamp.exe" << qint64(1499999) << true;
        QTest::newRow("exactly the upper bound") << "d/winamp.exe" << qint64(1500000) << false;
        QTest::newRow("any letter case") << "e/WinAmp.EXE" << qint64(1000000) << true;
        QTest::newRow("longer name ending alike") << "f/mywinamp.exe" << qint64(1000000) << true;
        QTest::newRow("another player") << "g/player.exe" << qint64(1000000) << false;
        QTest::newRow("short name") << "h/amp.exe" << qint64(1000000) << false;
    }
    void playerFileCheck()
    {
        QFETCH(QString, name);
        QFETCH(qint64, size);
        QFETCH(bool, passes);
        QCOMPARE(PassesPlayerFileCheck(make(name, size)), std::optional(passes));
    }

    void playerFileCheckOfUnreadableFileFails()
    {
        for (const QString &name : {QStringLiteral("missing/winamp.exe"), QStringLiteral("missing/player.exe")}) {
            QVERIFY2(!PassesPlayerFileCheck(m_dir.filePath(name)),
                     "an unreadable size must end in an error, not a failed check");
        }
    }

    void playerArguments()
    {
        QCOMPARE(StopArguments(), (QStringList{"Winamp", "was", "terminated", "by", "Orvo's", "Timer..."}));
        const QString staged = QStringLiteral("/home/a b/.cache/dozewell-timer/QDX.mp3");
        QCOMPARE(PlayArguments(staged), QStringList{staged});
        QCOMPARE(PlayArguments(QString()), QStringList());
    }

    // A prefix as Wine lays it out: drive C: and Z: as Wine makes them, and
    // a drive D: linked to a folder deeper down than Z:'s.
    QString winePrefix(const QString &name)
    {
        const QString prefix = m_dir.filePath(name);
        QDir().mkpath(prefix + "/drive_c/Program Files/Winamp");
        QDir().mkpath(prefix + "/dosdevices");
        QDir().mkpath(m_dir.filePath("music d"));
        QFile::link(QStringLiteral("../drive_c"), prefix + "/dosdevices/c:");
        QFile::link(QStringLiteral("/"), prefix + "/dosdevices/z:");
        QFile::link(m_dir.filePath("music d"), prefix + "/dosdevices/d:");
        QFile::link(QStringLiteral("/dev/ttyS0"), prefix + "/dosdevices/com1");
        return prefix;
    }

    void windowsPathOfAFile_data()
    {
        QTest::addColumn<QString>("file"); // below the test folder, "/" for the root itself
        QTest::addColumn<QString>("expected"); // "<T>" stands for the test folder's Windows path
        QTest::newRow("z: reaches everything") << "cache/QDX.mp3" << "<T>\\cache\\QDX.mp3";
        QTest::newRow("the deeper drive wins") << "music d/QDX.mp3" << "D:\\QDX.mp3";
        QTest::newRow("drive C: of the prefix") << "p/drive_c/x/QDX.wav" << "C:\\x\\QDX.wav";
        QTest::newRow("blanks and other letters kept") << "music d/Nuit étoilée/QDX.mp3"
                                                       << "D:\\Nuit étoilée\\QDX.mp3";
        QTest::newRow("a name that only starts like a drive's folder") << "music dd/QDX.mp3"
                                                                       << "<T>\\music dd\\QDX.mp3";
    }
    void windowsPathOfAFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, expected);
        const QString prefix = winePrefix(QStringLiteral("p"));
        const QString tree = QString(m_dir.path()).replace(QLatin1Char('/'), QLatin1Char('\\'));
        QCOMPARE(WindowsPathIn(prefix, m_dir.filePath(file)), std::optional(expected.replace("<T>", "Z:" + tree)));
    }

    void windowsPathOfAFileNoDriveReaches()
    {
        const QString prefix = m_dir.filePath(QStringLiteral("cz"));
        QDir().mkpath(prefix + "/drive_c");
        QDir().mkpath(prefix + "/dosdevices");
        QFile::link(QStringLiteral("../drive_c"), prefix + "/dosdevices/c:");
        QCOMPARE(WindowsPathIn(prefix, QStringLiteral("/var/cache/QDX.mp3")), std::nullopt);
        // A prefix Wine has not laid out yet has its default drive Z:.
        QCOMPARE(WindowsPathIn(m_dir.filePath(QStringLiteral("fresh")), QStringLiteral("/var/QDX.mp3")),
                 std::optional(QStringLiteral("Z:\\var\\QDX.mp3")));
    }

    // The first bytes of a Windows program for `machine` (0: "MZ" and no PE
    // header), or of a script.
    static QByteArray ProgramBytes(const QString &kind)
    {
        if (kind == "native")
            return "#!/bin/sh\n";
        QByteArray bytes("MZ");
        if (kind == "MZ only")
            return bytes + QByteArray(600, '\0');
        bytes.resize(0x40, '\0');
        bytes[0x3c] = 0x40;
        const char *machine = kind == "32-bit" ? "\x4c\x01" : "\x64\x86";
        return bytes + QByteArray("PE\0\0", 4) + QByteArray(machine, 2) + QByteArray(200, '\0');
    }

    // How the player is started: directly, or through Wine in its own
    // prefix, quietly unless the user chose Wine's debug output; and which
    // players Wine certainly cannot run.
    void startPlan_data()
    {
        QTest::addColumn<QString>("player");   // its kind and where: "in p" or "outside"
        QTest::addColumn<QString>("wine");     // "none", or whether it runs 32-bit programs: "32", "64 only", "?"
        QTest::addColumn<bool>("debugChosen"); // the user's environment sets WINEDEBUG
        QTest::addColumn<QString>("expected"); // the problem, or the environment added ("p" for the prefix)
        QTest::newRow("32-bit player in a prefix") << "32-bit in p" << "32" << false
                                                   << "WINEPREFIX=p WINEDEBUG=-all";
        QTest::newRow("the user's WINEDEBUG is kept") << "32-bit in p" << "32" << true << "WINEPREFIX=p";
        QTest::newRow("Windows player outside any prefix") << "64-bit outside" << "32" << false << "WINEDEBUG=-all";
        QTest::newRow("64-bit player, Wine without 32-bit part") << "64-bit in p" << "64 only" << false
                                                                 << "WINEPREFIX=p WINEDEBUG=-all";
        QTest::newRow("32-bit player, Wine without 32-bit part") << "32-bit in p" << "64 only" << false
                                                                 << "NoWine32BitPart";
        QTest::newRow("32-bit player, Wine that cannot tell") << "32-bit in p" << "?" << false
                                                              << "WINEPREFIX=p WINEDEBUG=-all";
        QTest::newRow("MZ but no program, Wine without 32-bit part") << "MZ only in p" << "64 only" << false
                                                                     << "WINEPREFIX=p WINEDEBUG=-all";
        QTest::newRow("native player") << "native in p" << "none" << false << "";
        QTest::newRow("Windows player, no Wine") << "32-bit in p" << "none" << false << "NoWine";
    }
    void startPlan()
    {
        QFETCH(QString, player);
        QFETCH(QString, wine);
        QFETCH(bool, debugChosen);
        QFETCH(QString, expected);
        const QString prefixPath = winePrefix(QStringLiteral("p"));
        const QString folder = player.endsWith("in p") ? prefixPath + "/dosdevices/c:/Program Files/Winamp"
                                                       : m_dir.filePath(QStringLiteral("opt/Winamp"));
        QDir().mkpath(folder);
        const QString path = folder + "/winamp.exe";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ProgramBytes(player.section(" in", 0, 0).section(" outside", 0, 0)));
        file.close();
        const std::optional<bool> runs32Bit = wine == "?" ? std::nullopt : std::optional(wine == "32");
        const WineSetup setup{wine == "none" ? QString() : QStringLiteral("/usr/bin/wine"), prefixPath, runs32Bit,
                              debugChosen};
        const QString staged = m_dir.filePath(QStringLiteral("music d/QDX.mp3"));

        const auto stop = PlanStopStart(path, setup);
        const auto play = PlanPlayStart(path, staged, setup);
        if (expected.startsWith("No")) {
            const auto problem = expected == "NoWine" ? PlayerStartProblem::NoWine : PlayerStartProblem::NoWine32BitPart;
            QCOMPARE(std::get<PlayerStartProblem>(stop), problem);
            QCOMPARE(std::get<PlayerStartProblem>(play), problem);
            return;
        }
        const PlayerStart stopStart = std::get<PlayerStart>(stop);
        const PlayerStart playStart = std::get<PlayerStart>(play);
        if (player.startsWith("native")) {
            QCOMPARE(stopStart.program, path);
            QCOMPARE(stopStart.arguments, StopArguments());
            QCOMPARE(playStart.arguments, QStringList{staged});
            QVERIFY(!stopStart.throughWine && !playStart.throughWine);
        } else {
            QCOMPARE(stopStart.program, QStringLiteral("/usr/bin/wine"));
            QCOMPARE(stopStart.arguments, QStringList{path} + StopArguments());
            QCOMPARE(playStart.arguments, (QStringList{path, QStringLiteral("D:\\QDX.mp3")}));
            QVERIFY(stopStart.throughWine && playStart.throughWine);
        }
        QCOMPARE(stopStart.environment.join(' '), expected.replace("WINEPREFIX=p", "WINEPREFIX=" + prefixPath));
        QCOMPARE(playStart.environment, stopStart.environment);
    }

    // The words for a start that fails: one the plan rules out, and what
    // Wine's answer to its check at Start says; one that ended at once at
    // the time-out, with Wine asked only where its status does not say why.
    void startFailureWords_data()
    {
        QTest::addColumn<QString>("when");   // "plan", "Start" (Wine's answer), "time-out" (the start's status)
        QTest::addColumn<QString>("what");   // the problem; "status N" or "not started", and what Wine said
        QTest::addColumn<QString>("says");   // empty: no refusal
        QTest::newRow("no 32-bit part") << "plan" << "NoWine32BitPart" << "sudo apt install wine32:i386";
        QTest::newRow("staged file on no drive") << "plan" << "FileOnNoDrive" << "QDX.mp3 lies on no drive";
        QTest::newRow("loader no program") << "Start" << "not started|execve: Exec format error"
                                           << "ia32_emulation=0";
        QTest::newRow("Wine fails its check") << "Start" << "status 1|" << "status 1.\n\nSee what Wine says";
        QTest::newRow("Wine runs") << "Start" << "status 0|" << "";
        QTest::newRow("native player crashes") << "time-out" << "signal|" << "crashed (Segmentation fault)";
        QTest::newRow("Wine cannot run the file") << "time-out" << "status 52|" << "not a Windows program";
        QTest::newRow("Wine cannot load it") << "time-out" << "status 53|" << "sudo apt install wine32:i386";
        QTest::newRow("launcher fails, Wine refused") << "time-out" << "status 1|status 126|exec: Exec format error"
                                                      << "status 1.\n\nThe Wine here (/usr/bin/wine)";
    }
    void startFailureWords()
    {
        QFETCH(QString, when);
        QFETCH(QString, what);
        QFETCH(QString, says);
        const QString player = m_dir.filePath(QStringLiteral("words/winamp.exe"));
        make(QStringLiteral("words/winamp.exe"), 0);
        QFile exe(player);
        QVERIFY(exe.open(QIODevice::WriteOnly) && exe.write(ProgramBytes(QStringLiteral("32-bit"))) > 0);
        exe.close();
        const PlayerStart start{QStringLiteral("/usr/bin/wine"), {player}, {}, true};
        const QStringList parts = what.split('|');
        const auto status = [](const QString &part) { return part.section(' ', 1).toInt(); };
        QString text;
        if (when == "plan") {
            const auto problem = what == "FileOnNoDrive" ? PlayerStartProblem::FileOnNoDrive
                                                         : PlayerStartProblem::NoWine32BitPart;
            text = PlanProblemText(problem, player, QStringLiteral("/far/QDX.mp3"), {start.program, {}, false, false});
        } else if (when == "Start") {
            const bool started = parts[0] != "not started";
            const auto trouble = WineTroubleOf(start.program, started, status(parts[0]), {}, parts[1]);
            text = trouble ? WineDoesNotRunText(player, start.program, *trouble) : QString();
        } else {
            const QString signal = parts[0] == "signal" ? QStringLiteral("Segmentation fault") : QString();
            QCOMPARE(WineCanTellWhy(start, status(parts[0]), signal), parts.size() == 3);
            const auto wine = parts.size() == 3 ? WineTroubleOf(start.program, true, status(parts[1]), {}, parts[2])
                                                : std::nullopt;
            text = EndedAtOnceText(player, start, status(parts[0]), signal, wine);
        }
        QVERIFY2(says.isEmpty() ? text.isEmpty() : text.contains(says), qPrintable(text));
        QVERIFY(text.isEmpty() || text.contains(player));
    }

    // Wine's 32-bit part, read from where a Wine installation keeps its
    // libraries; and the Wine installed here, when there is one.
    void wineRuns32Bit_data()
    {
        QTest::addColumn<QStringList>("libraries"); // below the installation's root
        QTest::addColumn<QString>("expected");
        QTest::newRow("Debian, both parts") << QStringList{"lib/x86_64-linux-gnu/wine/x86_64-windows",
                                                            "lib/i386-linux-gnu/wine/i386-windows"} << "yes";
        QTest::newRow("Debian, 64-bit part only") << QStringList{"lib/x86_64-linux-gnu/wine/x86_64-windows"} << "no";
        QTest::newRow("one folder for both") << QStringList{"lib/wine/x86_64-windows", "lib/wine/i386-windows"}
                                             << "yes";
        QTest::newRow("a layout not known") << QStringList{"lib/wine/fakedlls"} << "unknown";
    }
    void wineRuns32Bit()
    {
        QFETCH(QStringList, libraries);
        QFETCH(QString, expected);
        const QString root = m_dir.filePath(QStringLiteral("wine-") + QTest::currentDataTag());
        for (const QString &folder : libraries)
            make(root.section('/', -1) + '/' + folder + "/ntdll.dll", 10);
        const QString launcher = make(root.section('/', -1) + "/bin/wine", 10);
        const std::optional<bool> runs = WineRuns32Bit(launcher);
        QCOMPARE(runs ? (*runs ? "yes" : "no") : "unknown", expected);
    }
    void installedWineRuns32Bit()
    {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (wine.isEmpty() || !QFileInfo::exists(QStringLiteral("/usr/lib/i386-linux-gnu/wine")))
            QSKIP("no Wine with its 32-bit part here");
        QCOMPARE(WineRuns32Bit(wine), std::optional(true));
    }

    // Where things are, from the environment and home folder given, never
    // from those the tests run in.
    void placesFromTheEnvironment()
    {
        QProcessEnvironment environment;
        const auto staging = [&] { return StagingFolder(environment, "/home/you", "dozewell-timer"); };
        QCOMPARE(DefaultPlayerPaths(environment, "/home/you").value(0),
                 "/home/you/.wine/dosdevices/c:/Program Files/Winamp/winamp.exe");
        QCOMPARE(staging(), "/home/you/.cache/dozewell-timer/");
        QCOMPARE(WineLauncher(environment), QString());
        environment.insert("WINEPREFIX", "/somewhere/prefix");
        environment.insert("XDG_CACHE_HOME", "/somewhere/cache");
        QCOMPARE(DefaultPlayerPaths(environment, "/home/you").value(1),
                 "/somewhere/prefix/dosdevices/c:/Program Files (x86)/Winamp/winamp.exe");
        QCOMPARE(staging(), "/somewhere/cache/dozewell-timer/");
        environment.insert("XDG_CACHE_HOME", "relative/cache"); // invalid for the variable: ignored
        QCOMPARE(staging(), "/home/you/.cache/dozewell-timer/");
    }

    void mediaExtension_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("upper case") << "/m/Song.MP3" << "mp3" << true;
        QTest::newRow("mpeg is peg") << "/m/clip.mpeg" << "peg" << false;
        QTest::newRow("no dot") << "/m/xmp3" << "mp3" << true;
        for (const char *ext : {"mp3", "m3u", "wav", "mod", "mid", "voc", "avi", "mpg"})
            QTest::newRow(ext) << QStringLiteral("/m/a.") + ext << ext << true;
        QTest::newRow("ogg") << "/m/a.ogg" << "ogg" << false;
        QTest::newRow("short") << "ab" << "ab" << false;
    }
    void mediaExtension()
    {
        QFETCH(QString, path);
        QFETCH(QString, extension);
        QFETCH(bool, accepted);
        QCOMPARE(MediaExtension(path), extension);
        QCOMPARE(IsMediaExtension(extension), accepted);
    }

    // The picker's checks and staging: a file of another type, or whose
    // size cannot be read, is refused silently; one that is too big, or is
    // no regular file, or cannot be read, with the words that say why.
    void stageChosenFile_data()
    {
        QTest::addColumn<QString>("name"); // below music/, or a link to "/dev/zero" or a write-only file
        QTest::addColumn<qint64>("size"); // -1: no file
        QTest::addColumn<QString>("staged");
        QTest::addColumn<QString>("says");
        QTest::newRow("exactly the limit") << "big.wav" << qint64(20000000) << "QDX.wav" << "";
        QTest::newRow("xmp3") << "xmp3" << qint64(10) << "QDX.mp3" << "";
        QTest::newRow("mod") << "tune.mod" << qint64(10) << "QDX.mod" << "";
        QTest::newRow("size cannot be read") << "gone.mp3" << qint64(-1) << "" << "";
        QTest::newRow("link to a device") << "/dev/zero" << qint64(-1) << "" << "is not a regular file";
        QTest::newRow("unreadable") << "/proc/sys/vm/compact_memory" << qint64(-1) << "" << "could not be read";
    }
    void stageChosenFile()
    {
        QFETCH(QString, name);
        QFETCH(qint64, size);
        QFETCH(QString, staged);
        QFETCH(QString, says);
        QString chosen = m_dir.filePath("music/" + name);
        if (size >= 0)
            make("music/" + name, size);
        if (name.startsWith('/')) {
            if (!QFile::exists(name))
                QSKIP("no such file on this system");
            chosen = m_dir.filePath(QStringLiteral("music/odd.mp3"));
            QFile::remove(chosen);
            QVERIFY(QFile::link(name, chosen));
        }
        const QString folder = m_dir.filePath(QStringLiteral("chosen/"));
        const StagedChoice choice = StageChosenFile(chosen, folder);
        QCOMPARE(choice.copy, staged.isEmpty() ? QString() : folder + staged);
        QVERIFY2(says.isEmpty() ? choice.refusal.isEmpty() : choice.refusal.contains(says), qPrintable(choice.refusal));
        if (!staged.isEmpty())
            QCOMPARE(QFileInfo(folder + staged).size(), size);
    }

    void leftoverNamesKeepTheModCopy()
    {
        QCOMPARE(LeftoverStagedNames(QStringLiteral("/s/")),
                 (QStringList{"/s/QDX.mp3", "/s/QDX.wav", "/s/QDX.m3u", "/s/QDX.voc", "/s/QDX.mid", "/s/QDX.avi",
                              "/s/QDX.mpg"}));
        QCOMPARE(StagedName(QStringLiteral("/s/"), QStringLiteral("mod")), QStringLiteral("/s/QDX.mod"));
    }

    void stageCopyMakesAPrivateFolderAndIdenticalCopy()
    {
        const QString folder = m_dir.filePath(QStringLiteral("stage1/cache/dozewell-timer/"));
        const QString source = make(QStringLiteral("music/Song.MP3"), 3000, 'a');
        QVERIFY(!StageCopy(source, folder + "QDX.mp3"));
        QCOMPARE(contents(folder + "QDX.mp3"), contents(source));
        QCOMPARE(QFile::permissions(folder) & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                 QFile::Permissions());
        const QString second = make(QStringLiteral("music/other.mp3"), 100, 'b');
        QVERIFY(!StageCopy(second, folder + "QDX.mp3"));
        QCOMPARE(contents(folder + "QDX.mp3"), contents(second));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"QDX.mp3"});
    }

    void stageCopyReplacesAPlantedLink()
    {
        const QString folder = m_dir.filePath(QStringLiteral("stage2/"));
        const QString precious = make(QStringLiteral("precious.txt"), 50, 'p');
        QDir().mkpath(folder);
        QVERIFY(QFile::link(precious, folder + "QDX.wav"));
        QVERIFY(!StageCopy(make(QStringLiteral("music/a.wav"), 70, 'w'), folder + "QDX.wav"));
        QCOMPARE(contents(precious), QByteArray(50, 'p'));
        QVERIFY(!QFileInfo(folder + "QDX.wav").isSymLink());
        QCOMPARE(contents(folder + "QDX.wav"), QByteArray(70, 'w'));
    }

    void stageCopyFailsCleanly_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::newRow("read-only folder") << "readonly";
        QTest::newRow("folder is a file") << "file";
        QTest::newRow("source unreadable") << "source";
    }
    void stageCopyFailsCleanly()
    {
        QFETCH(QString, problem);
        if (problem == "readonly" && ::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        const QString folder = m_dir.filePath("stage-" + problem + "/");
        const QString source = make(QStringLiteral("music/b.mp3"), 10);
        if (problem == "file") {
            make("stage-" + problem, 1);
        } else {
            QDir().mkpath(folder);
            QVERIFY(!StageCopy(source, folder + "QDX.mp3"));
        }
        if (problem == "readonly")
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        const QString from = problem == "source" ? m_dir.filePath(QStringLiteral("music/gone.mp3")) : source;
        const std::optional<StageFailure> failure = StageCopy(from, folder + "QDX.mp3");
        QVERIFY(failure && !failure->reason.isEmpty());
        QCOMPARE(failure->culprit, problem == "source" ? StageFailure::ChosenFile : StageFailure::StagingFolder);
        if (problem != "file") {
            QCOMPARE(contents(folder + "QDX.mp3"), QByteArray(10, 'x'));
            QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"QDX.mp3"});
        }
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The folder is private from its first moment; one that is not the
    // user's own folder is never staged into.
    void stagingFolderIsTheUsersOwn_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("usable");
        QTest::newRow("missing: made owner-only") << "missing" << true;
        QTest::newRow("open to all: narrowed") << "wide" << true;
        QTest::newRow("a link to a folder elsewhere") << "link" << false;
        QTest::newRow("a file") << "file" << false;
        QTest::newRow("another user's") << "foreign" << false;
    }
    void stagingFolderIsTheUsersOwn()
    {
        QFETCH(QString, kind);
        QFETCH(bool, usable);
        const QString folder = m_dir.filePath("own-" + kind + "/dozewell-timer/");
        const QString elsewhere = m_dir.filePath("elsewhere-" + kind);
        QDir().mkpath(elsewhere);
        QDir().mkpath(QFileInfo(QDir::cleanPath(folder)).path());
        if (kind == "wide" || kind == "foreign") {
            QDir().mkpath(folder);
            QFile::setPermissions(folder, QFile::Permissions(0x7777));
        }
        if (kind == "foreign" && ::chown(QFile::encodeName(folder).constData(), 65534, 65534) != 0)
            QSKIP("only root can give a folder to another user");
        if (kind == "link")
            QVERIFY(QFile::link(elsewhere, QDir::cleanPath(folder)));
        if (kind == "file")
            make("own-file/dozewell-timer", 1);

        const std::optional<StageFailure> failure = StageCopy(make("music/own.mp3", 10), folder + "QDX.mp3");
        QCOMPARE(!failure, usable);
        QVERIFY(QDir(elsewhere).isEmpty());
        if (usable)
            QCOMPARE(QFile::permissions(folder) & QFile::Permissions(0x0077), QFile::Permissions());
        else
            QCOMPARE(failure->culprit, StageFailure::StagingFolder);
    }

    // Start-up removes the copies and what an interrupted copy left, and
    // nothing else: not the mod copy, not a link, not a file of another name.
    void deleteStagedFilesRemovesOnlyOwnLeftovers()
    {
        const QString folder = m_dir.filePath(QStringLiteral("leftovers/"));
        const QString precious = make(QStringLiteral("keep/.QDX-precious.part"), 5);
        for (const QString name : {"QDX.mp3", "QDX.mpg", "QDX.mod", ".QDX-a1B2c3.part", "notes.part", "QDX.mp3.bak"})
            make("leftovers/" + name, 3);
        QVERIFY(QFile::link(precious, folder + ".QDX-link00.part"));
        ::mkfifo(QFile::encodeName(folder + ".QDX-fifo00.part").constData(), 0600);
        DeleteStagedFiles(folder);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                        QDir::Name),
                 (QStringList{".QDX-fifo00.part", ".QDX-link00.part", "QDX.mod", "QDX.mp3.bak", "notes.part"}));
        QVERIFY(QFile::exists(precious));
    }

    void deleteStagedFilesNeverThroughALinkedFolder()
    {
        const QString target = m_dir.filePath(QStringLiteral("linked-target"));
        make(QStringLiteral("linked-target/QDX.mp3"), 3);
        QVERIFY(QFile::link(target, m_dir.filePath(QStringLiteral("linked"))));
        DeleteStagedFiles(m_dir.filePath(QStringLiteral("linked/")));
        QVERIFY(QFile::exists(target + "/QDX.mp3"));
    }
};

QTEST_APPLESS_MAIN(PlayerFilesTest)
#include "tst_playerfiles.moc"

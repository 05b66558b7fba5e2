// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmMain.h"

#include "app/Accessibility.h"
#include "app/CaptionFit.h"
#include "app/CommonDialog.h"
#include "app/IntervalTimer.h"
#include "app/Keyboard.h"
#include "app/Texts.h"
#include "app/UnseenRest.h"
#include "app/WindowPlacement.h"
#include "app/frmAbout.h"
#include "platform/Platform.h"
#include "player/FileFunctions.h"
#include "player/Places.h"
#include "player/PlayerCheck.h"
#include "player/Staging.h"
#include "player/StartFailures.h"
#include "timer/ClockWatch.h"
#include "timer/TimeFields.h"
#include "ui_frmMain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <algorithm>

namespace dozewell {

namespace {
constexpr int kClockInterval = 1000;
// Not translated: a field's value, the player's file name as the program
// tells it, the Open dialog's patterns.
const QString kZero = QStringLiteral("0");
const QString kPlayerFileShown = QStringLiteral("Winamp.exe");
const QString kExecutablePatterns = QStringLiteral("|*.exe");
const QString kMediaPatterns = QStringLiteral("|*.mp3;*.m3u;*.wav;*.mid;*.voc;*.mod;*.avi;*.mpg");

void SetEnabled(std::initializer_list<QWidget *> controls, bool enabled)
{
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}
} // namespace

frmMain::frmMain(Platform &platform, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::frmMain>()), m_platform(platform), m_player(platform)
{
    InstallAccessibleInterfaces();
    ui->setupUi(this);
    OfferNoMaximize(this);
    GiveProgramIcon(this);
    BannerLabel::StyleBanner(ui->lblName, ui->lbl666, ui->lblYear);

    ui->cmbWhatToDo->setCurrentIndex(-1);
    ui->cmbWhatToDo->setEditText(texts::kSelectAnOption());
    ui->cmdPath->setToolTip(texts::kChooseAnotherPlayer().arg(QLatin1String(kPlayerFileName)));
    // The narrow upright Reset button shows what its width allows; a path
    // of any length scrolls in its box.
    KeepFitting(this, [this] { FitCaptions(this, {ui->cmdReset, ui->txtPath}); });
    for (QWidget *shape : {ui->shpFrameLogo1, ui->shpFrameLogo2})
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    NameForScreenReaders();

    Timer3 = new IntervalTimer(QStringLiteral("Timer3"), ui->wfrmMain);
    cmd1 = new CommonDialog(platform, ui->wfrmMain);
    cmd1->setObjectName(QStringLiteral("cmd1"));
    cmd1->DialogTitle = texts::kDialogTitle();
    Timer2 = new IntervalTimer(QStringLiteral("Timer2"), ui->wfrmMain, [this] { return m_platform.SinceBootMs(); });
    Timer1 = new IntervalTimer(QStringLiteral("Timer1"), ui->wfrmMain);

    m_startPause = new SharedPlace(ui->cmdStart, ui->cmdStop, this);
    ConnectHandlers();
    ForKeyboardUse(this);
    Timer3->setInterval(kClockInterval);
    m_rest = new UnseenRest(this, Timer1, Timer2, Timer3);
    m_platform.WatchScreenSaver(m_rest, [this](bool active) { m_rest->setScreenOff(active); });
    FocusFirstFrom(ui->cmdLessMM);
}

frmMain::~frmMain()
{
    delete m_about;
}

void frmMain::NameForScreenReaders()
{
    // The action box's text takes its focus.
    ui->cmbWhatToDo->lineEdit()->setAccessibleName(ui->cmbWhatToDo->accessibleName());
    // A step button changes a field that has not the focus: the button
    // tells the field's value, so that a screen reader says the new one.
    NameByValue(ui->txtHHCounter, {ui->cmdMoreHHCounter, ui->cmdLessHHCounter});
    NameByValue(ui->txtMMCounter, {ui->cmdMoreMMCounter, ui->cmdLessMMCounter});
    NameByValue(ui->txtHH, {ui->cmdMoreHH, ui->cmdLessHH});
    NameByValue(ui->txtMM, {ui->cmdMoreMM, ui->cmdLessMM});
    NameByValue(ui->txtSS, {ui->cmdMoreSS, ui->cmdLessSS});
}

void frmMain::ConnectHandlers()
{
    connect(ui->cmdHide, &QPushButton::clicked, this, &frmMain::cmdHide_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmMain::cmdClose_Click);
    connect(ui->cmdAbout, &QPushButton::clicked, this, &frmMain::cmdAbout_Click);
    connect(ui->imgLogo1, &ClickableImage::clicked, this, &frmMain::imgLogo1_Click);
    connect(ui->imgLogo2, &ClickableImage::clicked, this, &frmMain::imgLogo2_Click);

    connect(ui->cmdMoreHHCounter, &QPushButton::clicked, this, &frmMain::cmdMoreHHCounter_Click);
    connect(ui->cmdLessHHCounter, &QPushButton::clicked, this, &frmMain::cmdLessHHCounter_Click);
    connect(ui->cmdMoreMMCounter, &QPushButton::clicked, this, &frmMain::cmdMoreMMCounter_Click);
    connect(ui->cmdLessMMCounter, &QPushButton::clicked, this, &frmMain::cmdLessMMCounter_Click);
    connect(ui->cmdMoreHH, &QPushButton::clicked, this, &frmMain::cmdMoreHH_Click);
    connect(ui->cmdLessHH, &QPushButton::clicked, this, &frmMain::cmdLessHH_Click);
    connect(ui->cmdMoreMM, &QPushButton::clicked, this, &frmMain::cmdMoreMM_Click);
    connect(ui->cmdLessMM, &QPushButton::clicked, this, &frmMain::cmdLessMM_Click);
    connect(ui->cmdMoreSS, &QPushButton::clicked, this, &frmMain::cmdMoreSS_Click);
    connect(ui->cmdLessSS, &QPushButton::clicked, this, &frmMain::cmdLessSS_Click);
    connect(ui->cmdReset, &QPushButton::clicked, this, &frmMain::cmdReset_Click);

    // A box's handler runs for every change of its tick, from the user or
    // from code, and acts only when its own box is ticked.
    connect(ui->chkUseCounter, &QCheckBox::toggled, this, &frmMain::chkUseCounter_Click);
    connect(ui->chkUseTimer, &QCheckBox::toggled, this, &frmMain::chkUseTimer_Click);

    connect(ui->cmdStart, &QPushButton::clicked, this, &frmMain::cmdStart_Click);
    connect(ui->cmdStop, &QPushButton::clicked, this, &frmMain::cmdStop_Click);
    connect(ui->cmbWhatToDo, &QComboBox::activated, this, &frmMain::cmbWhatToDo_Click);

    connect(ui->cmdPath, &QPushButton::clicked, this, &frmMain::cmdPath_Click);
    connect(ui->txtPath, &QLineEdit::returnPressed, this, [this] { txtPath_KeyPress(kEnterKey); });
    connect(ui->cmdMp3File, &QPushButton::clicked, this, &frmMain::cmdMp3File_Click);

    connect(Timer1, &IntervalTimer::Timer, this, &frmMain::Timer1_Timer);
    connect(Timer2, &IntervalTimer::Timer, this, &frmMain::Timer2_Timer);
    connect(Timer2, &IntervalTimer::Skipped, &m_run, &SleepTimer::bannerTick);
    connect(Timer3, &IntervalTimer::Timer, this, &frmMain::Timer3_Timer);

    connect(&m_run, &SleepTimer::countdownChanged, ui->lblTimer, &QLabel::setText);
    connect(&m_run, &SleepTimer::timeOfDayChanged, ui->lblTime, &QLabel::setText);
    connect(&m_run, &SleepTimer::captionChanged, this, [this](const QString &caption) { m_rest->showCaption(caption); });
    connect(&m_run, &SleepTimer::bannerMoved, this, [this](float nameLeft, float yearLeft, float versionLeft) {
        ui->lblName->placeAt(nameLeft);
        ui->lblYear->placeAt(yearLeft);
        ui->lbl666->placeAt(versionLeft);
    });
    connect(&m_run, &SleepTimer::timedOut, this, &frmMain::TimeOut);
}

frmAbout *frmMain::aboutWindow() const
{
    return m_about;
}

WineSetup frmMain::Wine() const
{
    return InstalledWine(m_platform.Environment(), m_platform.HomeFolder());
}

QString frmMain::StagingFolder() const
{
    return dozewell::StagingFolder(m_platform.Environment(), m_platform.HomeFolder(),
                                   QCoreApplication::applicationName());
}

// Start-up

bool frmMain::Form_Load()
{
    m_run.startUp(m_platform.Now(), m_platform.SinceBootMs());
    m_module.StagedFile.clear();
    DeleteStagedFiles(StagingFolder());

    const QStringList defaultPlayers = DefaultPlayerPaths(m_platform.Environment(), m_platform.HomeFolder());
    const auto defaultPlayer = std::find_if(defaultPlayers.begin(), defaultPlayers.end(),
                                            [](const QString &path) { return FileExists(path) == 1; });
    if (defaultPlayer != defaultPlayers.end()) {
        m_module.PlayerPath = *defaultPlayer;
    } else {
        cmd1->FileName = m_module.PlayerPath;
        cmd1->Filter = texts::kExecutableFiles() + kExecutablePatterns;
        cmd1->CancelError = true;
        if (!cmd1->ShowOpen() && cmd1->CancelError) {
            EndProgram();
            return false;
        }
        if (!TakePlayerFromDialog())
            return true; // the sequence ends here; the window opens as it stands
    }
    ui->txtPath->setText(m_module.PlayerPath);
    return true;
}

// The window itself

void frmMain::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_ended)
        cmdClose_Click();
}

void frmMain::cmdHide_Click()
{
    showMinimized();
}

void frmMain::cmdClose_Click()
{
    cmdStop_Click();
    EndProgram();
}

void frmMain::EndProgram()
{
    // Nothing of the program runs after this: no tick, no report of a
    // player start, no window to click.
    m_ended = true;
    for (IntervalTimer *timer : {Timer1, Timer2, Timer3})
        timer->setInterval(0);
    m_player.endProgram();
    if (m_about)
        m_about->close();
    close();
    m_platform.EndProgram();
}

void frmMain::cmdAbout_Click()
{
    ShowAbout();
}

void frmMain::imgLogo1_Click()
{
    ShowAbout();
}

void frmMain::imgLogo2_Click()
{
    ShowAbout();
}

void frmMain::ShowAbout()
{
    if (!m_about) {
        m_about = new frmAbout();
        connect(m_about, &frmAbout::closeClicked, this, [this] { BringForward(this); });
        CentreOnScreen(m_about);
    }
    BringForward(m_about);
}

// Time fields

void frmMain::Step(QLineEdit *field, qint16 (*stepping)(qint16))
{
    if (const std::optional<qint16> value = FieldValue(field->text()))
        field->setText(FieldText(stepping(*value)));
}

void frmMain::cmdMoreHHCounter_Click() { Step(ui->txtHHCounter, IncHours); }
void frmMain::cmdLessHHCounter_Click() { Step(ui->txtHHCounter, DecHours); }
void frmMain::cmdMoreMMCounter_Click() { Step(ui->txtMMCounter, IncMinSec); }
void frmMain::cmdLessMMCounter_Click() { Step(ui->txtMMCounter, DecMinSec); }
void frmMain::cmdMoreHH_Click() { Step(ui->txtHH, IncHours); }
void frmMain::cmdLessHH_Click() { Step(ui->txtHH, DecHours); }
void frmMain::cmdMoreMM_Click() { Step(ui->txtMM, IncMinSec); }
void frmMain::cmdLessMM_Click() { Step(ui->txtMM, DecMinSec); }
void frmMain::cmdMoreSS_Click() { Step(ui->txtSS, IncMinSec); }
void frmMain::cmdLessSS_Click() { Step(ui->txtSS, DecMinSec); }

void frmMain::cmdReset_Click()
{
    m_run.resetCountdown();
    ui->txtHHCounter->setText(kZero);
    ui->txtMMCounter->setText(kZero);
}

// Modes

void frmMain::chkUseCounter_Click()
{
    if (!ui->chkUseCounter->isChecked())
        return;
    ui->chkUseTimer->setChecked(false);
    SetCounterMode();
    SetIdleState();
}

void frmMain::chkUseTimer_Click()
{
    if (!ui->chkUseTimer->isChecked())
        return;
    ui->chkUseCounter->setChecked(false);
    SetTimerMode();
    SetIdleState();
}

void frmMain::SetCounterMode()
{
    ui->chkUseCounter->setEnabled(false);
    ui->chkUseTimer->setEnabled(true);
    SetEnabled({ui->wfrmCounter, ui->wfrmTimeCounter, ui->lblTimer, ui->lblHH, ui->lblMM, ui->txtHHCounter,
                ui->txtMMCounter, ui->cmdReset, ui->cmdLessHHCounter, ui->cmdLessMMCounter, ui->cmdMoreHHCounter,
                ui->cmdMoreMMCounter},
               true);
    SetEnabled({ui->wfrmTimeTimer, ui->lblTime, ui->wfrmTimer, ui->lblHHTimer, ui->lblMMTimer, ui->lblSSTimer,
                ui->txtHH, ui->txtMM, ui->txtSS, ui->cmdLessHH, ui->cmdLessMM, ui->cmdLessSS, ui->cmdMoreHH,
                ui->cmdMoreMM, ui->cmdMoreSS},
               false);
}

void frmMain::SetTimerMode()
{
    ui->chkUseTimer->setEnabled(false);
    ui->chkUseCounter->setEnabled(true);
    SetEnabled({ui->wfrmTimer, ui->wfrmTimeTimer, ui->lblTime, ui->lblHHTimer, ui->lblMMTimer, ui->lblSSTimer,
                ui->txtHH, ui->txtMM, ui->txtSS, ui->cmdLessHH, ui->cmdLessMM, ui->cmdLessSS, ui->cmdMoreHH,
                ui->cmdMoreMM, ui->cmdMoreSS},
               true);
    // One reading of the clock: three could straddle a minute or an hour.
    const QTime now = m_platform.Now().time();
    ui->txtHH->setText(FieldText(static_cast<qint16>(now.hour())));
    ui->txtMM->setText(FieldText(static_cast<qint16>(now.minute())));
    ui->txtSS->setText(FieldText(static_cast<qint16>(now.second())));
    SetEnabled({ui->wfrmCounter, ui->wfrmTimeCounter, ui->lblTimer, ui->lblHH, ui->lblMM, ui->txtHHCounter,
                ui->txtMMCounter, ui->cmdLessHHCounter, ui->cmdLessMMCounter, ui->cmdMoreHHCounter,
                ui->cmdMoreMMCounter, ui->cmdReset},
               false);
}

// Run control

void frmMain::cmdStart_Click()
{
    if (m_askingWine)
        return; // it waits for Wine's answer, and goes on with it
    if ((!ui->chkUseCounter->isChecked() && !ui->chkUseTimer->isChecked())
        || ui->cmbWhatToDo->currentIndex() == NoAction) {
        m_platform.MsgBox(texts::kChooseAllOptions(), MsgIcon::None, texts::kErrorTitle());
        return;
    }
    if (RunConditionsHold(ui->chkUseCounter->isChecked()))
        StartCounterRun();
    if (RunConditionsHold(ui->chkUseTimer->isChecked()))
        StartTimerRun();
}

bool frmMain::RunConditionsHold(bool modeTicked) const
{
    // A run checks and starts the player that was taken over, not a path
    // typed without Enter.
    const bool playerFound = FileExists(m_module.PlayerPath) == 1;
    const bool haveAction = ui->cmbWhatToDo->currentIndex() != NoAction;
    return playerFound && haveAction && modeTicked;
}

void frmMain::StartCounterRun()
{
    // Fields that hold no number end Start silently.
    const std::optional<qint16> minutes = CounterMinutes(ui->txtHHCounter->text(), ui->txtMMCounter->text());
    if (!minutes || *minutes <= 0)
        return;
    if (RefusedForThePlayer() || RefusedByMediaGuard())
        return;
    ShowAcceptedPlayer();
    m_run.startCounter(*minutes, m_platform.SinceBootMs());
    KeepAwakeUntil(TimeOfDayText(m_platform.Now().addSecs(m_run.SecondsToTimeOut()).time()));
    Timer1->setInterval(kCountdownTickMs);
    Timer2->setInterval(kBannerTickMs);
    ui->cmdPath->setEnabled(false);
    ui->txtPath->setEnabled(false);
    SetRunningState();
    DisableMp3FileChoice();
}

void frmMain::StartTimerRun()
{
    const std::optional<qint16> seconds = FieldValue(ui->txtSS->text());
    const std::optional<qint16> minutes = FieldValue(ui->txtMM->text());
    const std::optional<qint16> hours = FieldValue(ui->txtHH->text());
    if (!seconds || !minutes || !hours)
        return;
    // Checked before a target is armed: a clock tick that comes while a
    // refusal is open must not fire it.
    if (RefusedForThePlayer() || RefusedByMediaGuard())
        return;
    ShowAcceptedPlayer();
    m_run.startTimer(FormatHMS(*hours, *minutes, *seconds));
    KeepAwakeUntil(m_run.TargetTime());
    Timer2->setInterval(kBannerTickMs);
    SetRunningState();
}

void frmMain::KeepAwakeUntil(const QString &timeOfDay)
{
    // The computer must not suspend on its own before the player is
    // commanded; the user who fell asleep cannot wake it.
    const QString reason =
        ui->cmbWhatToDo->currentIndex() == PlayStagedFile ? texts::kAwakeToPlay() : texts::kAwakeToStop();
    m_platform.KeepAwake(reason.arg(timeOfDay), this);
}

void frmMain::ShowAcceptedPlayer()
{
    // A path typed without Enter gives way to the player the run starts; a
    // refused Start leaves it as it was typed.
    ui->txtPath->setText(m_module.PlayerPath);
}

bool frmMain::RefusedByMediaGuard()
{
    if (!MediaFileMissing())
        return false;
    SetRunningState(); // shows the refusal and changes nothing else
    return true;
}

bool frmMain::RefusedForThePlayer()
{
    // Only what certainly fails is refused here; the watch of the started
    // player catches the rest at the time-out.
    const auto plan = PlayerPlan();
    QString refusal;
    if (const auto *problem = std::get_if<PlayerStartProblem>(&plan)) {
        refusal = PlanProblemText(*problem, m_module.PlayerPath, m_module.StagedFile, Wine());
    } else if (const auto *start = std::get_if<PlayerStart>(&plan); start->throughWine) {
        // Wine is asked at every Start, which goes on when it answers.
        if (!m_wineRefusal) {
            AskWineThenStart(*start);
            return true;
        }
        refusal = *m_wineRefusal;
    }
    if (refusal.isEmpty())
        return false;
    m_platform.MsgBox(refusal, MsgIcon::Critical, texts::kErrorTitle());
    return true;
}

void frmMain::AskWineThenStart(const PlayerStart &start)
{
    ShowWaitingForWine(true);
    m_player.checkWine(m_module.PlayerPath, start, [this](const QString &refusal) {
        ShowWaitingForWine(false);
        m_wineRefusal = refusal;
        cmdStart_Click(); // with the controls as they are now
        m_wineRefusal.reset();
    });
}

void frmMain::ShowWaitingForWine(bool waiting)
{
    // The window draws and answers on, and Start takes no second click. It
    // stays enabled: disabled, it would hand the keyboard focus on to Exit,
    // where a second press of Space would end the program. The player and
    // the media file Wine is asked for stay as they are: a dialog open when
    // the answer starts the run would change them under it.
    m_askingWine = waiting;
    waiting ? setCursor(Qt::BusyCursor) : unsetCursor();
    SetEnabled({ui->cmdPath, ui->txtPath}, !waiting);
    waiting ? DisableMp3FileChoice() : EnableMp3FileChoice();
}

void frmMain::cmdStop_Click()
{
    ui->chkUseCounter->setEnabled(true);
    ui->chkUseTimer->setEnabled(true);
    const bool counterMode = ui->chkUseCounter->isChecked();
    if (counterMode) {
        ui->cmdPath->setEnabled(true);
        ui->txtPath->setEnabled(true);
        Timer1->setInterval(0);
    }
    if (const std::optional<CounterFields> fields = m_run.pause(counterMode)) {
        ui->txtHHCounter->setText(FieldText(fields->hours));
        ui->txtMMCounter->setText(FieldText(fields->minutes));
    }
    m_platform.LetSleep();
    SetIdleState();
    EnableMp3FileChoice();
}

void frmMain::cmbWhatToDo_Click()
{
    if (ui->cmbWhatToDo->currentIndex() == PlayStagedFile)
        EnableMp3FileChoice();
    else
        DisableMp3FileChoice();
}

// Run state

bool frmMain::MediaFileMissing() const
{
    return ui->cmbWhatToDo->currentIndex() == PlayStagedFile && !m_module.MediaFileChosen;
}

bool frmMain::SetRunningState()
{
    if (MediaFileMissing()) {
        Timer2->setInterval(0);
        m_run.stop();
        m_platform.MsgBox(texts::kNoFileSelectedRefusal(), MsgIcon::Critical, texts::kErrorTitle());
        return false;
    }
    m_startPause->show(ui->cmdStop);
    ui->chkUseCounter->setEnabled(false);
    ui->chkUseTimer->setEnabled(false);
    ui->cmdPath->setEnabled(false);
    ui->cmdReset->setEnabled(false);
    ui->cmbWhatToDo->setEnabled(false);
    return true;
}

void frmMain::SetIdleState()
{
    Timer2->setInterval(0);
    m_run.stop();
    m_startPause->show(ui->cmdStart);
    ui->cmdPath->setEnabled(true);
    ui->cmdReset->setEnabled(true);
    ui->cmbWhatToDo->setEnabled(true);
}

void frmMain::EnableMp3FileChoice()
{
    if (ui->cmbWhatToDo->currentIndex() != PlayStagedFile)
        return;
    ui->wfrmMp3File->setEnabled(true);
    ui->txtMp3FileName->setEnabled(true);
    ui->cmdMp3File->setEnabled(true);
}

void frmMain::DisableMp3FileChoice()
{
    ui->wfrmMp3File->setEnabled(false);
    ui->txtMp3FileName->setEnabled(false);
    ui->cmdMp3File->setEnabled(false);
}

// Ticks

void frmMain::Timer1_Timer()
{
    if (Timer1->Interval() == 0)
        return;
    m_run.countdownTick(m_platform.SinceBootMs());
}

void frmMain::Timer3_Timer()
{
    const QDateTime now = m_platform.Now();
    Timer3->delayNextTick(MsToNextSecond(now.time()));
    m_run.clockTick(now, m_platform.SinceBootMs(), ui->chkUseTimer->isChecked());
}

void frmMain::Timer2_Timer()
{
    m_run.bannerTick();
}

// The time-out

void frmMain::TimeOut()
{
    Timer1->setInterval(0);
    SetIdleState();
    DoTimeOutAction();
}

void frmMain::DoTimeOutAction()
{
    switch (ui->cmbWhatToDo->currentIndex()) {
    case StopPlayer:
        CommandPlayer(texts::kStopReport(), texts::kStopReportTitle());
        break;
    case PlayStagedFile:
        // The report names the file the player was handed a copy of, even
        // when a later Cancel of the picker has emptied the window's box.
        CommandPlayer(texts::kPlayReport().arg(m_module.StagedFrom), texts::kPlayReportTitle());
        break;
    default:
        break;
    }
}

std::variant<PlayerStart, PlayerStartProblem> frmMain::PlayerPlan() const
{
    if (ui->cmbWhatToDo->currentIndex() == PlayStagedFile)
        return PlanPlayStart(m_module.PlayerPath, m_module.StagedFile, Wine());
    return PlanStopStart(m_module.PlayerPath, Wine());
}

void frmMain::CommandPlayer(const QString &report, const QString &reportTitle)
{
    const auto told = [this, report, reportTitle](const QString &failure) { PlayerTold(failure, report, reportTitle); };
    const auto plan = PlayerPlan();
    if (const auto *problem = std::get_if<PlayerStartProblem>(&plan))
        return told(PlanProblemText(*problem, m_module.PlayerPath, m_module.StagedFile, Wine()));
    m_player.start(m_module.PlayerPath, std::get<PlayerStart>(plan), told);
}

void frmMain::PlayerTold(const QString &failure, const QString &report, const QString &reportTitle)
{
    // The player has its command, or never will: the computer may sleep
    // again, even while the report stays open all night. A run the user
    // started meanwhile keeps it awake, and goes on.
    if (!m_run.running())
        m_platform.LetSleep();
    if (failure.isEmpty())
        m_platform.MsgBox(report, MsgIcon::None, reportTitle);
    else
        m_platform.MsgBox(failure, MsgIcon::Critical, texts::kErrorTitle());
    if (!m_run.running())
        SetIdleState();
}

// Player path

void frmMain::cmdPath_Click()
{
    cmd1->FileName = m_module.PlayerPath;
    cmd1->Filter = texts::kExecutableFiles() + kExecutablePatterns;
    // A Cancel, or a file whose size cannot be read: the player path stays as it was.
    if (cmd1->ShowOpen())
        TakePlayerFromDialog();
}

bool frmMain::TakePlayerFromDialog()
{
    // A pipe or a device named winamp.exe is refused like any other file.
    const std::optional<bool> passes =
        IsSpecialFile(cmd1->FileName) ? std::optional(false) : PassesPlayerFileCheck(cmd1->FileName);
    if (!passes)
        return false;
    if (*passes) {
        ui->txtPath->setText(cmd1->FileName);
        m_module.PlayerPath = cmd1->FileName;
    } else {
        m_platform.MsgBox(texts::kNotThePlayer().arg(kPlayerFileShown), MsgIcon::Critical, texts::kErrorTitle());
    }
    return true;
}

void frmMain::txtPath_KeyPress(int KeyAscii)
{
    if (KeyAscii != kEnterKey)
        return;
    if (FileExists(ui->txtPath->text()) == 1)
        m_module.PlayerPath = ui->txtPath->text();
    else
        ui->txtPath->setText(m_module.PlayerPath);
}

// Media file

void frmMain::cmdMp3File_Click()
{
    cmd1->FileName = m_module.StagedFile;
    cmd1->CancelError = true;
    cmd1->Filter = texts::kMediaFiles() + kMediaPatterns;
    if (!cmd1->ShowOpen()) {
        if (cmd1->CancelError) {
            ui->txtMp3FileName->setText(texts::kNoFileSelected());
            m_module.MediaFileChosen = false;
        }
        return;
    }

    // The choice is taken over only once its copy is in place.
    const QString chosen = cmd1->FileName;
    const StagedChoice staged = StageChosenFile(chosen, StagingFolder());
    if (!staged.refusal.isEmpty())
        m_platform.MsgBox(staged.refusal, MsgIcon::Critical, texts::kErrorTitle());
    if (staged.copy.isEmpty())
        return;
    ui->txtMp3FileName->setText(chosen);
    m_module.StagedFile = staged.copy;
    m_module.StagedFrom = chosen;
    m_module.MediaFileChosen = true;
}

} // namespace dozewell

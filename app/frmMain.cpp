#include "app/frmMain.h"

#include "app/CommonDialog.h"
#include "app/IntervalTimer.h"
#include "app/Texts.h"
#include "app/WindowPlacement.h"
#include "app/frmAbout.h"
#include "platform/Platform.h"
#include "ui_frmMain.h"

#include <QCloseEvent>

namespace dozewell {

namespace {
constexpr int kClockInterval = 1000;
const QString kBannerFont = QStringLiteral("MS Sans Serif");
constexpr qreal kBannerPointSize = 13.5;
const QColor kVersionColour(128, 0, 0);
const QColor kYearColour(0, 128, 0);

void SetTextColour(QWidget *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}
} // namespace

frmMain::frmMain(Platform &platform, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::frmMain>()), m_platform(platform)
{
    ui->setupUi(this);
    StyleBanner();

    ui->cmbWhatToDo->setCurrentIndex(-1);
    ui->cmbWhatToDo->setEditText(texts::kSelectAnOption);
    for (QWidget *shape : {ui->shpFrameLogo1, ui->shpFrameLogo2})
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);

    Timer3 = new IntervalTimer(QStringLiteral("Timer3"), ui->wfrmMain);
    cmd1 = new CommonDialog(platform, ui->wfrmMain);
    cmd1->setObjectName(QStringLiteral("cmd1"));
    cmd1->DialogTitle = texts::kDialogTitle;
    Timer2 = new IntervalTimer(QStringLiteral("Timer2"), ui->wfrmMain);
    Timer1 = new IntervalTimer(QStringLiteral("Timer1"), ui->wfrmMain);

    ConnectHandlers();
    Timer3->setInterval(kClockInterval);
    FocusFirstControl();
}

frmMain::~frmMain()
{
    delete m_about;
}

void frmMain::StyleBanner()
{
    QFont font(kBannerFont);
    font.setPointSizeF(kBannerPointSize);
    font.setWeight(QFont::Normal);
    for (QWidget *label : {ui->lblName, ui->lbl666, ui->lblYear})
        label->setFont(font);
    ui->lbl666->setText(texts::kBannerVersion);
    SetTextColour(ui->lbl666, kVersionColour);
    SetTextColour(ui->lblYear, kYearColour);
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
    connect(Timer3, &IntervalTimer::Timer, this, &frmMain::Timer3_Timer);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    event->accept();
    cmdClose_Click();
}

void frmMain::FocusFirstControl()
{
    QWidget *control = ui->cmdLessMM;
    do {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled() && !control->isHidden()) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
        control = control->nextInFocusChain();
    } while (control != ui->cmdLessMM && control != this);
}

frmAbout *frmMain::aboutWindow() const
{
    return m_about;
}

void frmMain::cmdHide_Click()
{
    showMinimized();
}

void frmMain::cmdClose_Click()
{
    cmdStop_Click();
    if (m_about)
        m_about->close();
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
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

} // namespace dozewell

// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it opens: its controls, their places and initial state,
// the focus order, stepping, Reset, Hide and Exit.
#include "app/frmMain.h"
#include "app/CaptionFit.h"
#include "app/Colours.h"
#include "app/CommonDialog.h"
#include "app/Translations.h"
#include "app/frmAbout.h"
#include "support/Harness.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopeGuard>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOption>
#include <QTextEdit>
#include <optional>

using namespace dozewell;
using namespace dozewell::testing;

namespace {
QRect FromTwips(int left, int top, int width, int height)
{
    auto px = [](int twips) { return qRound(twips / 15.0); };
    return {px(left), px(top), px(width), px(height)};
}

// The colours of a control's text and of what its style fills behind it, as when enabled.
std::optional<std::pair<QColor, QColor>> TextOnBackground(const QWidget *control)
{
    const auto colour = [&](QPalette::ColorRole role) { return control->palette().color(QPalette::Active, role); };
    if (const auto *box = qobject_cast<const QGroupBox *>(control); box && !box->title().isEmpty()) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.palette.setCurrentColorGroup(QPalette::Active);
        return std::pair{QColor::fromRgba(box->style()->styleHint(QStyle::SH_GroupBox_TextLabelColor, &option, box)),
                         colour(QPalette::Window)};
    }
    const auto *label = qobject_cast<const QLabel *>(control);
    if ((label && !label->text().isEmpty()) || qobject_cast<const QCheckBox *>(control))
        return std::pair{colour(QPalette::WindowText), colour(QPalette::Window)};
    if (qobject_cast<const QPushButton *>(control))
        return std::pair{colour(QPalette::ButtonText), colour(QPalette::Button)};
    if (qobject_cast<const QLineEdit *>(control) || qobject_cast<const QTextEdit *>(control))
        return std::pair{colour(QPalette::Text), colour(QPalette::Base)};
    return std::nullopt;
}

// The stacking order among siblings: a higher index lies on top.
int StackIndex(QWidget *control)
{
    return control->parentWidget()->children().indexOf(control);
}
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Harness> h;

private slots:
    void init() { h = std::make_unique<Harness>(); }
    void cleanup() { h.reset(); }

    void inventory_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("toolTip");
        auto row = [](const char *name, const char *type, const char *container, std::array<int, 4> twips,
                      const char *caption, bool enabled, const char *toolTip) {
            QTest::newRow(name) << name << type << container << FromTwips(twips[0], twips[1], twips[2], twips[3])
                                << caption << enabled << toolTip;
        };
        row("chkUseTimer", "QCheckBox", "frmMain", {2160, 3000, 1455, 255}, "Use Timer", true, "Choose to use Timer Mode");
        row("chkUseCounter", "QCheckBox", "frmMain", {2160, 960, 1380, 255}, "Use Counter", true, "Choose to use Counter Mode");
        row("wfrmMain", "QFrame", "frmMain", {120, 0, 4935, 6495}, "", true, "");
        row("cmdAbout", "QPushButton", "wfrmMain", {2520, 5880, 1095, 495}, "About", true, "");
        row("wfrmCounter", "QGroupBox", "wfrmMain", {120, 120, 3615, 1455}, "Counter", false, "");
        row("cmdReset", "QPushButton", "wfrmCounter", {1080, 240, 220, 1040}, "Reset", false, "Click to return to all vlues to '0'");
        row("cmdLessMMCounter", "QPushButton", "wfrmCounter", {600, 1080, 375, 195}, "-", false, "Less Minutes");
        row("cmdLessHHCounter", "QPushButton", "wfrmCounter", {120, 1080, 375, 195}, "-", false, "Less Hours");
        row("cmdMoreMMCounter", "QPushButton", "wfrmCounter", {600, 880, 375, 195}, "+", false, "More Minutes");
        row("cmdMoreHHCounter", "QPushButton", "wfrmCounter", {120, 880, 375, 195}, "+", false, "More Hours");
        row("txtMMCounter", "QLineEdit", "wfrmCounter", {600, 480, 375, 375}, "0", false, "");
        row("txtHHCounter", "QLineEdit", "wfrmCounter", {120, 480, 375, 375}, "0", false, "");
        row("wfrmTimeCounter", "QGroupBox", "wfrmCounter", {1560, 120, 1935, 495}, "Time", false, "");
        row("lblTimer", "QLabel", "wfrmTimeCounter", {120, 195, 1695, 255}, "0:00", false, "Remaining time til' Winamp's shutdown");
        row("lblMM", "QLabel", "wfrmCounter", {600, 240, 375, 255}, "MM", false, "");
        row("lblHH", "QLabel", "wfrmCounter", {120, 240, 375, 255}, "HH", false, "");
        row("Frame1", "QFrame", "wfrmMain", {120, 1560, 4695, 615}, "", true, "");
        row("lblName", "QLabel", "Frame1", {1320, 120, 1935, 375}, "Dozewell Timer", true, "");
        row("lbl666", "QLabel", "Frame1", {3360, 120, 855, 375}, "V 1.2", true, "");
        row("lblYear", "QLabel", "Frame1", {600, 120, 615, 375}, "2004", true, "");
        row("wfrmTimer", "QGroupBox", "wfrmMain", {120, 2160, 3615, 1455}, "Timer", false, "");
        row("cmdLessHH", "QPushButton", "wfrmTimer", {120, 1080, 375, 195}, "-", false, "Less Hours");
        row("cmdLessMM", "QPushButton", "wfrmTimer", {600, 1080, 375, 195}, "-", false, "Less Minutes");
        row("cmdLessSS", "QPushButton", "wfrmTimer", {1080, 1080, 375, 195}, "-", false, "Less Seconds");
        row("wfrmTimeTimer", "QGroupBox", "wfrmTimer", {1560, 120, 1935, 495}, "Time", false, "");
        row("lblTime", "QLabel", "wfrmTimeTimer", {120, 195, 1695, 255}, "lblTime", false, "Current Time");
        row("txtHH", "QLineEdit", "wfrmTimer", {120, 480, 375, 375}, "0", false, "");
        row("txtMM", "QLineEdit", "wfrmTimer", {600, 480, 375, 375}, "0", false, "");
        row("txtSS", "QLineEdit", "wfrmTimer", {1080, 480, 375, 375}, "0", false, "");
        row("cmdMoreHH", "QPushButton", "wfrmTimer", {120, 880, 375, 195}, "+", false, "More Hours");
        row("cmdMoreMM", "QPushButton", "wfrmTimer", {600, 880, 375, 195}, "+", false, "More Minutes");
        row("cmdMoreSS", "QPushButton", "wfrmTimer", {1080, 880, 375, 195}, "+", false, "More Seconds");
        row("lblSSTimer", "QLabel", "wfrmTimer", {1080, 240, 375, 255}, "SS", false, "");
        row("lblMMTimer", "QLabel", "wfrmTimer", {600, 240, 375, 255}, "MM", false, "");
        row("lblHHTimer", "QLabel", "wfrmTimer", {120, 240, 375, 255}, "HH", false, "");
        row("wfrmPath", "QGroupBox", "wfrmMain", {120, 3600, 4695, 615}, "Winamp Path", true, "");
        row("cmdPath", "QPushButton", "wfrmPath", {3840, 240, 615, 255}, "Path", true, "Choose a diffrent path for the 'winamp.exe' file");
        row("txtPath", "QLineEdit", "wfrmPath", {240, 240, 3495, 285}, "Text1", true, "Winamp current loction");
        row("wfrmOptions", "QFrame", "wfrmMain", {120, 4200, 4695, 1575}, "", true, "");
        row("wfrmMp3File", "QGroupBox", "wfrmOptions", {120, 840, 4455, 615}, "Mp3 File", false, "");
        row("txtMp3FileName", "QLineEdit", "wfrmMp3File", {120, 240, 3495, 285}, "No File Was Selected Yet", false, "");
        row("cmdMp3File", "QPushButton", "wfrmMp3File", {3720, 240, 615, 255}, "Open", false, "Select an MP3 file to be played when time is out...");
        row("wfrmDoWhenShutdown", "QGroupBox", "wfrmOptions", {120, 120, 2175, 670}, "What to do", true, "");
        row("cmbWhatToDo", "QComboBox", "wfrmDoWhenShutdown", {120, 240, 1935, 315}, "Select An Option", true, "Select what should happend when the time is out...");
        row("cmdStart", "QPushButton", "wfrmMain", {120, 5880, 1095, 495}, "Start!", true, "Start Dozewell Timer");
        row("cmdClose", "QPushButton", "wfrmMain", {3720, 5880, 1095, 495}, "Exit", true, "Exit and stop Dozewell Timer");
        row("cmdStop", "QPushButton", "wfrmMain", {120, 5880, 1095, 495}, "Pause", true, "Pause Dozewell Timer");
        row("cmdHide", "QPushButton", "wfrmMain", {1320, 5880, 1095, 495}, "Hide", true, "Hide this window");
        row("shpFrameLogo1", "QFrame", "wfrmMain", {3960, 480, 735, 735}, "", true, "");
        row("lblSoft", "QLabel", "wfrmMain", {3960, 1200, 735, 255}, "Soft", true, "");
        row("shpFrameLogo2", "QFrame", "wfrmMain", {3960, 2520, 735, 735}, "", true, "");
        row("imgLogo2", "QLabel", "wfrmMain", {3960, 2520, 735, 735}, "", true, "Click to see the About Window");
        row("lblTimerTitle", "QLabel", "wfrmMain", {3960, 3240, 735, 255}, "Timer", true, "");
        row("lblProgName", "QLabel", "wfrmMain", {3960, 2280, 735, 255}, "Dozewell", true, "");
        row("imgLogo1", "QLabel", "wfrmMain", {3970, 490, 690, 690}, "", true, "");
        row("lblNameos", "QLabel", "wfrmMain", {3960, 240, 735, 255}, "Vesk", true, "");
    }
    void inventory()
    {
        QFETCH(QString, name);
        QFETCH(QString, type);
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        QFETCH(QString, toolTip);
        auto *control = h->w(qPrintable(name));
        QVERIFY(control->inherits(qPrintable(type)));
        QCOMPARE(control->parentWidget()->objectName(), container);
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(Harness::caption(control), caption);
        QCOMPARE(control->isEnabledTo(control->parentWidget()), enabled);
        QCOMPARE(control->toolTip(), toolTip);
        QCOMPARE(control->isHidden(), name == QLatin1String("cmdStop"));
    }

    void windowAndNonVisualControls()
    {
        QCOMPARE(h->form->windowTitle(), QStringLiteral("Dozewell Timer"));
        QCOMPARE(h->form->size(), QSize(345, 441));
        QCOMPARE(h->form->minimumSize(), h->form->maximumSize());
        QCOMPARE(h->form->windowIcon().availableSizes().size(), 6); // each the icon theme gets, 16 to 128 pixels
        int named = 0;
        for (QWidget *control : h->form->findChildren<QWidget *>())
            named += !control->objectName().isEmpty() && !control->objectName().startsWith(QLatin1String("qt_"));
        QCOMPARE(named, 56);
        QCOMPARE(h->timer("Timer3")->Interval(), 1000);
        QCOMPARE(h->timer("Timer1")->Interval(), 0);
        QCOMPARE(h->timer("Timer2")->Interval(), 0);
        for (const char *name : {"Timer1", "Timer2", "Timer3", "cmd1"})
            QCOMPARE(h->form->findChild<QObject *>(QLatin1String(name))->parent()->objectName(), "wfrmMain");
        auto *dialog = h->form->findChild<CommonDialog *>(QStringLiteral("cmd1"));
        QCOMPARE(dialog->DialogTitle, QStringLiteral("Winamp Path"));
        QVERIFY(!dialog->CancelError);
        // The logos have pixels enough to stay sharp on a screen scaled up to three times.
        for (const char *name : {"imgLogo1", "imgLogo2"})
            QVERIFY(h->w<QLabel>(name)->pixmap().width() >= 3 * h->w(name)->width());
    }

    void controlsOfEachKind()
    {
        for (auto *button : h->form->findChildren<QPushButton *>()) {
            QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->objectName()));
        }
        for (const char *name : {"txtHHCounter", "txtMMCounter", "txtHH", "txtMM", "txtSS"}) {
            auto *field = h->w<QLineEdit>(name);
            QVERIFY(field->isReadOnly());
            QCOMPARE(field->alignment(), Qt::AlignCenter);
        }
        QVERIFY(h->w<QLineEdit>("txtMp3FileName")->isReadOnly());
        QVERIFY(!h->w<QLineEdit>("txtPath")->isReadOnly());
        for (auto *label : h->form->findChildren<QLabel *>()) {
            if (!label->objectName().startsWith(QLatin1String("img")))
                QCOMPARE(label->alignment(), Qt::AlignCenter);
        }
        auto *combo = h->w<QComboBox>("cmbWhatToDo");
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("Shutdown Winamp"));
        QCOMPARE(combo->itemText(1), QStringLiteral("Play Mp3 File"));
        for (const char *name : {"shpFrameLogo1", "shpFrameLogo2"}) {
            auto *shape = h->w<QFrame>(name);
            QCOMPARE(shape->frameShape(), QFrame::Box);
            QCOMPARE(shape->lineWidth(), 2);
            QVERIFY(shape->testAttribute(Qt::WA_TransparentForMouseEvents));
        }
    }

    void bannerLabelsHaveTheirOwnFontAndColours()
    {
        for (const char *name : {"lblName", "lbl666", "lblYear"}) {
            const QFont font = h->w(name)->font();
            QCOMPARE(font, h->w("lblName")->font());
            QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
            QCOMPARE(font.weight(), QFont::Normal);
        }
        QCOMPARE(h->w("lbl666")->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QCOMPARE(h->w("lblYear")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QCOMPARE(h->w("lblSoft")->font(), h->form->font());
    }

    void captionsFitTheDesktopsFont_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("points");
        QTest::addColumn<QStringList>("cutInItsOwnSize"); // some of the controls cut at the desktop's size
        QTest::addColumn<QString>("language");
        QTest::newRow("GNOME") << "Cantarell" << 11 << QStringList{"chkUseCounter", "cmbWhatToDo", "lblProgName", "wfrmPath"}
                               << QString();
        QTest::newRow("Qt's own") << "DejaVu Sans" << 9 << QStringList{"chkUseCounter", "lblProgName", "lblName", "lblYear"}
                                  << QString();
        QTest::newRow("Xfce") << "DejaVu Sans" << 10 << QStringList{"chkUseCounter", "lblProgName"} << QString();
        QTest::newRow("large") << "DejaVu Sans" << 13 << QStringList{"chkUseCounter", "wfrmMp3File", "Text1"} << QString();
        // Each translation, still readable at GNOME's and Xfce's fonts.
        for (const char *language : {"de", "fr", "es", "it", "pt_BR", "pl", "ru"}) {
            QTest::addRow("GNOME %s", language) << "Cantarell" << 11 << QStringList() << language;
            QTest::addRow("Xfce %s", language) << "DejaVu Sans" << 10 << QStringList() << language;
        }
    }
    void captionsFitTheDesktopsFont()
    {
        QFETCH(QString, family);
        QFETCH(int, points);
        QFETCH(QStringList, cutInItsOwnSize);
        QFETCH(QString, language);
        std::optional<Translations> translations;
        if (!language.isEmpty())
            translations.emplace(QLocale(language));
        const QFont desktop(family, points);
        QCOMPARE(QFontInfo(desktop).family(), family); // installed by tools/install-deps --test
        const auto restore = qScopeGuard([before = QApplication::font()] { QApplication::setFont(before); });
        const auto noStandIn = qScopeGuard([] { QFont::removeSubstitutions(QStringLiteral("MS Sans Serif")); });
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), family); // the banner's font stands in too
        Harness fresh;
        frmAbout about;
        QCOMPARE(fresh.w("cmdClose")->property("text").toString() == QStringLiteral("Exit"), language.isEmpty());
        QApplication::setFont(desktop); // the windows follow the desktop's font
        auto *text = about.findChild<QWidget *>(QStringLiteral("Text1"));
        const QList<std::pair<QWidget *, QList<const QWidget *>>> fitted{
            {fresh.form.get(), {fresh.w("cmdReset"), fresh.w("txtPath")}}, {&about, {text}}, {text, {}}};
        QStringList cut;
        for (const auto &[window, exempt] : fitted) {
            cut += CutCaptions(window, desktop, exempt);
            const QFont font = window->font();
            QCOMPARE(font.family(), family);
            QCOMPARE(CutCaptions(window, font, exempt), QStringList());
            QFont readable = font; // the smallest readable size, and what a translation cuts there
            readable.setPixelSize(9);
            QVERIFY2(font.pixelSize() >= 9, qPrintable(CutCaptions(window, readable, exempt).join(u' ')));
            // As large as the layout holds, and no larger than the desktop's.
            QFont larger = font;
            larger.setPixelSize(font.pixelSize() + 1);
            QVERIFY(font.pixelSize() == QFontInfo(desktop).pixelSize() || !CutCaptions(window, larger, exempt).isEmpty());
        }
        // A screen reader hears, in the row's language, what each control that takes the focus and each
        // picture is; a logo is a button it can press.
        const QRegularExpression word(QStringLiteral("\\w\\w"), QRegularExpression::UseUnicodePropertiesOption);
        for (QWidget *window : QWidgetList{fresh.form.get(), &about}) {
            for (QWidget *control : window->findChildren<QWidget *>()) {
                const auto *label = qobject_cast<QLabel *>(control);
                if (control->window() == window // not the action box's list, a window of its own
                    && (control->focusPolicy() & Qt::TabFocus || (label && !label->pixmap().isNull())))
                    QVERIFY2(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).contains(word),
                             qPrintable(control->objectName()));
            }
        }
        QAccessibleInterface *logo = QAccessible::queryAccessibleInterface(fresh.w("imgLogo1"));
        logo->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(fresh.form->aboutWindow());
        // The banner's labels: whole, at 13.5 points where that fits, else as large as they all fit.
        QFont banner(QStringLiteral("MS Sans Serif")), larger = fresh.w("lblName")->font();
        banner.setPointSizeF(13.5);
        larger.setPixelSize(QFontInfo(larger).pixelSize() + 1);
        QStringList cutLarger;
        for (const char *name : {"lblName", "lbl666", "lblYear"}) {
            QCOMPARE(CutCaptions(fresh.w(name), fresh.w(name)->font()), QStringList());
            cut += CutCaptions(fresh.w(name), banner);
            cutLarger += CutCaptions(fresh.w(name), larger);
        }
        QVERIFY(fresh.w("lblName")->font().pointSizeF() == 13.5 || !cutLarger.isEmpty());
        for (const QString &name : cutInItsOwnSize)
            QVERIFY2(cut.contains(name), qPrintable(name + QStringLiteral(" fits unfitted: the check misses a cut")));
        QCOMPARE(QMessageBox(QMessageBox::NoIcon, {}, {}, QMessageBox::Ok, fresh.form.get()).font(), desktop);
    }

    void textsAreReadable_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::newRow("light") << int(ColourScheme::PreferLight);
        QTest::newRow("dark") << int(ColourScheme::PreferDark);
        QTest::newRow("the theme's") << int(ColourScheme::NoPreference); // Adwaita's dark, by GTK, under Xvfb
    }
    void textsAreReadable()
    {
        QFETCH(int, scheme);
        QCOMPARE(qRound(ContrastRatio(QColor(0, 128, 0), QColor(239, 239, 239)) * 100), 447);
        QCOMPARE(qRound(ContrastRatio(QColor(50, 50, 50), QColor(128, 0, 0)) * 10), 12); // WCAG 2's figures
        const auto restore = qScopeGuard([] { FollowColourScheme(ColourScheme::NoPreference); });
        h->startUp();
        h->click("cmdAbout");
        FollowColourScheme(ColourScheme(scheme));
        QCoreApplication::sendPostedEvents();
        const bool dark = IsDark(h->form->palette().color(QPalette::Window));
        QCOMPARE(dark, scheme == int(ColourScheme::PreferDark)
                           || (scheme == int(ColourScheme::NoPreference) && qEnvironmentVariableIsSet("DOZEWELL_DARK_THEME")));
        QCOMPARE(IsDark(h->form->aboutWindow()->palette().color(QPalette::Window)), dark);
        QCOMPARE(IsDark(QMessageBox().palette().color(QPalette::Window)), dark);
        for (const QWidget *window : QWidgetList{h->form.get(), h->form->aboutWindow()}) {
            for (const QWidget *control : window->findChildren<QWidget *>()) {
                const auto colours = TextOnBackground(control);
                const QString name = control->objectName();
                if (!colours)
                    continue;
                if (!dark && (name == "lbl666" || name == "lblYear")) // their own colours
                    QCOMPARE(colours->first, name == "lbl666" ? QColor(128, 0, 0) : QColor(0, 128, 0));
                else
                    QVERIFY2(ContrastRatio(colours->first, colours->second) >= kReadableContrast, qPrintable(name));
            }
        }
    }

    void stackingOrder()
    {
        QVERIFY(StackIndex(h->w("chkUseCounter")) > StackIndex(h->w("wfrmMain")));
        QVERIFY(StackIndex(h->w("chkUseTimer")) > StackIndex(h->w("wfrmMain")));
        QVERIFY(StackIndex(h->w("shpFrameLogo2")) > StackIndex(h->w("imgLogo2")));
        QVERIFY(StackIndex(h->w("lblName")) > StackIndex(h->w("lbl666")));
        QVERIFY(StackIndex(h->w("lbl666")) > StackIndex(h->w("lblYear")));
        // Each box lies within its group's frame, in the frame's lower right part.
        const QRect counter(h->w("wfrmCounter")->mapTo(h->form.get(), QPoint()), h->w("wfrmCounter")->size());
        QVERIFY(counter.contains(h->w("chkUseCounter")->geometry()));
        const QRect timer(h->w("wfrmTimer")->mapTo(h->form.get(), QPoint()), h->w("wfrmTimer")->size());
        QVERIFY(timer.contains(h->w("chkUseTimer")->geometry()));
    }

    void focusOrderAndFirstFocus()
    {
        const QStringList order = QStringLiteral(
            "cmdLessMM cmdLessSS cmdLessHH cmdMoreSS cmdMoreMM cmdMoreHH txtSS txtMM txtHH cmdHide cmdStart cmdStop "
            "cmdClose chkUseCounter chkUseTimer txtPath txtHHCounter txtMMCounter cmdMoreHHCounter cmdMoreMMCounter "
            "cmdLessHHCounter cmdLessMMCounter cmdReset cmbWhatToDo cmdMp3File txtMp3FileName cmdPath cmdAbout")
                                      .split(' ');
        QStringList chain;
        QWidget *control = h->w(qPrintable(order.first()));
        do {
            if ((control->focusPolicy() & Qt::TabFocus) && !control->focusProxy()
                && !qobject_cast<QComboBox *>(control->parentWidget())) // the combo box's own edit field
                chain << control->objectName();
            control = control->nextInFocusChain();
        } while (control->objectName() != order.first());
        QCOMPARE(chain, order);

        h->form->show();
        QCOMPARE(h->form->focusWidget(), h->w("cmdHide"));
    }

    void stepping_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("expected");
        QTest::newRow("counter hours up") << "chkUseCounter" << "cmdMoreHHCounter" << "txtHHCounter" << 9 << "9";
        QTest::newRow("counter hours wrap down") << "chkUseCounter" << "cmdLessHHCounter" << "txtHHCounter" << 1 << "23";
        QTest::newRow("counter hours full day") << "chkUseCounter" << "cmdMoreHHCounter" << "txtHHCounter" << 24 << "0";
        QTest::newRow("counter minutes up") << "chkUseCounter" << "cmdMoreMMCounter" << "txtMMCounter" << 10 << "10";
        QTest::newRow("counter minutes wrap") << "chkUseCounter" << "cmdLessMMCounter" << "txtMMCounter" << 1 << "59";
        QTest::newRow("timer hours") << "chkUseTimer" << "cmdMoreHH" << "txtHH" << 3 << "0";
        QTest::newRow("timer hours down") << "chkUseTimer" << "cmdLessHH" << "txtHH" << 22 << "23";
        QTest::newRow("timer minutes") << "chkUseTimer" << "cmdMoreMM" << "txtMM" << 53 << "0";
        QTest::newRow("timer minutes down") << "chkUseTimer" << "cmdLessMM" << "txtMM" << 8 << "59";
        QTest::newRow("timer seconds") << "chkUseTimer" << "cmdMoreSS" << "txtSS" << 57 << "0";
        QTest::newRow("timer seconds down") << "chkUseTimer" << "cmdLessSS" << "txtSS" << 4 << "59";
    }
    void stepping()
    {
        QFETCH(QString, mode);
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(int, presses);
        QFETCH(QString, expected);
        h->platform.now = QDateTime(QDate(2026, 12, 8), QTime(21, 7, 3)); // Timer Mode loads 21, 7, 3
        h->form->show();
        h->click(qPrintable(mode));
        for (int i = 0; i < presses; ++i)
            h->click(qPrintable(button));
        QCOMPARE(h->text(qPrintable(field)), expected);
        QCOMPARE(h->text("lblTimer"), QStringLiteral("0:00"));
    }

    void steppingIsImpossibleWithoutAMode()
    {
        h->form->show();
        h->click("cmdMoreHHCounter");
        h->click("cmdMoreSS");
        QCOMPARE(h->text("txtHHCounter"), QStringLiteral("0"));
        QCOMPARE(h->text("txtSS"), QStringLiteral("0"));
    }

    void typingIntoATimeFieldChangesNothing()
    {
        h->form->show();
        h->click("chkUseCounter");
        QTest::keyClicks(h->w("txtHHCounter"), QStringLiteral("12"));
        QTest::keyClick(h->w("txtHHCounter"), Qt::Key_Backspace);
        QCOMPARE(h->text("txtHHCounter"), QStringLiteral("0"));
    }

    void resetClearsTheCounterOnly()
    {
        h->form->show();
        h->click("chkUseTimer");
        h->click("cmdMoreSS");
        const QString seconds = h->text("txtSS");
        h->counterRun(2, 5);
        h->click("cmdStart");
        h->second(3);
        h->click("cmdStop");
        h->click("cmdReset");
        QCOMPARE(h->text("txtHHCounter"), QStringLiteral("0"));
        QCOMPARE(h->text("txtMMCounter"), QStringLiteral("0"));
        QCOMPARE(h->text("lblTimer"), QStringLiteral("0:00"));
        QCOMPARE(h->form->sleepTimer().MinutesLeft(), 0);
        QCOMPARE(h->text("txtSS"), seconds);
    }

    void hideMinimizesAndChangesNothingElse()
    {
        h->startUp();
        h->counterRun(0, 1);
        h->click("cmdStart");
        h->click("cmdHide");
        QVERIFY(h->form->isMinimized());
        h->second(60);
        QCOMPARE(h->platform.ofKind(FakePlatform::Call::StartProcess).size(), 1);
    }

    void exitRunsPauseThenEndsTheProgram()
    {
        h->startUp();
        h->counterRun(1, 30);
        h->click("cmdStart");
        h->second(48); // 89:11
        h->click("cmdClose");
        QCOMPARE(h->text("txtHHCounter"), QStringLiteral("1"));
        QCOMPARE(h->text("txtMMCounter"), QStringLiteral("30"));
        QCOMPARE(h->platform.calls.last().kind, FakePlatform::Call::EndProgram);
        QVERIFY(h->platform.ofKind(FakePlatform::Call::StartProcess).isEmpty());
        QVERIFY(!h->platform.keptAwake);
        // Nothing runs after the end: no tick, no window.
        for (const char *timer : {"Timer1", "Timer2", "Timer3"})
            QVERIFY2(!h->timer(timer)->wakes(), timer);
        QVERIFY(!h->form->isVisible());
    }

    void exitWhileIdle()
    {
        h->startUp();
        h->click("cmdClose");
        QVERIFY(h->platform.ended);
        QCOMPARE(h->text("txtHHCounter"), QStringLiteral("0"));
        QVERIFY(h->platform.messages().isEmpty());
    }

    void startAndPauseShareOnePlace()
    {
        h->startUp();
        h->counterRun(0, 5);
        const QRect start = h->w("cmdStart")->geometry();
        const QRect hide = h->w("cmdHide")->geometry();
        h->click("cmdStart");
        QVERIFY(h->w("cmdStop")->isVisible());
        QVERIFY(!h->w("cmdStart")->isVisible());
        QCOMPARE(h->w("cmdStop")->geometry(), start);
        QCOMPARE(h->w("cmdHide")->geometry(), hide);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"

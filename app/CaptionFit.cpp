// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CaptionFit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

namespace dozewell {

namespace {
// Below this a caption is no longer readable; a window that does not fit
// even so is drawn at it.
constexpr int kSmallestPixelSize = 8;
// What a line edit keeps free beside its text, as Qt's QLineEdit does.
constexpr int kLineEditMargin = 2;

// A style option of the control as drawn in `metrics`' font.
template <class Option> Option OptionFor(const QWidget *control, const QFontMetrics &metrics)
{
    Option option;
    option.initFrom(control);
    option.fontMetrics = metrics;
    return option;
}

bool Fits(const QFontMetrics &metrics, const QString &text, const QRect &room)
{
    return metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
}

// The style's room for a button's or check box's text.
QRect ButtonContents(const QAbstractButton *button, const QFontMetrics &metrics, QStyle::SubElement element)
{
    auto option = OptionFor<QStyleOptionButton>(button, metrics);
    option.text = button->text();
    return button->style()->subElementRect(element, &option, button);
}

// Where a control in a frame draws: a label its text, anything else its box.
QRect Drawn(const QWidget *control, const QFontMetrics &metrics)
{
    const auto *label = qobject_cast<const QLabel *>(control);
    if (!label || label->text().isEmpty())
        return control->geometry();
    const QRect text = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                           metrics.size(Qt::TextSingleLine, label->text()), label->contentsRect());
    return text.translated(label->pos());
}

bool GroupBoxFits(const QGroupBox *box, const QFontMetrics &metrics)
{
    auto option = OptionFor<QStyleOptionGroupBox>(box, metrics);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    if (!box->rect().contains(label))
        return false;
    const QList<QWidget *> inside = box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    return std::none_of(inside.cbegin(), inside.cend(),
                        [&](const QWidget *child) { return Drawn(child, metrics).intersects(label); });
}

bool ComboBoxFits(const QComboBox *combo, const QFontMetrics &metrics)
{
    auto option = OptionFor<QStyleOptionComboBox>(combo, metrics);
    option.editable = combo->isEditable();
    option.currentText = combo->currentText();
    QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    room.adjust(kLineEditMargin, 0, -kLineEditMargin, 0);
    QStringList texts{combo->currentText()};
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return std::all_of(texts.cbegin(), texts.cend(), [&](const QString &text) { return Fits(metrics, text, room); });
}

bool LineEditFits(const QLineEdit *edit, const QFontMetrics &metrics)
{
    auto option = OptionFor<QStyleOptionFrame>(edit, metrics);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    QRect room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit) - edit->textMargins();
    room.adjust(kLineEditMargin, 0, -kLineEditMargin, 0);
    return Fits(metrics, edit->text(), room);
}

bool TextEditFits(const QTextEdit *edit, const QFont &font)
{
    QTextDocument document;
    document.setDefaultFont(font);
    document.setDefaultTextOption(edit->document()->defaultTextOption());
    document.setDocumentMargin(edit->document()->documentMargin());
    document.setPlainText(edit->toPlainText());
    // Without scroll bars the text has the room inside the frame.
    document.setTextWidth(edit->contentsRect().width());
    return document.size().height() <= edit->contentsRect().height();
}

// The toolkit tells the application, not windows with a font of their own,
// that the desktop's font changed.
class FontWatch : public QObject {
public:
    FontWatch(QWidget *window, std::function<void()> fit) : QObject(window), m_fit(std::move(fit))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::ApplicationFontChange)
            m_fit();
        return false;
    }

private:
    std::function<void()> m_fit;
};

// `font` at the largest pixel size, up to its own, at which `fits`; the
// smallest legible size when none does.
QFont LargestFitting(QFont font, const std::function<bool(const QFont &)> &fits)
{
    int pixels = QFontInfo(font).pixelSize();
    for (; pixels > kSmallestPixelSize; --pixels) {
        font.setPixelSize(pixels);
        if (fits(font))
            break;
    }
    font.setPixelSize(pixels);
    return font;
}

bool CaptionFits(const QWidget *control, const QFont &font)
{
    const QFontMetrics metrics(font);
    if (const auto *check = qobject_cast<const QCheckBox *>(control))
        return Fits(metrics, check->text(), ButtonContents(check, metrics, QStyle::SE_CheckBoxContents));
    if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        // Narrow buttons hold one sign: its ink must fit, not a whole line.
        const QRect room = ButtonContents(button, metrics, QStyle::SE_PushButtonContents);
        return metrics.horizontalAdvance(button->text()) <= room.width()
               && metrics.tightBoundingRect(button->text()).height() <= room.height();
    }
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text().isEmpty() || Fits(metrics, label->text(), label->contentsRect());
    if (const auto *box = qobject_cast<const QGroupBox *>(control))
        return box->title().isEmpty() || GroupBoxFits(box, metrics);
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return ComboBoxFits(combo, metrics);
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        return qobject_cast<const QComboBox *>(edit->parent()) || LineEditFits(edit, metrics); // a box's editor: with its box
    if (const auto *text = qobject_cast<const QTextEdit *>(control))
        return TextEditFits(text, font);
    return true;
}
} // namespace

QStringList CutCaptions(const QWidget *window, const QFont &font, const QList<const QWidget *> &exempt)
{
    QStringList cut;
    if (!CaptionFits(window, font))
        cut << window->objectName();
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (exempt.contains(control) || control->testAttribute(Qt::WA_SetFont))
            continue;
        if (!CaptionFits(control, font))
            cut << control->objectName();
    }
    return cut;
}

QFont FittingFont(const QWidget *window, const QFont &desktop, const QList<const QWidget *> &exempt)
{
    return LargestFitting(desktop, [&](const QFont &font) { return CutCaptions(window, font, exempt).isEmpty(); });
}

QFont WholeTextFont(const QList<const QWidget *> &controls, const QFont &font)
{
    const auto fits = [&](const QFont &tried) {
        return std::all_of(controls.cbegin(), controls.cend(),
                           [&](const QWidget *control) { return CaptionFits(control, tried); });
    };
    if (fits(font))
        return font;
    // Widths grow with the size: the first size tried is the one at which
    // the widest text for its room just fits, so that few sizes are loaded.
    const QFontMetricsF metrics(font);
    double scale = 1;
    for (const QWidget *control : controls) {
        if (const auto *label = qobject_cast<const QLabel *>(control); label && !label->text().isEmpty())
            scale = std::min(scale, label->contentsRect().width() / metrics.horizontalAdvance(label->text()));
    }
    QFont first = font;
    first.setPixelSize(std::max(kSmallestPixelSize, int(QFontInfo(font).pixelSize() * scale)));
    return LargestFitting(first, fits);
}

void FitCaptions(QWidget *window, const QList<const QWidget *> &exempt)
{
    window->setFont(FittingFont(window, QApplication::font(), exempt));
}

void KeepFitting(QWidget *window, std::function<void()> fit)
{
    fit();
    new FontWatch(window, std::move(fit));
}

} // namespace dozewell

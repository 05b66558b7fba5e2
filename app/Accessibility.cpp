// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Accessibility.h"

#include "app/ClickableImage.h"
#include "app/Texts.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace dozewell {

namespace {

// A picture that does what it does when clicked, pressed from the screen reader.
class AccessibleClickableImage : public QAccessibleWidget {
public:
    explicit AccessibleClickableImage(ClickableImage *image) : QAccessibleWidget(image, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<ClickableImage *>(widget())->click();
    }
};

// A combo box as Qt's own: the list and the editable text are its children,
// the text has the focus, a press opens the list, and its value is its
// current text. But where the program gave it a name, it is called by it, as
// GTK's are; Qt on Linux calls every combo box by its current text.
class AccessibleComboBox : public QAccessibleWidget {
public:
    explicit AccessibleComboBox(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text text) const override
    {
        const bool value = text == QAccessible::Value || (text == QAccessible::Name && box()->accessibleName().isEmpty());
        return value && !box()->currentText().isEmpty() ? box()->currentText() : QAccessibleWidget::text(text);
    }
    int childCount() const override { return box()->isEditable() ? 2 : 1; }
    QAccessibleInterface *child(int index) const override
    {
        QWidget *part = index == 0 ? static_cast<QWidget *>(box()->view()) : index == 1 ? box()->lineEdit() : nullptr;
        return part ? QAccessible::queryAccessibleInterface(part) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child->object() == box()->view())
            return 0;
        return child->object() && child->object() == box()->lineEdit() ? 1 : -1;
    }
    QAccessibleInterface *focusChild() const override { return box()->isEditable() ? child(1) : nullptr; }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        state.editable = box()->isEditable();
        return state;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (!actionNames().contains(action))
            return;
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *Interface(const QString &className, QObject *object)
{
    const auto is = [&className](const QMetaObject &type) { return className == QLatin1String(type.className()); };
    if (is(frmMain::staticMetaObject))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (is(frmAbout::staticMetaObject))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Dialog);
    if (is(ClickableImage::staticMetaObject))
        return new AccessibleClickableImage(static_cast<ClickableImage *>(object));
    if (is(QComboBox::staticMetaObject))
        return new AccessibleComboBox(static_cast<QComboBox *>(object));
    return nullptr;
}

} // namespace

void InstallAccessibleInterfaces()
{
    // Asked before Qt's own, which were installed with the application.
    QAccessible::installFactory(Interface);
}

void NameByValue(QLineEdit *field, const QList<QAbstractButton *> &buttons)
{
    const auto name = [field, buttons] {
        for (QAbstractButton *button : buttons)
            button->setAccessibleName(texts::kStepButtonName().arg(button->toolTip(), field->text()));
    };
    name();
    QObject::connect(field, &QLineEdit::textChanged, field, name);
}

} // namespace dozewell

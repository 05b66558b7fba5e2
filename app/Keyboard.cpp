// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

namespace dozewell {

namespace {
bool IsEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

bool PressesButton(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress: {
        const auto *key = static_cast<const QKeyEvent *>(event);
        return !key->isAutoRepeat() && (IsEnter(key) || key->key() == Qt::Key_Space || key->key() == Qt::Key_Select);
    }
    default:
        return false;
    }
}

// Hands Return and Enter on a button to it as Space; on a combo box that
// takes no typed entries, they open its list. Shows the focus of the window.
class KeyboardUse : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Qt draws the focus only once the keyboard has moved it, and forgets
        // that it did whenever the window is shown; here it is where a
        // keyboard user begins.
        if (watched == parent()) {
            if (event->type() == QEvent::Show)
                static_cast<QWidget *>(watched)->setAttribute(Qt::WA_KeyboardFocusChange);
            return false;
        }
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (!IsEnter(key))
            return false;
        if (auto *box = qobject_cast<QComboBox *>(watched)) {
            if (event->type() == QEvent::KeyPress)
                box->showPopup();
            return true;
        }
        QKeyEvent space(key->type(), Qt::Key_Space, key->modifiers() & ~Qt::KeypadModifier, QStringLiteral(" "),
                        key->isAutoRepeat(), ushort(key->count()));
        space.setTimestamp(key->timestamp());
        QCoreApplication::sendEvent(watched, &space);
        key->setAccepted(space.isAccepted());
        return true;
    }
};
} // namespace

void ForKeyboardUse(QWidget *window)
{
    auto *keyboardUse = new KeyboardUse(window);
    window->installEventFilter(keyboardUse);
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        button->installEventFilter(keyboardUse);
    for (QComboBox *box : window->findChildren<QComboBox *>()) {
        if (box->insertPolicy() == QComboBox::NoInsert)
            box->installEventFilter(keyboardUse);
    }
}

SharedPlace::SharedPlace(QAbstractButton *first, QAbstractButton *second, QObject *parent)
    : QObject(parent), m_first(first), m_second(second)
{
    first->installEventFilter(this);
    second->installEventFilter(this);
}

void SharedPlace::show(QAbstractButton *button)
{
    QAbstractButton *other = button == m_first ? m_second : m_first;
    if (other->isHidden())
        return;
    button->setVisible(true);
    // Hidden with the focus, the other button would hand it to the next
    // control in the tab order: Exit, after Start!.
    if (other->window()->focusWidget() == other)
        button->setFocus(Qt::OtherFocusReason);
    other->setVisible(false);
    m_swapped = true;
}

bool SharedPlace::eventFilter(QObject *, QEvent *event)
{
    if (!PressesButton(event))
        return false;
    const quint64 at = static_cast<QInputEvent *>(event)->timestamp();
    if (m_swapped && m_pressedAt && at - *m_pressedAt < quint64(QApplication::doubleClickInterval()))
        return true;
    m_pressedAt = at;
    m_swapped = false;
    return false;
}

} // namespace dozewell

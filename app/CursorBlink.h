// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

namespace dozewell {

// Text cursors blink for a while after the last key press or click, then
// stay on, as GTK's do: a text box left with the focus, in a dialog left
// open all night, must not wake the program twice a second until morning.
class CursorBlink : public QObject {
public:
    explicit CursorBlink(int blinkForMs = kBlinkForMs, QObject *parent = nullptr);
    ~CursorBlink() override;

    static constexpr int kBlinkForMs = 10000;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Blink();

    int m_flashTime;
    QTimer m_stop;
};

} // namespace dozewell

// SPDX-License-Identifier: GPL-3.0-or-later
// The floor: a bare Qt Widgets window of the timer's size, with as many plain
// widgets and the same three timers, doing the same visible work the plain
// way. With --run its countdown and banner run from the start.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool run = app.arguments().contains(QStringLiteral("--run"));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(345, 441);
    QList<QLabel *> labels;
    for (int i = 0; i < 56; ++i) {
        const QPoint at(8 + (i % 7) * 47, 150 + (i / 7) * 34);
        if (i % 2) {
            auto *button = new QPushButton(QString::number(i), &window);
            button->setGeometry(QRect(at, QSize(44, 30)));
        } else {
            auto *label = new QLabel(QString::number(i), &window);
            label->setGeometry(QRect(at, QSize(44, 30)));
            labels << label;
        }
    }
    auto *clock = labels.at(0);
    auto *remaining = labels.at(1);
    QList<QLabel *> banner;
    for (const auto &[text, left] : {std::pair{"Dozewell Timer", 88}, {"V 1.2", 224}, {"2004", 40}}) {
        auto *label = new QLabel(QString::fromLatin1(text), &window);
        label->setGeometry(left, 100, 129, 25);
        banner << label;
    }

    QTimer clockTimer, countdownTimer, bannerTimer;
    QObject::connect(&clockTimer, &QTimer::timeout,
                     [&] { clock->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))); });
    int seconds = 3600;
    QObject::connect(&countdownTimer, &QTimer::timeout, [&] {
        --seconds;
        remaining->setText(QString::number(seconds / 60) + ':' + QString::number(seconds % 60));
        window.setWindowTitle(QStringLiteral("Floor ") + remaining->text());
    });
    float name = 1320, version = 3360, year = 600;
    int step = -1;
    QObject::connect(&bannerTimer, &QTimer::timeout, [&] {
        if (name >= 2760) step = -1;
        if (name <= 0) step = 1;
        name += 30 * step, version += 9 * step, year -= 5 * step;
        banner[0]->move(qRound(name / 15), 100);
        banner[1]->move(qRound(version / 15), 100);
        banner[2]->move(qRound(year / 15), 100);
    });
    clockTimer.start(1000);
    if (run) {
        countdownTimer.start(1000);
        bannerTimer.start(25);
    }
    window.show();
    return app.exec();
}

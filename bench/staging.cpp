// SPDX-License-Identifier: GPL-3.0-or-later
// Times staging a 20,000,000-byte file against cp of the same file, each
// into a fresh target.
// Prints "staging_copy MS" and "cp_copy MS", medians of several runs.
#include "player/Staging.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

static double Median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.mp3"));
    {
        QFile file(source);
        file.open(QIODevice::WriteOnly);
        QByteArray block(1 << 20, Qt::Uninitialized);
        for (qint64 written = 0; written < 20000000; written += block.size()) {
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / 4);
            file.write(block.left(static_cast<qsizetype>(std::min<qint64>(block.size(), 20000000 - written))));
        }
    }
    const QString staged = dir.filePath(QStringLiteral("cache/dozewell-timer/QDX.mp3"));
    const QString copied = dir.filePath(QStringLiteral("cp-copy.mp3"));
    QList<double> ours, cp;
    for (int run = 0; run < 7; ++run) {
        // Both copies go to a fresh name, so neither pays for freeing the last one.
        QFile::remove(staged);
        QFile::remove(copied);
        QElapsedTimer timer;
        timer.start();
        if (const auto failure = dozewell::StageCopy(source, staged)) {
            std::fprintf(stderr, "staging failed: %s\n", qPrintable(failure->reason));
            return 1;
        }
        ours << timer.nsecsElapsed() / 1e6;
        timer.restart();
        QProcess::execute(QStringLiteral("cp"), {source, copied});
        cp << timer.nsecsElapsed() / 1e6;
    }
    std::printf("staging_copy %.1f\ncp_copy %.1f\n", Median(ours), Median(cp));
    return 0;
}

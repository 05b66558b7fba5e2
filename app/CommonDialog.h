// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

namespace dozewell {

class Platform;

// The shared Open dialog control. Its settings stay from one use to the
// next: whatever one caller sets, the next caller finds.
class CommonDialog : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString FileName MEMBER FileName)
    Q_PROPERTY(QString Filter MEMBER Filter)
    Q_PROPERTY(bool CancelError MEMBER CancelError)
    Q_PROPERTY(QString DialogTitle MEMBER DialogTitle)

public:
    CommonDialog(Platform &platform, QObject *parent);

    // Shows the modal Open dialog. Returns true when a file was chosen, and
    // FileName then holds its full path. On Cancel FileName is left as it
    // was and false is returned; CancelError says whether the caller takes
    // that Cancel as an error of its own.
    bool ShowOpen();

    QString FileName;
    QString Filter;
    bool CancelError = false;
    QString DialogTitle;

private:
    Platform &m_platform;
};

} // namespace dozewell

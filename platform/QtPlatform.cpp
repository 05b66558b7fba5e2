#include "platform/QtPlatform.h"

#include "platform/PlatformValues.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <cstdio>
#include <cstdlib>

namespace dozewell {

QtPlatform::QtPlatform()
{
    m_monotonic.start();
}

void QtPlatform::MsgBox(const QString &prompt, MsgIcon icon, const QString &title)
{
    QMessageBox box(icon == MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, title,
                    prompt, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

QString QtPlatform::QtFilter(const QString &filter)
{
    QStringList entries;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts.at(i + 1).split(QLatin1Char(';')).join(QLatin1Char(' '));
        entries << parts.at(i) + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

std::optional<QString> QtPlatform::ShowOpen(const QString &title, const QString &filter,
                                            const QString &fileName)
{
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(QtFilter(filter));
    if (!fileName.isEmpty()) {
        const QFileInfo initial(fileName);
        if (initial.dir().exists())
            dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtPlatform::StartProcess(const QString &program, const QStringList &arguments, const QStringList &environment)
{
    QProcess process;
    // A relative path names a file in the current folder, as FileExists
    // tested it; never let it become a search of PATH.
    process.setProgram(QFileInfo(program).absoluteFilePath());
    process.setArguments(arguments);
    if (!environment.isEmpty()) {
        QProcessEnvironment started = QProcessEnvironment::systemEnvironment();
        for (const QString &entry : environment)
            started.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
        process.setProcessEnvironment(started);
    }
    return process.startDetached();
}

QDateTime QtPlatform::Now() const
{
    return QDateTime::currentDateTime();
}

qint64 QtPlatform::MonotonicMs() const
{
    return m_monotonic.elapsed();
}

void QtPlatform::EndProgram()
{
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

QStringList QtPlatform::DefaultPlayerPaths() const
{
    return dozewell::DefaultPlayerPaths();
}

QString QtPlatform::WineLauncher() const
{
    return dozewell::WineLauncher();
}

QString QtPlatform::WinePrefix() const
{
    return dozewell::WinePrefix();
}

QString QtPlatform::StagingFolder() const
{
    return DefaultStagingFolder();
}

} // namespace dozewell

// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakePlatform.h"

namespace dozewell::testing {

void FakePlatform::MsgBox(const QString &prompt, MsgIcon icon, const QString &title)
{
    calls.append({Call::MsgBox, prompt, title, icon, {}, {}, {}, {}});
    if (whileMessageShown)
        whileMessageShown();
}

std::optional<QString> FakePlatform::ShowOpen(const QString &title, const QString &filter, const QString &fileName)
{
    calls.append({Call::ShowOpen, fileName, title, MsgIcon::None, filter, {}, {}, {}});
    if (dialogAnswers.isEmpty())
        return std::nullopt;
    return dialogAnswers.takeFirst();
}

bool FakePlatform::StartProcess(const QString &program, const QStringList &arguments, const QStringList &environment,
                                int, QObject *context, ProcessSettled settled)
{
    calls.append({Call::StartProcess, {}, {}, MsgIcon::None, {}, program, arguments, environment});
    if (!processesStart)
        return false;
    m_watches.append({context, std::move(settled)});
    if (!settleLater)
        settle(processOutcome);
    return true;
}

void FakePlatform::RunBriefly(const QString &program, const QStringList &arguments, const QStringList &environment,
                              int, QObject *context, BriefRunDone done)
{
    calls.append({Call::RunBriefly, {}, {}, MsgIcon::None, {}, program, arguments, environment});
    m_briefRuns.append({context, std::move(done)});
    if (!holdBriefRuns)
        answerBriefRun(briefRun);
}

void FakePlatform::answerBriefRun(const BriefRun &run)
{
    auto [context, done] = m_briefRuns.takeFirst();
    if (context)
        done(run);
}

void FakePlatform::settle(const ProcessOutcome &outcome)
{
    auto [context, settled] = m_watches.takeFirst();
    if (context)
        settled(outcome);
}

void FakePlatform::EndProgram()
{
    calls.append({Call::EndProgram, {}, {}, MsgIcon::None, {}, {}, {}, {}});
    ended = true;
}

void FakePlatform::advance(qint64 ms, bool wallOnly)
{
    now = now.addMSecs(ms);
    if (!wallOnly)
        sinceBootMs += ms;
}

QList<FakePlatform::Call> FakePlatform::ofKind(Call::Kind kind) const
{
    QList<Call> found;
    for (const Call &call : calls)
        if (call.kind == kind)
            found.append(call);
    return found;
}

QStringList FakePlatform::messages() const
{
    QStringList found;
    for (const Call &call : ofKind(Call::MsgBox))
        found << call.text;
    return found;
}

} // namespace dozewell::testing

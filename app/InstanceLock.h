// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace dozewell {

// Where the instance lock lies: the user's runtime folder ($XDG_RUNTIME_DIR,
// given here, private to the user and cleared at logout) when it is usable,
// else nothing and the lock goes to the staging folder.
QString RuntimeFolder(const QString &xdgRuntimeDir);

// One running instance per user: every instance stages its copies under the
// same names and deletes them at start, so a second one would destroy the
// first one's run. The lock lies in the user's runtime folder, or in the
// staging folder when there is none; it is released when the program ends. A
// lock whose owner is gone never blocks a start: one left by a process of
// this host that no longer runs, or one written by another host, whose
// process cannot be asked (a home folder shared between computers).
class InstanceLock {
public:
    InstanceLock(const QString &runtimeFolder, const QString &stagingFolder);

    enum class State { Taken, HeldByAnother, Failed };
    State state() const { return m_state; }
    // Where the lock is, and, when it could not be taken, why.
    QString path() const { return m_path; }
    QString problem() const { return m_problem; }

private:
    std::unique_ptr<QLockFile> m_lock;
    State m_state = State::Taken;
    QString m_path;
    QString m_problem;
};

} // namespace dozewell

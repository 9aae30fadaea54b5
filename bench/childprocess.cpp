// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/childprocess.h"

#include "bench/procinfo.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

std::vector<QByteArray> environmentWith(const QMap<QByteArray, QByteArray> &extra)
{
    std::vector<QByteArray> env;
    for (char **e = environ; *e; ++e) {
        const QByteArray entry(*e);
        if (!extra.contains(entry.left(entry.indexOf('='))))
            env.push_back(entry);
    }
    for (auto it = extra.begin(); it != extra.end(); ++it)
        env.push_back(it.key() + '=' + it.value());
    return env;
}

std::vector<char *> pointersTo(std::vector<QByteArray> &strings)
{
    std::vector<char *> pointers;
    for (QByteArray &s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

QByteArray readAll(int fd)
{
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0)
            bytes.append(buffer, n);
        else if (n == 0 || errno != EINTR)
            return bytes;
    }
}

} // namespace

ChildProcess::Result ChildProcess::run(const QString &program, const QStringList &arguments,
                                       const QMap<QByteArray, QByteArray> &extraEnvironment,
                                       const QString &errorLog)
{
    Result result;
    std::vector<QByteArray> args{QFile::encodeName(program)};
    for (const QString &a : arguments)
        args.push_back(QFile::encodeName(a));
    std::vector<char *> argv = pointersTo(args);

    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    const QByteArray log = QFile::encodeName(errorLog);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log.constData(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);

    QMap<QByteArray, QByteArray> extra = extraEnvironment;
    const qint64 start = ProcInfo::monotonicNs();
    extra.insert("KWBENCH_SPAWN_NS", QByteArray::number(start));
    std::vector<QByteArray> env = environmentWith(extra);
    std::vector<char *> envp = pointersTo(env);

    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (failed) {
        close(out[0]);
        return result;
    }
    result.started = true;
    result.output = readAll(out[0]);
    close(out[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.ms = double(ProcInfo::monotonicNs() - start) / 1e6;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

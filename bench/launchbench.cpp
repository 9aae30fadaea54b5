// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/launchbench.h"

#include "bench/childprocess.h"

LaunchBench::LaunchBench(const QString &startProgram, const QString &trackPath,
                         const QString &errorLog)
    : m_program(startProgram), m_track(trackPath), m_errorLog(errorLog)
{
}

bool LaunchBench::runRound()
{
    Notes notes;
    double ms = 0;
    // Whichever launch came first after the window's round (its exports end
    // in disk syncs) was slower at every step, the dynamic loader's too, by
    // up to 25 ms. One launch is run first and not counted.
    if (!launch({}, false, notes, ms))
        return false;
    if (!launch({}, true, notes, ms))
        return false;
    m_applicationOnly.add(ms);
    const double floor = ms;
    if (!launch({}, false, notes, ms))
        return false;
    record(m_plain, notes, ms);
    m_plainOverFloor.add(ms / floor);
    if (!launch({m_track}, false, notes, ms))
        return false;
    record(m_withTrack, notes, ms);
    m_trackOverFloor.add(ms / floor);
    return true;
}

bool LaunchBench::launch(const QStringList &arguments, bool stopAtApplication, Notes &notes,
                         double &ms)
{
    QMap<QByteArray, QByteArray> env;
    if (stopAtApplication)
        env.insert("KWBENCH_STOP", "app");
    const ChildProcess::Result result = ChildProcess::run(m_program, arguments, env, m_errorLog);
    notes = parse(result.output);
    ms = result.ms;
    const bool ready = stopAtApplication || notes.contains("painted");
    if (result.started && result.exitCode == 0 && ready)
        return true;
    m_error = QStringLiteral("%1 %2 did not end ready (exit %3); see %4")
                  .arg(m_program, arguments.join(QLatin1Char(' ')))
                  .arg(result.exitCode)
                  .arg(m_errorLog);
    return false;
}

LaunchBench::Notes LaunchBench::parse(const QByteArray &output)
{
    Notes notes;
    for (const QByteArray &line : output.split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            notes.insert(line.left(eq), line.mid(eq + 1).toDouble());
    }
    return notes;
}

void LaunchBench::record(Start &start, const Notes &notes, double ms)
{
    start.launchToReady.add(ms);
    start.spawnToMain.add(notes.value("main"));
    start.spawnToApp.add(notes.value("app"));
    start.spawnToShown.add(notes.value("shown"));
    start.shownToPalette.add(notes.value("ready") - notes.value("shown"));
    if (notes.contains("waitpanel") && notes.value("waitpanel") < notes.value("ready"))
        ++start.waitingPanelPainted;
    start.shownToReady.add(notes.value("painted") - notes.value("shown"));
    start.peakKiB.add(notes.value("hwm_kib"));
}

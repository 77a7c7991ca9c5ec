#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// plandex-export (PLANDEX_EXPORT, its path) run as scripts run it: its exit
// status (-1 when it did not end on its own) and what it printed on the
// standard error.
struct ExportRun {
    int status = -1;
    QString errors;
};

inline ExportRun runExport(const QStringList &arguments,
    const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(PLANDEX_EXPORT, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

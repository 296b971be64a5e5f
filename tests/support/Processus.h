#pragma once
// Runs one of the project's programs as a user would, and keeps what it said.

#include <QProcess>
#include <QStringList>

struct Sortie {
    int code;
    QByteArray out, err;
};

inline Sortie lance(const QString& programme, const QStringList& args) {
    QProcess p;
    p.start(programme, args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

#pragma once
// Runs one of the project's programs as a user would, and keeps what it said.

#include <QElapsedTimer>
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

// What a running program wrote on its standard error stream until `attendu` appears or `ms` pass.
inline QByteArray attendErreur(QProcess& p, const QByteArray& attendu, int ms) {
    QByteArray err;
    QElapsedTimer t;
    t.start();
    while (!err.contains(attendu) && t.elapsed() < ms) {
        p.waitForReadyRead(200);
        err += p.readAllStandardError();
    }
    return err;
}

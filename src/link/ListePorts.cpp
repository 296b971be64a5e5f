#include "ListePorts.h"

#include "socle/Dialogues.h"

#include <QDir>
#include <QSerialPortInfo>

void EnumComPorts(QStringList& liste) {
    // The kernel's list of terminal devices is where the system keeps its serial ports.
    if (!QDir(QStringLiteral("/sys/class/tty")).isReadable()) {
        dialogues().avertissement(QStringLiteral("Erreur A1 "));
        return;
    }
    QStringList noms;
    for (const QSerialPortInfo& p : QSerialPortInfo::availablePorts())
        noms << p.portName();
    liste = noms;
}

int IndexPort(const QStringList& liste, const QString& nom) {
    int index = -1;
    for (int i = 0; i < liste.size(); ++i)
        if (liste[i] == nom) index = i;
    return index;
}

#pragma once
// The serial ports of the system, for the link window's port list.

#include <QStringList>

// Replaces `liste` by the names of the system's serial ports, in the system's order. When the
// system's port list cannot be read, says "Erreur A1 " and leaves `liste` as it was.
void EnumComPorts(QStringList& liste);
// Index of the item equal to `nom` (exact comparison; the last equal item wins), -1 when none.
int IndexPort(const QStringList& liste, const QString& nom);

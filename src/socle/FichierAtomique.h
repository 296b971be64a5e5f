#pragma once
// Every file the program writes goes through here: the bytes go to a temporary file beside the
// target, which replaces the target only once it is whole. A write that fails, or a program that
// stops half-way, leaves the previous file as it was.

#include <QByteArray>
#include <QString>

// False when the file could not be written (the previous one stays); `erreur` then says why.
bool EcritFichierAtomique(const QString& chemin, const QByteArray& octets, QString* erreur = nullptr);

// For the tests: the writes after `octets` bytes fail, as a full disk or a pulled USB stick would
// make them; -1 lets every write through. Applies to the calling thread.
void SimuleEchecEcritureApres(qint64 octets);

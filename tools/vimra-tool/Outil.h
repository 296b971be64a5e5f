#pragma once
// vimra-tool: the headless companion of the program.

#include <QStringList>

#include <cstdio>

enum CodeSortie { Fait = 0, Usage = 1, Echec = 2 };

int commandeDump(const QStringList& args);
int commandeExportCsv(const QStringList& args);
int commandeConvert(const QStringList& args);
int commandeTrame(const QStringList& args);
int commandeVariateur(const QString& commande, const QStringList& args);

void erreur(const QString& message);
void ecritSortie(const QString& texte);

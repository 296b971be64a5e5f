#pragma once
// vimra-tool: the headless companion of the program.

#include <QStringList>

#include <cstdio>

enum CodeSortie { Fait = 0, Usage = 1, Echec = 2 };

// The command line once parsed: the arguments after the command, and the options' values (their
// defaults when not given).
struct OptionsOutil {
    QStringList arguments;
    int essai = -1; // --test
    int langue = 1; // --language: 1 French, 2 English, 3 Spanish
    int modele = 1;
    QString port;
    QString tcp;
    int machine = 0;
    int calibre = 20;
    int periode = 100; // --every, ms
    int nombre = 0;    // --count; 0: until interrupted
};

int commandeDump(const OptionsOutil& o);
int commandeExportCsv(const OptionsOutil& o);
int commandeExport(const OptionsOutil& o);
int commandeConvert(const OptionsOutil& o);
int commandeRecover(const OptionsOutil& o);
int commandeTrame(const OptionsOutil& o);
int commandeVariateur(const QString& commande, const OptionsOutil& o);
int commandeSuivi(const OptionsOutil& o);

void erreur(const QString& message);
void ecritSortie(const QString& texte);

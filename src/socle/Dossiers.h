#pragma once
// The program's folders and the state the main menu keeps for the whole run.

#include <QString>

struct Dossiers {
    QString DossierProgramme;    // every relative file of the program is taken from here
    QString DossierConfig;       // where the settings file lives (the program folder when writable)
    QString DossierFiches;       // work sheets of the current language
    QString DossierCablage;      // wiring diagrams of the current language
    QString DossierApplications; // pictures of the applications
    QString DossierTravaux;      // initial folder of the work file dialogs

    // The program folder is `dossier`; the others follow the current language.
    void fixe(const QString& dossier);
    // Rebuilds the language-dependent folders.
    void suitLangue();
};

Dossiers& dossiers();

// The settings folder: the program folder when it can be written, else the user's configuration
// folder (an installed program).
QString dossierConfiguration(const QString& dossierProgramme);

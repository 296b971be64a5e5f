#pragma once
// The program's folders and the state the main menu keeps for the whole run.
//
// Two layouts. Run from a program folder (the build folder), that folder holds everything: the
// delivered data, the settings and the work folders. Installed (bin/vimra beside share/vimra), the
// read-only data are in share/vimra, the settings in the user's configuration folder and the work
// folders in the user's documents folder, wherever the tree was unpacked.

#include <QString>

struct Dossiers {
    QString DossierProgramme;    // every delivered file of the program is taken from here
    QString DossierConfig;       // where the settings file lives
    QString DossierReprise;      // the recovery journals of the works in progress
    QString DossierDocuments;    // where the work folders are
    QString DossierFiches;       // work sheets of the current language
    QString DossierCablage;      // wiring diagrams of the current language
    QString DossierApplications; // pictures of the applications
    QString DossierTravaux;      // work folder of the current language, initial folder of the file dialogs

    // The program folder `dossier` holds everything.
    void fixe(const QString& dossier);
    // An installed program whose read-only data are in `donnees`.
    void fixeInstalle(const QString& donnees);
    // Installed when the executable's folder has ../share/vimra beside it, else the program folder
    // is `dossierCourant`.
    void choisit(const QString& dossierExecutable, const QString& dossierCourant);
    // Rebuilds the language-dependent folders and creates the work folder when it is missing.
    void suitLangue();
};

Dossiers& dossiers();

// The settings folder: the program folder when it can be written, else the user's configuration
// folder (a program folder the user may not write to).
QString dossierConfiguration(const QString& dossierProgramme);
// The read-only data of a program installed with its executable in `dossierExecutable`; empty
// when the executable is not in an installed tree.
QString dossierDonneesInstallees(const QString& dossierExecutable);

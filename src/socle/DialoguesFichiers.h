#pragma once
// The file dialogs the program keeps for the whole run, each with its filter, default extension,
// initial folder and the name last chosen.

#include <QString>

struct DialogueFichier {
    QString filtre;
    QString extension;
    QString dossier;
    QString nomFichier;

    // Runs the dialog through the installed dialogues; the chosen path, empty when cancelled.
    QString ouvre();
    QString enregistre();
};

struct DialoguesFichiers {
    DialogueFichier OpenDialogMachine{"Fichier Vimra|*.MLX2|Fichier Application|*.Vimr2", "MLX2", {}, {}};
    DialogueFichier SaveDialogMachine{"Fichier Vimra|*.MLX2", "MLX2", {}, {}};
    DialogueFichier SaveDialogAppli{"Fichier Application|*.Vimr2", "Vimr2", {}, {}};
    DialogueFichier SaveDialogApplication{"Application industrielle *.APPLI|*.APPLI", "APPLI", {}, {}};
    DialogueFichier OpenDialogApplication{"Application industrielle *.APPLI|*.APPLI", "APPLI", {}, {}};

    // The five dialogs open in the work folder of the current language.
    void fixeDossier(const QString& dossier);
};

DialoguesFichiers& dialoguesFichiers();

#pragma once
// Every message box, question box and file dialog of the program goes through this seam:
// the program installs the Qt one, tests install a scripted one that answers and records.

#include <QString>

class Dialogues {
public:
    enum class Reponse { Oui, Non, Annuler };

    virtual ~Dialogues() = default;
    // Warning box with one OK button.
    virtual void avertissement(const QString& texte) = 0;
    // Question box with Yes/No, or Yes/No/Cancel.
    virtual Reponse question(const QString& texte, bool avecAnnuler) = 0;
    // File dialogs. The filter is written the program's way ("Fichier Vimra|*.MLX2|...").
    // The answer is the chosen path, empty when the user cancels.
    virtual QString ouvrirFichier(const QString& filtre, const QString& dossier) = 0;
    virtual QString enregistrerFichier(const QString& filtre, const QString& dossier,
                                       const QString& nomPropose) = 0;
};

// The installed dialogues; until one is installed, warnings go to the standard error stream
// and every question or file dialog is answered as if cancelled.
Dialogues& dialogues();
// Installs d (not owned); nullptr restores the default.
void installeDialogues(Dialogues* d);

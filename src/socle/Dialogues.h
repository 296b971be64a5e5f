#pragma once
// Every message box, question box and file dialog of the program goes through this seam:
// the program installs the Qt one, tests install a scripted one that answers and records.

#include <QString>

class QPrinter;

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
    // The export dialog: a save dialog whose filters name the kinds of export; `filtreChoisi` is
    // set to the index of the filter in force when the user confirmed.
    virtual QString exporterFichier(const QString& filtre, const QString& dossier, int& filtreChoisi) = 0;
    // The print dialog for `imprimante`; false when the user cancels.
    virtual bool imprimer(QPrinter& imprimante) = 0;
    // The printer set-up dialog; false when the user cancels.
    virtual bool configurerImprimante(QPrinter& imprimante) = 0;
};

// Dialogues without a screen: warnings go to the standard error stream, every question and
// dialog is answered as if cancelled.
class DialoguesConsole : public Dialogues {
public:
    void avertissement(const QString& texte) override;
    Reponse question(const QString&, bool avecAnnuler) override;
    QString ouvrirFichier(const QString&, const QString&) override { return {}; }
    QString enregistrerFichier(const QString&, const QString&, const QString&) override { return {}; }
    QString exporterFichier(const QString&, const QString&, int&) override { return {}; }
    bool imprimer(QPrinter&) override { return false; }
    bool configurerImprimante(QPrinter&) override { return false; }
};

// The installed dialogues; until one is installed, warnings go to the standard error stream
// and every question or file dialog is answered as if cancelled.
Dialogues& dialogues();
// Installs d (not owned); nullptr restores the default.
void installeDialogues(Dialogues* d);

#pragma once
// The program's dialogues: Qt message boxes, questions with buttons in the current language, and
// file dialogs taking the program's filters ("Fichier Vimra|*.MLX2|...").

#include "Dialogues.h"

class QWidget;

class DialoguesQt final : public Dialogues {
public:
    void avertissement(const QString& texte) override;
    Reponse question(const QString& texte, bool avecAnnuler) override;
    QString ouvrirFichier(const QString& filtre, const QString& dossier) override;
    QString enregistrerFichier(const QString& filtre, const QString& dossier,
                               const QString& nomPropose) override;
    QString exporterFichier(const QString& filtre, const QString& dossier, int& filtreChoisi) override;
    bool imprimer(QPrinter& imprimante) override;
    bool configurerImprimante(QPrinter& imprimante) override;
};

// "Fichier Vimra|*.MLX2|Fichier Application|*.Vimr2" -> "Fichier Vimra (*.MLX2);;Fichier Application
// (*.Vimr2)"
QString filtreQt(const QString& filtre);

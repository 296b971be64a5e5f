#pragma once
// Dialogues for tests: records what the program shows and asks, answers from a script.

#include "shell/Dialogues.h"

#include <QStringList>

#include <deque>

class DialoguesScriptes final : public Dialogues {
public:
    QStringList avertissements;
    QStringList questions;
    std::deque<Reponse> reponses; // next answers to questions; Annuler (or Non) when empty
    std::deque<QString> fichiers; // next answers to file dialogs; cancelled when empty

    DialoguesScriptes() { installeDialogues(this); }
    ~DialoguesScriptes() override { installeDialogues(nullptr); }
    DialoguesScriptes(const DialoguesScriptes&) = delete;
    DialoguesScriptes& operator=(const DialoguesScriptes&) = delete;

    void avertissement(const QString& texte) override { avertissements << texte; }
    Reponse question(const QString& texte, bool avecAnnuler) override {
        questions << texte;
        if (reponses.empty()) return avecAnnuler ? Reponse::Annuler : Reponse::Non;
        const Reponse r = reponses.front();
        reponses.pop_front();
        return r;
    }
    QString ouvrirFichier(const QString&, const QString&) override { return prochainFichier(); }
    QString enregistrerFichier(const QString&, const QString&, const QString&) override {
        return prochainFichier();
    }

private:
    QString prochainFichier() {
        if (fichiers.empty()) return {};
        QString f = fichiers.front();
        fichiers.pop_front();
        return f;
    }
};

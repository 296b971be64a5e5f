#pragma once
// Dialogues for tests: records what the program shows and asks, answers from a script.

#include "socle/Dialogues.h"

#include <QStringList>

#include <deque>

class DialoguesScriptes final : public Dialogues {
public:
    QStringList avertissements;
    QStringList questions;
    std::deque<Reponse> reponses; // next answers to questions; Annuler (or Non) when empty
    std::deque<QString> fichiers; // next answers to file dialogs; cancelled when empty
    std::deque<int> filtres;      // the filter chosen in the next export dialogs; the first when empty
    std::deque<bool> impressions; // next answers to print dialogs; cancelled when empty
    int dialoguesImpression = 0;  // print and printer set-up dialogs shown

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

    QString exporterFichier(const QString&, const QString&, int& filtreChoisi) override {
        filtreChoisi = 0;
        if (!filtres.empty()) {
            filtreChoisi = filtres.front();
            filtres.pop_front();
        }
        return prochainFichier();
    }

    bool imprimer(QPrinter&) override { return prochaineImpression(); }
    bool configurerImprimante(QPrinter&) override { return prochaineImpression(); }

private:
    bool prochaineImpression() {
        ++dialoguesImpression;
        if (impressions.empty()) return false;
        const bool r = impressions.front();
        impressions.pop_front();
        return r;
    }
    QString prochainFichier() {
        if (fichiers.empty()) return {};
        QString f = fichiers.front();
        fichiers.pop_front();
        return f;
    }
};

#include "Dialogues.h"

#include <cstdio>

namespace {

class DialoguesConsole final : public Dialogues {
public:
    void avertissement(const QString& texte) override {
        std::fprintf(stderr, "%s\n", texte.toLocal8Bit().constData());
    }
    Reponse question(const QString&, bool avecAnnuler) override {
        return avecAnnuler ? Reponse::Annuler : Reponse::Non;
    }
    QString ouvrirFichier(const QString&, const QString&) override { return {}; }
    QString enregistrerFichier(const QString&, const QString&, const QString&) override { return {}; }
};

DialoguesConsole parDefaut;
Dialogues* installes = nullptr;

} // namespace

Dialogues& dialogues() {
    return installes ? *installes : parDefaut;
}

void installeDialogues(Dialogues* d) {
    installes = d;
}

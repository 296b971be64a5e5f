#include "Dialogues.h"

#include <cstdio>

void DialoguesConsole::avertissement(const QString& texte) {
    std::fprintf(stderr, "%s\n", texte.toLocal8Bit().constData());
}

Dialogues::Reponse DialoguesConsole::question(const QString&, bool avecAnnuler) {
    return avecAnnuler ? Reponse::Annuler : Reponse::Non;
}

namespace {

DialoguesConsole parDefaut;
Dialogues* installes = nullptr;

} // namespace

Dialogues& dialogues() {
    return installes ? *installes : parDefaut;
}

void installeDialogues(Dialogues* d) {
    installes = d;
}

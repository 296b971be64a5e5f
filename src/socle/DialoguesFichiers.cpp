#include "DialoguesFichiers.h"

#include "Dialogues.h"

QString DialogueFichier::ouvre() {
    const QString f = dialogues().ouvrirFichier(filtre, dossier);
    if (!f.isEmpty()) nomFichier = f;
    return f;
}

QString DialogueFichier::enregistre() {
    const QString f = dialogues().enregistrerFichier(filtre, dossier, nomFichier);
    if (!f.isEmpty()) nomFichier = f;
    return f;
}

void DialoguesFichiers::fixeDossier(const QString& dossier) {
    for (DialogueFichier* d : {&OpenDialogMachine, &SaveDialogMachine, &SaveDialogAppli,
                               &SaveDialogApplication, &OpenDialogApplication})
        d->dossier = dossier;
}

DialoguesFichiers& dialoguesFichiers() {
    static DialoguesFichiers d;
    return d;
}

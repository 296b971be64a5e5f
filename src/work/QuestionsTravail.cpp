#include "QuestionsTravail.h"

#include "socle/Dialogues.h"
#include "socle/DialoguesFichiers.h"
#include "socle/Textes.h"
#include "work/FichierTravail.h"
#include "work/SessionTravail.h"

bool Avertissement(const Travail& t, SessionTravail& s) {
    if (s.TravailEnregistre) return true;
    switch (dialogues().question(Textes().Texte[txt::QuestionEnregistrer], true)) {
    case Dialogues::Reponse::Annuler:
        return false;
    case Dialogues::Reponse::Non:
        return true;
    case Dialogues::Reponse::Oui:
        break;
    }
    const bool application = DispositionTravail(t) == Disposition::Vimr2;
    DialogueFichier& d =
        application ? dialoguesFichiers().SaveDialogAppli : dialoguesFichiers().SaveDialogMachine;
    const QString nom = d.enregistre();
    if (nom.isEmpty()) return false;
    // A work that could not be written is not discarded.
    return EcritTravail(t, s, nom, DispositionTravail(t));
}

bool DemandeSuppressionEssai(Travail& t, SessionTravail& s, int k) {
    if (dialogues().question(Textes().Texte[txt::QuestionSupprimeEssai] + QString::number(k), false) !=
        Dialogues::Reponse::Oui)
        return false;
    t.SupprimeEssai(s, k);
    return true;
}

bool DemandeSuppressionPoints(Travail& t, SessionTravail& s, int k) {
    if (k < 1 || k > t.EnteteTravail.NbEssais || t.Essais[k].Entete.DernierPoint() < 0) return false;
    if (dialogues().question(Textes().Texte[txt::QuestionSupprimePoints] + QString::number(k), false) !=
        Dialogues::Reponse::Oui)
        return false;
    t.Essais[k].Entete.DernierPoint() = -1;
    s.TravailEnregistre = false;
    return true;
}

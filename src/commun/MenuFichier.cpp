#include "MenuFichier.h"

#include "Controles.h"
#include "graph/Export.h"
#include "socle/ConfigGenerale.h"
#include "socle/Dialogues.h"
#include "socle/DialoguesFichiers.h"
#include "socle/Menus.h"
#include "socle/Textes.h"
#include "work/CopieValeurs.h"
#include "work/EtatEtude.h"
#include "work/QuestionsTravail.h"

#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

void MenuFichier::construitMenuFichier(Fenetre f) {
    m_fenetre = std::move(f);
    QMainWindow* w = m_fenetre.fenetre;
    Fichier1 = w->menuBar()->addMenu(QString());
    const auto entree = [this, w](int texte, const QKeySequence& touche, auto faire) {
        return EntreeTexte(Fichier1->addAction(QString(), touche, w, faire), texte);
    };
    entree(257, QKeySequence::Open, [this] { ouvrir1Click(); });
    Enregistrer1 = entree(258, QKeySequence::Save, [this] { Enregistrer1Click(); });
    // Ctrl+Shift+S on every desktop: some give the standard key none.
    entree(259, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { Enregistrersous1Click(); });
    Exporter1 = EntreeTexte(
        Fichier1->addAction(QString(), QKeySequence(Qt::CTRL | Qt::Key_E), w, [this] { Exporter1Click(); }),
        "Exporter…", "Export…", "Exportar…");
    Nouveautravail1 = entree(260, QKeySequence::New, [this] { Nouveautravail1Click(); });
    Fichier1->addSeparator();
    entree(261, QKeySequence(), [this] { m_fenetre.configurationImprimante(); });
    Imprimer1 = entree(262, QKeySequence::Print, [this] { m_fenetre.impression(); });
    Fichier1->addSeparator();
    Fichier1->addAction(m_fenetre.quitter);
    QObject::connect(Fichier1, &QMenu::aboutToShow, w, [this] { activeFichier(); });
}

void MenuFichier::ouvrir1Click() {
    if (Avertissement(m_travail, m_session)) {
        const QString nom = dialoguesFichiers().OpenDialogMachine.ouvre();
        if (!nom.isEmpty()) {
            LitTravail(m_travail, m_session, nom);
            m_etat.Mesures[0] = -1;
        }
    }
    m_fenetre.action();
}

void MenuFichier::enregistre(const QString& nom) {
    EcritTravail(m_travail, m_session, nom, m_fenetre.disposition);
    m_fenetre.action();
}

void MenuFichier::Enregistrer1Click() {
    const QString nom = m_session.NomFichierCourant;
    // A name of the other layout would be read back as that layout.
    if (nom.isEmpty() || m_fenetre.demandeUnNom(TypeFichier(nom)))
        Enregistrersous1Click();
    else
        enregistre(nom);
}

void MenuFichier::Enregistrersous1Click() {
    const QString nom = m_fenetre.enregistrerSous->enregistre();
    if (!nom.isEmpty()) enregistre(nom);
}

void MenuFichier::Nouveautravail1Click() {
    if (Avertissement(m_travail, m_session)) {
        m_travail.NouveauTravail(m_session);
        m_etat.Mesures[0] = -1;
        dialoguesFichiers().SaveDialogMachine.nomFichier.clear();
        dialoguesFichiers().SaveDialogAppli.nomFichier.clear();
        if (m_fenetre.apresNouveauTravail) m_fenetre.apresNouveauTravail();
    }
    m_fenetre.fenetre->close();
}

void MenuFichier::Exporter1Click() {
    Travail& t = m_travail;
    int filtre = 0;
    QString chemin =
        dialogues().exporterFichier(FiltreExport(), dialoguesFichiers().SaveDialogMachine.dossier, filtre);
    if (chemin.isEmpty()) return;
    const TypeExport type = TypeDExport(chemin, filtre);
    QString erreur;
    bool ecrit = false;
    if (type == TypeExport::Png || type == TypeExport::Svg || type == TypeExport::Pdf) {
        ecrit = EcritGraphiques(type, chemin, m_fenetre.dessinePage, &erreur);
    } else {
        OptionsExport o;
        o.derniereColonne = m_fenetre.disposition == Disposition::Vimr2 ? DERNIERE_COLONNE_APPLICATION
                                                                        : DERNIERE_COLONNE_CARACT;
        o.essai = type == TypeExport::CsvEssai ? std::max(m_session.EssaiCourant, 1) : 0;
        o.demo = ModeDemo();
        o.caracteristiques = m_fenetre.caracteristiques();
        ecrit = type == TypeExport::Xlsx ? EcritXlsx(t, m_session, o, chemin, &erreur)
                                         : EcritCsv(t, m_session, o, chemin, &erreur);
    }
    if (!ecrit)
        dialogues().avertissement(Textes().Texte[txt::ErreurEcriture] + "\n" +
                                  QDir::toNativeSeparators(chemin) +
                                  (erreur.isEmpty() ? QString() : "\n" + erreur));
}

void MenuFichier::activeFichier() {
    const bool points = m_travail.Essais[1].Entete.DernierPoint() >= 0;
    for (QAction* a : {Enregistrer1, Nouveautravail1, Imprimer1, Exporter1})
        a->setEnabled(points);
    for (QAction* a : avecUnPoint)
        a->setEnabled(points);
}

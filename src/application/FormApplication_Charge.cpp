// The run screen's behaviour: opening, the refresh of its panels and displays, the load started,
// followed every 100 ms and stopped, the configuration, the coupling, the keys and the closing.
#include "FormApplication.h"

#include "ConfigurationApplication.h"
#include "FormKorlan.h"
#include "VisualisationPDF.h"
#include "commun/AideCablage.h"

#include "commun/Fenetres.h"
#include "graph/CaractMachine.h"
#include "link/Liaison.h"
#include "socle/ConfigGenerale.h"
#include "socle/CouleursFenetres.h"
#include "socle/Dialogues.h"
#include "socle/Dossiers.h"
#include "socle/Textes.h"
#include "study/FormVisuApp.h"
#include "work/Format.h"
#include "work/SessionTravail.h"

#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

namespace {

const QColor coupleNormal(couleurs::coupleNormal);
const QColor coupleExcessif(couleurs::coupleExcessif);

TEnteteEssai& enteteCourante(Travail& t, const SessionTravail& s) {
    return t.Essais[std::clamp(s.EssaiCourant, 0, NB_ESSAIS_MAX)].Entete;
}

} // namespace

int TFormApplication::codeCourant() const {
    return enteteCourante(m_travail, m_session).TypeCharge();
}

void TFormApplication::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    // A window brought back from the task bar keeps its load running.
    if (!e->spontaneous()) FormShow();
}

void TFormApplication::FormShow() {
    Langue();
    EditTitre->setText(m_travail.EnteteTravail.Commentaire.texte());
    StopAcqui();
    m_charge.DernierePositionEnvoyee = -1;
    PanelAcquisition->setFixedHeight(48);
    SetCourbes();
    m_session.InitColonnesApplication(codeCourant());
    // A test without points chooses its coupling again.
    if (enteteCourante(m_travail, m_session).DernierPoint() < 0) {
        enteteCourante(m_travail, m_session)[TEnteteEssai::MotCouplage] = CouplageAucun;
        m_session.ModeleEssai[TEnteteEssai::MotCouplage] = CouplageAucun;
    }
    SetApp();
    Action();
}

void TFormApplication::SetCourbes() {
    if (ReconcilieEssai(m_travail, m_session)) {
        ButtonGraphAnim->setChecked(false);
        if (ButtonCharge->isChecked()) StopAcqui();
    }
    Action();
}

void TFormApplication::Initialisation() {
    InitialisationApplication(m_travail, m_session);
    ButtonGraphAnim->setChecked(false);
    if (ButtonCharge->isChecked()) StopAcqui();
}

void TFormApplication::SetApp() {
    const std::optional<PlageCharge> plage = m_charge.SetApp();
    if (!plage) return;
    ScrollBarCharge->setRange(plage->minimum, plage->maximum);
    ScrollBarCharge->setValue(plage->position);
    if (plage->refusee)
        dialogues().avertissement(Traduit(
            "Avec ces paramètres, la charge minimale dépasse la charge maximale : la charge se règle de 0 "
            "à 120. Modifiez les paramètres avec Config.Appli.",
            "With these parameters the minimum load exceeds the maximum load: the load is set from 0 to "
            "120. Change the parameters with Config.Appli.",
            "Con estos parámetros la carga mínima supera la carga máxima: la carga se ajusta de 0 a 120. "
            "Modifique los parámetros con Config.Appli."));
}

void TFormApplication::SetCharge(int32_t position, int32_t minimum) {
    m_charge.SetCharge(position, minimum);
}

void TFormApplication::placeCache() {
    PanelBarGraph->setNiveau(ScrollBarCharge->value(), ScrollBarCharge->maximum());
}

void TFormApplication::curseur() {
    m_charge.SetValeursAff(ScrollBarCharge->value(), ScrollBarCharge->minimum());
    // The graph's cursor follows the operating point on every tick, and is cleared with it.
    CaractMachine5->curseur();
    placeCache();
    const bool valide = m_etat.Mesures[0] >= 0;
    Mesure[2]->setCouleur(valide && CoupleExcessif(m_etat.Mesures[2], ConfigGenerale().ClassePuissance)
                              ? coupleExcessif
                              : coupleNormal);
    const QString& traits = Textes().Texte[txt::TraitsAbsents];
    const auto montre = [&](AffichageMesure* a, int c) {
        a->setTexte(valide ? TexteMesure(m_session, m_etat.Mesures, c) : traits);
    };
    for (int c = 1; c <= 10; ++c)
        montre(Mesure[c], c);
    montre(TextVarTemps, 11);
    montre(TextCharge, 12);
    montre(TextVar3, 14);
    // A lost measurement while the load runs keeps the last application speed or flow in view.
    if (valide || !m_etat.AcquisitionEnCours) montre(TextVar2, 13);
    if (m_panneau.inertieDuBloc) {
        LigneParametre& inertie = m_panneau.lignes[AffInertie];
        inertie.valeur = InertieDuBloc(m_etat.Mesures);
        TextValAFF[AffInertie]->setText(inertie.texte());
    }
}

void TFormApplication::InitialiseAffichage() {
    m_panneau = ParametresAffiches(codeCourant(), ParamsEssai(enteteCourante(m_travail, m_session)),
                                   ConfigGenerale().ClassePuissance);
    for (int i = 0; i < NbLignesAff; ++i) {
        const LigneParametre& l = m_panneau.lignes[i];
        TextAFF[i]->setVisible(l.visible);
        TextValAFF[i]->setVisible(l.visible);
        TextAFF[i]->setText(l.libelle);
    }
}

void TFormApplication::AfficheValeurs() {
    const PanneauParametres p = ParametresAffiches(
        codeCourant(), ParamsEssai(enteteCourante(m_travail, m_session)), ConfigGenerale().ClassePuissance);
    for (int i = 0; i < NbLignesAff; ++i) {
        m_panneau.lignes[i].valeur = p.lignes[i].valeur;
        m_panneau.lignes[i].unite = p.lignes[i].unite;
    }
    if (m_panneau.inertieDuBloc) m_panneau.lignes[AffInertie].valeur = InertieDuBloc(m_etat.Mesures);
    for (int i = 0; i < NbLignesAff; ++i)
        TextValAFF[i]->setText(m_panneau.lignes[i].texte());
}

void TFormApplication::montreImage(int code) {
    if (code == m_imageMontree) return;
    m_imageMontree = code;
    VueImageApplication v = ChargeImageApplication(code, dossiers().DossierApplications);
    if (!v.image.isNull())
        ImageApp->montreImage(v.image);
    else
        ImageApp->montreMessage(v.message);
}

void TFormApplication::Action() {
    Travail& t = m_travail;
    const int code = codeCourant();
    ToolBarTitre->setVisible(ButtonTitre->isChecked());
    const QString nom = NomApplication(code);
    TextApplication->setText(nom);
    setWindowTitle(LegendeFenetre(nom.isEmpty() ? Textes().Texte[txt::EtudeApplication]
                                                : Textes().Texte[txt::EtudeApplication] + " - " + nom));
    const bool graphe = ButtonGraphAnim->isChecked();
    montreImage(code);
    ImageApp->setVisible(!graphe && !ImageApplication(code).isEmpty());
    TextCharge->setLibelle(m_session.Colonnes[12].Nom);
    TextVar2->setLibelle(m_session.Colonnes[13].Nom);
    TextVar3->setLibelle(m_session.Colonnes[14].Nom);
    PanelApplication->setVisible(code != 0);
    PanelBarGraph->setGenre(BarGrapheApplication(code));

    const bool marche = ButtonCharge->isChecked();
    ScrollBarCharge->setVisible(marche);
    PanelBarGraph->setVisible(marche);
    TextNomCharge->setVisible(marche);
    m_etat.AcquisitionEnCours = marche;
    ButtonConfiguration->setEnabled(!marche);
    // The drive has no program for a work without an application: nothing to start.
    ButtonCharge->setEnabled(marche || ChargeDemarrable(code));

    PanelGraphe->setVisible(graphe);
    PanelAcquisition->setVisible(graphe);
    InitialiseAffichage();
    TextNomDeLaCharge->setVisible(!m_panneau.nomPompe.isEmpty());
    TextNomDeLaCharge->setText(m_panneau.nomPompe);

    SetEtoileTriangle();
    const Visibilites v = VisibilitesAffichages(t, m_session, false);
    Mesure[4]->setVisible(v.tensionCourant);
    Mesure[5]->setVisible(v.tensionCourant);

    m_etat.Mesures[0] = -1;
    curseur();

    Mesure[7]->setVisible(v.excitation);
    Mesure[9]->setVisible(v.facteurPuissance);
    TextCharge->setVisible(v.colonne12);
    TextVar2->setVisible(v.colonne13);
    TextVar3->setVisible(v.colonne14);
    TextVarTemps->setVisible(v.temps);
    TextNomCharge->setText(LibelleCharge(code));
    AfficheValeurs();
    if (m_session.EssaiCourant < 1) m_session.EssaiCourant = 1;
    ActionEnregistrement();
}

void TFormApplication::SetEtoileTriangle() {
    const BoutonsCouplage b = EtatCouplage(enteteCourante(m_travail, m_session));
    ButtonEtoile->setChecked(b.etoileEnfoncee);
    ButtonTriangle->setChecked(b.triangleEnfoncee);
    ButtonEtoile->setVisible(b.etoileVisible);
    ButtonTriangle->setVisible(b.triangleVisible);
}

namespace {

void choisitCouplage(Travail& t, SessionTravail& s, int32_t couplage) {
    enteteCourante(t, s)[TEnteteEssai::MotCouplage] = couplage;
    s.ModeleEssai[TEnteteEssai::MotCouplage] = couplage;
}

} // namespace

void TFormApplication::ButtonEtoileClick() {
    choisitCouplage(m_travail, m_session, CouplageEtoile);
    Action();
}

void TFormApplication::ButtonTriangleClick() {
    choisitCouplage(m_travail, m_session, CouplageTriangle);
    Action();
}

void TFormApplication::StopAcqui() {
    ButtonCharge->setChecked(false);
    // The recordings need the load.
    BoutonManuel->setChecked(false);
    BoutonOscillo->setChecked(false);
    resetAcquisition();
    TimerApplication->stop();
    m_charge.Arrete();
    curseur();
}

void TFormApplication::ButtonChargeClick(bool presse) {
    if (presse) {
        if (!m_liaison.LinkOpen) {
            const int classe = ConfigGenerale().ClassePuissance;
            m_liaison.Initialise();
            // The drive said it belongs to another bench size: the load range follows it.
            if (m_liaison.LinkOpen && ConfigGenerale().ClassePuissance != classe) SetApp();
        }
        // A link that would not open has said so once: the load is not tried again.
        if (m_liaison.LinkOpen && m_charge.Demarre(ScrollBarCharge->minimum()))
            TimerApplication->start();
        else
            ButtonCharge->setChecked(false);
    } else {
        StopAcqui();
    }
    Action();
    // The arrow and page keys move the load at once.
    if (ButtonCharge->isChecked()) ScrollBarCharge->setFocus();
}

void TFormApplication::TimerApplicationTimer() {
    if (!ButtonCharge->isChecked()) {
        TimerApplication->stop();
        return;
    }
    m_charge.Cycle(ScrollBarCharge->value(), ScrollBarCharge->minimum());
    curseur();
}

void TFormApplication::ButtonConfigurationClick() {
    if (ButtonCharge->isChecked()) return;
    Travail& t = m_travail;
    const TEnteteEssai& e = enteteCourante(m_travail, m_session);
    for (int k = 0; k < 6; ++k)
        m_session.ParamApplicationSauve[k] = e[TEnteteEssai::MotParamApplication + k];
    // The dialog takes the 100 off and knows it was opened from here.
    t.ApplicationCourante = e.TypeCharge() + 100;
    if (TConfigurationApplication* d = m_fenetres.ConfigurationApplication) d->exec();
    // A dialog that did not take it off would have the work renewed as another application.
    if (t.ApplicationCourante > 100) t.ApplicationCourante -= 100;
    SetCourbes();
    SetApp();
    SetCharge(ScrollBarCharge->value(), ScrollBarCharge->minimum());
    Action();
    curseur();
}

void TFormApplication::Quitter1Click() {
    close();
}

void TFormApplication::closeEvent(QCloseEvent* e) {
    if (BoutonManuel->isChecked() || BoutonOscillo->isChecked()) ButtonStopClick();
    ButtonCharge->setChecked(false);
    ButtonGraphAnim->setChecked(false);
    TimerApplication->stop();
    m_charge.Arrete();
    Fenetres& f = m_fenetres;
    for (QWidget* aide : std::initializer_list<QWidget*>{f.FormVisualisationPDF, f.FormAideCablage})
        if (aide && aide->isVisible()) aide->close();
    // Back to the catalogue the application was chosen in.
    QWidget* suivant = f.FormKorlan ? static_cast<QWidget*>(f.FormKorlan) : f.MenuPrincipal;
    if (suivant) suivant->show();
    e->accept();
}

bool TFormApplication::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress || !isActiveWindow()) return QMainWindow::eventFilter(o, e);
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || w->window() != this) return QMainWindow::eventFilter(o, e);
    const int touche = static_cast<QKeyEvent*>(e)->key();
    const bool enCours = m_etat.AcquisitionEnCours;
    if (touche == Qt::Key_Escape) {
        if (enCours && (BoutonManuel->isChecked() || BoutonOscillo->isChecked())) ButtonStopClick();
        m_etat.Mesures[0] = -1;
        curseur();
        return true;
    }
    if (touche == Qt::Key_Space && enCours && BoutonManuel->isChecked()) {
        ButtonAcquiPointClick();
        return true;
    }
    return QMainWindow::eventFilter(o, e);
}

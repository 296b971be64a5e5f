// The run screen's menus and copies: work files, tests, the values of the point and of the tests,
// the graph's picture and its printing, the display settings.
#include "FormApplication.h"

#include "commun/AboutBox.h"

#include "commun/Controles.h"
#include "commun/Fenetres.h"
#include "commun/MenuFichier.h"
#include "graph/CaractMachine.h"
#include "link/FormCom.h"
#include "socle/Aide.h"
#include "socle/ConfigGenerale.h"
#include "socle/Dialogues.h"
#include "socle/DialoguesFichiers.h"
#include "socle/Textes.h"
#include "study/FormCalibreCourant.h"
#include "study/TraceCaract.h"
#include "work/CopieValeurs.h"
#include "work/FichierTravail.h"
#include "work/Format.h"
#include "work/QuestionsTravail.h"
#include "work/SessionTravail.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolButton>

void TFormApplication::construitMenus() {
    construitMenuFichier({this, Disposition::Vimr2, &dialoguesFichiers().SaveDialogAppli,
                          [](const QString& type) { return type != QLatin1String(TYPE_VIMR2); },
                          [this] { Action(); },
                          [this] {
                              ButtonGraphAnim->setChecked(false);
                              if (ButtonCharge->isChecked()) StopAcqui();
                              CaractMachine5->hide();
                          },
                          [this] { Configurationimprimante1Click(); }, [this] { Imprimer1Click(); }, Quitter1,
                          [this](QPainter& p, QPaintDevice& d, const QRect& r) { dessinePage(p, d, r); },
                          [] { return std::vector<int>{5}; }});

    Edition1 = menuBar()->addMenu(QString());
    Nouvelessai1 =
        EntreeTexte(Edition1->addAction(QString(), this, &TFormApplication::Nouvelessai1Click), 267);
    avecUnPoint.push_back(Nouvelessai1);
    Suppressionessai1 = Edition1->addMenu(QString());
    EntreeTexte(Suppressionessai1->menuAction(), 268);
    Edition1->addSeparator();
    EntreeTexte(Edition1->addAction(QString(), this, &TFormApplication::Copierlescaracteristiques1Click),
                269);
    EntreeTexte(Edition1->addAction(QString(), this, [this] { Copiervaleurs(-1); }), 270);
    EntreeTexte(Edition1->addAction(QString(), this, [this] { Copiervaleurs(m_session.EssaiCourant); }), 271);
    connect(Edition1, &QMenu::aboutToShow, this, &TFormApplication::EditionPopup);

    Configuration1 = menuBar()->addMenu(QString());
    MenuInterpolation(Configuration1, this, [this](int v) { InterpolationClick(v); });
    MenuCouleurs(Configuration1, this,
                 {"CBlanc", "CbleuClair", "CJaune", "CGris", "CBrun", "CVert", "CBleu", "CNoir"},
                 [this](int i) { CouleurClick(i); });
    EntreeGrandsReperes(Configuration1, this, [this] { Action(); });
    EntreeTexte(Configuration1->addAction(QString(), this,
                                          [this] {
                                              if (auto* d =
                                                      qobject_cast<QDialog*>(m_fenetres.FormCalibreCourant))
                                                  d->exec();
                                              Action();
                                          }),
                283);
    EntreeTexte(Configuration1->addAction(QString(), this,
                                          [this] {
                                              if (m_fenetres.FormCom) m_fenetres.FormCom->exec();
                                          }),
                284);
    QMenu* aide = menuBar()->addMenu("?");
    EntreeTexte(aide->addAction(QString(), this, [this] { ButtonRessource->click(); }), "Ressource",
                "Resource", "Recurso");
    EntreeAPropos(aide, this, m_fenetres);
    ajouteAideAuMenu(aide, this);
}

void TFormApplication::EditionPopup() {
    const Travail& t = m_travail;
    const int n = t.EnteteTravail.NbEssais;
    Nouvelessai1->setEnabled(t.NouvelEssaiPossible());
    Suppressionessai1->clear();
    // One entry per test of the work, whether or not the test row is in view.
    for (int k = 1; k <= std::min(n, NB_ESSAIS_MAX); ++k)
        Suppressionessai1->addAction(Buttoncourbe[k - 1]->text(), this, [this, k] { SuppCourbeClick(k); });
    Suppressionessai1->setEnabled(n > 1);
}

void TFormApplication::InterpolationClick(int valeur) {
    m_travail.EnteteTravail.Interpolation = valeur;
    if (CaractMachine5->isVisible()) CaractMachine5->tracecaract();
}

void TFormApplication::CouleurClick(int schema) {
    ConfigGenerale().SchemaCouleurs = uint8_t(schema);
    Action();
}

void TFormApplication::ButtonCopieValeurClick() {
    QString libelles, unites, valeurs;
    for (int i = 0; i < NbLignesAff; ++i) {
        if (!TextAFF[i]->isVisibleTo(this)) continue;
        const LigneParametre& l = m_panneau.lignes[i];
        libelles += l.libelle + '\t';
        unites += l.unite + '\t';
        valeurs += l.valeur + '\t';
    }
    std::vector<int> cols = {4, 5, 6};
    if (Mesure[9]->isVisibleTo(this)) cols.push_back(9);
    if (Mesure[7]->isVisibleTo(this)) cols.push_back(7);
    for (int c : {1, 2, 3})
        cols.push_back(c);
    if (Mesure[8]->isVisibleTo(this)) cols.push_back(8);
    if (Mesure[10]->isVisibleTo(this)) cols.push_back(10);
    if (TextVar2->isVisibleTo(this)) cols.push_back(13);
    if (TextVar3->isVisibleTo(this)) cols.push_back(14);
    QStringList noms, unitesCol, valeursCol;
    for (int c : cols) {
        noms << m_session.Colonnes[c].Nom;
        unitesCol << m_session.Colonnes[c].Unite;
        if (c == 13)
            valeursCol << TextVar2->texte();
        else if (c == 14)
            valeursCol << TextVar3->texte();
        else
            valeursCol << TexteMesureBrut(m_session, m_etat.Mesures, c);
    }
    const QString fin = QStringLiteral("\r\n");
    QApplication::clipboard()->setText(libelles + fin + unites + fin + valeurs + fin + noms.join('\t') + fin +
                                       unitesCol.join('\t') + fin + valeursCol.join('\t') + fin);
}

void TFormApplication::Copiervaleurs(int essai) {
    QApplication::clipboard()->setText(
        TexteValeurs(m_travail, m_session, essai, DERNIERE_COLONNE_APPLICATION));
}

void TFormApplication::Copierlescaracteristiques1Click() {
    CaractMachine5->Copiercaract();
}

QPrinter& TFormApplication::imprimante() {
    if (!m_imprimante) m_imprimante = std::make_unique<QPrinter>();
    return *m_imprimante;
}

void TFormApplication::Configurationimprimante1Click() {
    dialogues().configurerImprimante(imprimante());
}

void TFormApplication::Imprimer1Click() {
    QPrinter& imprimante = this->imprimante();
    if (!dialogues().imprimer(imprimante)) return;
    if (!ButtonGraphAnim->isChecked()) return;
    QPainter p;
    if (!p.begin(&imprimante)) return;
    dessinePage(p, imprimante, imprimante.pageLayout().paintRectPixels(imprimante.resolution()));
    p.end();
}

void TFormApplication::dessinePage(QPainter& p, QPaintDevice& support, const QRect& page) {
    const MiseEnPage m = miseEnPageImpression(page.width(), page.height());
    imprimeEnTete(p, support, m_travail, m);
    CaractMachine5->imprimeDans(p, m.panneaux, 8);
}

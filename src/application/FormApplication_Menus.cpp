// The run screen's menus and copies: work files, tests, the values of the point and of the tests,
// the graph's picture and its printing, the display settings.
#include "FormApplication.h"

#include "AboutBox.h"

#include "graph/CaractMachine.h"
#include "link/FormCom.h"
#include "shell/Aide.h"
#include "shell/ConfigGenerale.h"
#include "shell/Controles.h"
#include "shell/Dialogues.h"
#include "shell/DialoguesFichiers.h"
#include "shell/Fenetres.h"
#include "shell/Textes.h"
#include "study/Avertissement.h"
#include "study/FormCalibreCourant.h"
#include "study/TraceCaract.h"
#include "work/CopieValeurs.h"
#include "work/FichierTravail.h"
#include "work/Format.h"
#include "work/Travail.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolButton>

void TFormApplication::construitMenus() {
    EntreeTexte(Fichier1->addAction(QString(), QKeySequence::Open, this, &TFormApplication::ouvrir1Click),
                257);
    Enregistrer1 = EntreeTexte(
        Fichier1->addAction(QString(), QKeySequence::Save, this, &TFormApplication::Enregistrer1Click), 258);
    EntreeTexte(Fichier1->addAction(QString(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                                    &TFormApplication::Enregistrersous1Click),
                259);
    Nouveautravail1 = EntreeTexte(
        Fichier1->addAction(QString(), QKeySequence::New, this, &TFormApplication::Nouveautravail1Click),
        260);
    Fichier1->addSeparator();
    EntreeTexte(Fichier1->addAction(QString(), this, &TFormApplication::Configurationimprimante1Click), 261);
    Imprimer1 = EntreeTexte(
        Fichier1->addAction(QString(), QKeySequence::Print, this, &TFormApplication::Imprimer1Click), 262);
    Fichier1->addSeparator();
    Fichier1->addAction(Quitter1);
    connect(Fichier1, &QMenu::aboutToShow, this, &TFormApplication::FichierPopup);

    Edition1 = menuBar()->addMenu(QString());
    Nouvelessai1 =
        EntreeTexte(Edition1->addAction(QString(), this, &TFormApplication::Nouvelessai1Click), 267);
    Suppressionessai1 = Edition1->addMenu(QString());
    EntreeTexte(Suppressionessai1->menuAction(), 268);
    Edition1->addSeparator();
    EntreeTexte(Edition1->addAction(QString(), this, &TFormApplication::Copierlescaracteristiques1Click),
                269);
    EntreeTexte(Edition1->addAction(QString(), this, [this] { Copiervaleurs(-1); }), 270);
    EntreeTexte(Edition1->addAction(QString(), this, [this] { Copiervaleurs(travail().EssaiCourant); }), 271);
    connect(Edition1, &QMenu::aboutToShow, this, &TFormApplication::EditionPopup);

    Configuration1 = menuBar()->addMenu(QString());
    QMenu* interpolation = Configuration1->addMenu(QString());
    EntreeTexte(interpolation->menuAction(), 275);
    const int valeurs[6] = {-1, 1, 2, 3, 4, 5};
    for (int i = 0; i < 6; ++i)
        EntreeTexte(
            interpolation->addAction(QString(), this, [this, v = valeurs[i]] { InterpolationClick(v); }),
            276 + i);
    QMenu* couleurs = Configuration1->addMenu(QString());
    EntreeTexte(couleurs->menuAction(), 282);
    const char* noms[8] = {"CBlanc", "CbleuClair", "CJaune", "CGris", "CBrun", "CVert", "CBleu", "CNoir"};
    const QColor teintes[8] = {
        Qt::white,          QColor(128, 255, 255), Qt::yellow,        QColor(192, 192, 192),
        QColor(128, 64, 0), QColor(0, 128, 0),     QColor(0, 0, 128), Qt::black};
    for (int i = 0; i < 8; ++i) {
        QPixmap p(16, 16);
        p.fill(teintes[i]);
        QAction* a = couleurs->addAction(QIcon(p), QString(), this, [this, i] { CouleurClick(i); });
        a->setObjectName(noms[i]);
        a->setIconVisibleInMenu(true);
    }
    EntreeTexte(Configuration1->addAction(QString(), this,
                                          [this] {
                                              if (auto* d =
                                                      qobject_cast<QDialog*>(fenetres().FormCalibreCourant))
                                                  d->exec();
                                              Action();
                                          }),
                283);
    EntreeTexte(Configuration1->addAction(QString(), this,
                                          [] {
                                              if (fenetres().FormCom) fenetres().FormCom->exec();
                                          }),
                284);
    QMenu* aide = menuBar()->addMenu("?");
    EntreeTexte(aide->addAction(QString(), this, [this] { ButtonRessource->click(); }), "Ressource",
                "Resource", "Recurso");
    EntreeTexte(aide->addAction(QString(), this,
                                [] {
                                    if (TAboutBox* a = fenetres().AboutBox) a->exec();
                                }),
                286);
    ajouteAideAuMenu(aide, this);
}

void TFormApplication::FichierPopup() {
    const bool points = travail().Essais[1].Entete.DernierPoint() >= 0;
    for (QAction* a : {Enregistrer1, Nouveautravail1, Imprimer1, Nouvelessai1})
        a->setEnabled(points);
}

void TFormApplication::EditionPopup() {
    const Travail& t = travail();
    const int n = t.EnteteTravail.NbEssais;
    Nouvelessai1->setEnabled(n <= 4 && n >= 1 && t.Essais[n].Entete.DernierPoint() >= 0);
    Suppressionessai1->clear();
    // One entry per test of the work, whether or not the test row is in view.
    for (int k = 1; k <= std::min(n, NB_ESSAIS_MAX); ++k)
        Suppressionessai1->addAction(Buttoncourbe[k - 1]->text(), this, [this, k] { SuppCourbeClick(k); });
    Suppressionessai1->setEnabled(n > 1);
}

bool TFormApplication::Avertissement() {
    return ::Avertissement(travail());
}

void TFormApplication::ouvrir1Click() {
    if (Avertissement()) {
        const QString nom = dialoguesFichiers().OpenDialogMachine.ouvre();
        if (!nom.isEmpty()) LitTravail(travail(), nom);
    }
    Action();
}

void TFormApplication::enregistre(const QString& nom) {
    EcritTravail(travail(), nom, Disposition::Vimr2);
    Action();
}

void TFormApplication::Enregistrer1Click() {
    const QString nom = travail().NomFichierCourant;
    // A name of the machine layout would be read back as that layout: ask for another.
    if (nom.isEmpty() || TypeFichier(nom) != QLatin1String(TYPE_VIMR2))
        Enregistrersous1Click();
    else
        enregistre(nom);
}

void TFormApplication::Enregistrersous1Click() {
    const QString nom = dialoguesFichiers().SaveDialogAppli.enregistre();
    if (!nom.isEmpty()) enregistre(nom);
}

void TFormApplication::Nouveautravail1Click() {
    if (Avertissement()) {
        travail().NouveauTravail();
        dialoguesFichiers().SaveDialogMachine.nomFichier.clear();
        dialoguesFichiers().SaveDialogAppli.nomFichier.clear();
        ButtonGraphAnim->setChecked(false);
        if (ButtonCharge->isChecked()) StopAcqui();
        CaractMachine5->hide();
    }
    close();
}

void TFormApplication::InterpolationClick(int valeur) {
    travail().EnteteTravail.Interpolation = valeur;
    if (CaractMachine5->isVisible()) CaractMachine5->tracecaract();
}

void TFormApplication::CouleurClick(int schema) {
    ConfigGenerale().SchemaCouleurs = uint8_t(schema);
    Action();
}

void TFormApplication::ButtonCopieValeurClick() {
    const Travail& t = travail();
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
        noms << t.Colonnes[c].Nom;
        unitesCol << t.Colonnes[c].Unite;
        if (c == 13)
            valeursCol << TextVar2->texte();
        else if (c == 14)
            valeursCol << TextVar3->texte();
        else
            valeursCol << TexteMesureBrut(t, c);
    }
    const QString fin = QStringLiteral("\r\n");
    QApplication::clipboard()->setText(libelles + fin + unites + fin + valeurs + fin + noms.join('\t') + fin +
                                       unitesCol.join('\t') + fin + valeursCol.join('\t') + fin);
}

void TFormApplication::Copiervaleurs(int essai) {
    QApplication::clipboard()->setText(TexteValeurs(travail(), essai, DERNIERE_COLONNE_APPLICATION));
}

void TFormApplication::Copierlescaracteristiques1Click() {
    CaractMachine5->Copiercaract();
}

void TFormApplication::Configurationimprimante1Click() {
    dialogues().configurerImprimante(m_imprimante);
}

void TFormApplication::Imprimer1Click() {
    if (!dialogues().imprimer(m_imprimante)) return;
    if (!ButtonGraphAnim->isChecked()) return;
    QPainter p;
    if (!p.begin(&m_imprimante)) return;
    const QRect page = m_imprimante.pageLayout().paintRectPixels(m_imprimante.resolution());
    const MiseEnPage m = miseEnPageImpression(page.width(), page.height());
    imprimeEnTete(p, m_imprimante, travail(), m);
    CaractMachine5->imprimeDans(p, m.panneaux, 8);
    p.end();
}

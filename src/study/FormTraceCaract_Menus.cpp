// The plot window's menus: files, characteristics, tests, copies, printing, sorting, display.
#include "FormTraceCaract.h"

#include "FormCalibreCourant.h"
#include "FormTrierPoints.h"
#include "NouvelCaract.h"
#include "TraceCaract.h"
#include "TriPoints.h"
#include "application/AboutBox.h"
#include "application/AideCablage.h"
#include "graph/CaractMachine.h"
#include "graph/Graphe.h"
#include "link/FormCom.h"
#include "shell/Aide.h"
#include "shell/ConfigGenerale.h"
#include "shell/Controles.h"
#include "shell/Dialogues.h"
#include "shell/DialoguesFichiers.h"
#include "shell/Fenetres.h"
#include "shell/Textes.h"
#include "study/Avertissement.h"
#include "work/CopieValeurs.h"
#include "work/FichierTravail.h"
#include "work/Travail.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QSvgGenerator>
#include <QToolButton>

void TFormTraceCaract::construitMenus() {
    Fichier1 = menuBar()->addMenu(QString());
    EntreeTexte(Fichier1->addAction(QString(), QKeySequence::Open, this, &TFormTraceCaract::ouvrir1Click),
                257);
    Enregistrer1 = EntreeTexte(
        Fichier1->addAction(QString(), QKeySequence::Save, this, &TFormTraceCaract::Enregistrer1Click), 258);
    EntreeTexte(Fichier1->addAction(QString(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                                    &TFormTraceCaract::Enregistrersous1Click),
                259);
    Nouveautravail1 = EntreeTexte(
        Fichier1->addAction(QString(), QKeySequence::New, this, &TFormTraceCaract::Nouveautravail1Click),
        260);
    Fichier1->addSeparator();
    EntreeTexte(Fichier1->addAction(QString(), this, &TFormTraceCaract::Configurationimprimante1Click), 261);
    Imprimer1 = EntreeTexte(
        Fichier1->addAction(QString(), QKeySequence::Print, this, &TFormTraceCaract::Imprimer1Click), 262);
    Fichier1->addSeparator();
    EntreeTexte(Fichier1->addAction(QString(), this, &QWidget::close), 263);
    connect(Fichier1, &QMenu::aboutToShow, this, &TFormTraceCaract::FichierPopup);

    Edition1 = menuBar()->addMenu(QString());
    NouvelleCaract1 =
        EntreeTexte(Edition1->addAction(QString(), this, &TFormTraceCaract::NouvelleCaracteristique), 264);
    ModificationCaract1 = Edition1->addMenu(QString());
    EntreeTexte(ModificationCaract1->menuAction(), 265);
    SuppressionCaract1 = Edition1->addMenu(QString());
    EntreeTexte(SuppressionCaract1->menuAction(), 266);
    Edition1->addSeparator();
    Nouvelessai1 = EntreeTexte(Edition1->addAction(QString(), this, &TFormTraceCaract::NouvelEssai), 267);
    Suppressionessai1 = Edition1->addMenu(QString());
    EntreeTexte(Suppressionessai1->menuAction(), 268);
    Edition1->addSeparator();
    EntreeTexte(Edition1->addAction(QString(), this, &TFormTraceCaract::Copierlescaractristiques1Click), 269);
    EntreeTexte(Edition1->addAction(QString(), this, [this] { Copiervaleurs(-1); }), 270);
    EntreeTexte(Edition1->addAction(QString(), this, [this] { Copiervaleurs(travail().EssaiCourant); }), 271);
    connect(Edition1, &QMenu::aboutToShow, this, &TFormTraceCaract::EditionPopup);

    Configuration1 = menuBar()->addMenu(QString());
    QMenu* tri = Configuration1->addMenu(QString());
    EntreeTexte(tri->menuAction(), 272);
    Delacourbeselectionne1 =
        EntreeTexte(tri->addAction(QString(), this, &TFormTraceCaract::delacourbeselectionne1Click), 273);
    EntreeTexte(tri->addAction(QString(), this, &TFormTraceCaract::detouteslescourbes1Click), 274);
    QMenu* interpolation = Configuration1->addMenu(QString());
    EntreeTexte(interpolation->menuAction(), 275);
    const int valeurs[6] = {-1, 1, 2, 3, 4, 5};
    for (int i = 0; i < 6; ++i)
        EntreeTexte(
            interpolation->addAction(QString(), this, [this, v = valeurs[i]] { InterpolationClick(v); }),
            276 + i);
    QMenu* couleurs = Configuration1->addMenu(QString());
    EntreeTexte(couleurs->menuAction(), 282);
    const char* noms[8] = {"Cblanc", "CbleuClair", "CJaune", "Cgris", "CBrun", "CVert", "CBleu", "CNoir"};
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
    EntreeTexte(Configuration1->addAction(QString(), this, &TFormTraceCaract::CalibreCourant1Click), 283);
    // The link window may change the language: the quantities' names follow.
    EntreeTexte(Configuration1->addAction(QString(), this,
                                          [this] {
                                              fenetres().FormCom->exec();
                                              Langue();
                                              Action();
                                          }),
                284);
    connect(Configuration1, &QMenu::aboutToShow, this, &TFormTraceCaract::ConfigurationPopup);

    Aide1 = menuBar()->addMenu("?");
    EntreeTexte(Aide1->addAction(QString(), this,
                                 [this] {
                                     if (TFormAideCablage* a = fenetres().FormAideCablage) a->Montre(this);
                                 }),
                285);
    EntreeTexte(Aide1->addAction(QString(), this,
                                 [] {
                                     if (TAboutBox* a = fenetres().AboutBox) a->exec();
                                 }),
                286);
    ajouteAideAuMenu(Aide1, this);
}

void TFormTraceCaract::FichierPopup() {
    const bool points = travail().Essais[1].Entete.DernierPoint() >= 0;
    for (QAction* a : {Enregistrer1, Nouveautravail1, Imprimer1, Nouvelessai1})
        a->setEnabled(points);
}

void TFormTraceCaract::EditionPopup() {
    const Travail& t = travail();
    const int definies = t.NbCaract();
    NouvelleCaract1->setEnabled(definies < 4);
    ModificationCaract1->clear();
    SuppressionCaract1->clear();
    for (int k = 1; k <= 4; ++k) {
        if (!ButtonCar[k - 1]->isVisible()) continue;
        ModificationCaract1->addAction(ButtonCar[k - 1]->text(), this, [this, k] { ModifieCaract(k); });
        SuppressionCaract1->addAction(ButtonCar[k - 1]->text(), this,
                                      [this, k] { SupprimeCaracteristique(k); });
    }
    ModificationCaract1->setEnabled(definies > 0);
    SuppressionCaract1->setEnabled(definies > 0);
    const int n = t.EnteteTravail.NbEssais;
    Nouvelessai1->setEnabled(n <= 4 && n >= 1 && t.Essais[n].Entete.DernierPoint() >= 0);
    Suppressionessai1->clear();
    for (int k = 1; k <= 5; ++k)
        if (Buttoncourbe[k - 1]->isVisible())
            Suppressionessai1->addAction(Buttoncourbe[k - 1]->text(), this,
                                         [this, k] { SuppCourbeClick(k); });
    Suppressionessai1->setEnabled(n > 1);
}

void TFormTraceCaract::ConfigurationPopup() {
    const int type = travail().ModeleEssai.TypeCharge();
    Delacourbeselectionne1->setEnabled(TriCourbeSelectionneeActif(type, Delacourbeselectionne1->isEnabled()));
}

bool TFormTraceCaract::Avertissement() {
    return ::Avertissement(travail());
}

void TFormTraceCaract::ouvrir1Click() {
    if (Avertissement()) {
        const QString nom = dialoguesFichiers().OpenDialogMachine.ouvre();
        if (!nom.isEmpty()) LitTravail(travail(), nom);
    }
    Action();
}

void TFormTraceCaract::enregistre(const QString& nom) {
    EcritTravail(travail(), nom, Disposition::MLX2);
    Action();
}

void TFormTraceCaract::Enregistrer1Click() {
    const QString nom = travail().NomFichierCourant;
    // A name of the application layout would be read back as that layout: ask for another.
    if (nom.isEmpty() || TypeFichier(nom) == QLatin1String(TYPE_VIMR2))
        Enregistrersous1Click();
    else
        enregistre(nom);
}

void TFormTraceCaract::Enregistrersous1Click() {
    const QString nom = dialoguesFichiers().SaveDialogMachine.enregistre();
    if (!nom.isEmpty()) enregistre(nom);
}

void TFormTraceCaract::Nouveautravail1Click() {
    if (Avertissement()) {
        travail().NouveauTravail();
        dialoguesFichiers().SaveDialogMachine.nomFichier.clear();
        dialoguesFichiers().SaveDialogAppli.nomFichier.clear();
    }
    close();
}

void TFormTraceCaract::NouvelleCaracteristique() {
    const int definies = travail().NbCaract();
    if (definies >= 4) return;
    auto* d = qobject_cast<TNouvelCaract*>(fenetres().NouvelCaract);
    if (!d) return;
    d->Prepare(ModeDefinition::Nouveau, definies + 1);
    d->exec();
    Action();
}

void TFormTraceCaract::ModifieCaract(int n) {
    auto* d = qobject_cast<TNouvelCaract*>(fenetres().NouvelCaract);
    if (!d || n < 1 || n > 4) return;
    d->Prepare(ModeDefinition::Modification, n);
    d->exec();
    Action();
}

void TFormTraceCaract::SupprimeCaracteristique(int k) {
    if (dialogues().question(Textes().Texte[225], false) != Dialogues::Reponse::Oui) return;
    travail().SupprimeCaract(k);
    Action();
}

void TFormTraceCaract::NouvelEssai() {
    travail().AjouteEssai();
    Action();
}

void TFormTraceCaract::SuppCourbeClick(int k) {
    if (DemandeSuppressionEssai(travail(), k)) Action();
}

void TFormTraceCaract::SupprimePoints(int k) {
    if (DemandeSuppressionPoints(travail(), k)) Action();
}

void TFormTraceCaract::SupprimeTousLesPoints() {
    Travail& t = travail();
    if (t.EssaiCourant < 1) return;
    if (dialogues().question(Textes().Texte[227] + QString::number(t.EssaiCourant), false) !=
        Dialogues::Reponse::Oui)
        return;
    t.Essais[t.EssaiCourant].Entete.DernierPoint() = -1;
    t.TravailEnregistre = false;
    Action();
}

void TFormTraceCaract::SupprimePointSelectionne() {
    Travail& t = travail();
    t.SupprimePoint(t.PointCourant, t.EssaiCourant);
    t.Mesures[0] = -1;
    TraceTout();
}

void TFormTraceCaract::InterpolationClick(int valeur) {
    travail().EnteteTravail.Interpolation = valeur;
    TraceTout();
}

void TFormTraceCaract::CouleurClick(int schema) {
    ConfigGenerale().SchemaCouleurs = uint8_t(schema);
    Action();
}

void TFormTraceCaract::Copiervaleurs(int essai) {
    QApplication::clipboard()->setText(TexteValeurs(travail(), essai, DERNIERE_COLONNE_CARACT));
}

void TFormTraceCaract::dessinePanneaux(QPainter& p, const QRect& cadre, int taillePolice) {
    const auto places =
        calculposition(cadre.left(), cadre.top(), cadre.width(), cadre.height(), NbPanelTrace());
    int slot = 0;
    for (int k = 0; k < 4; ++k) {
        if (!(ButtonCar[k]->isVisible() && ButtonCar[k]->isChecked())) continue;
        m_panneaux[k]->imprimeDans(p, places[slot++], taillePolice);
    }
}

void TFormTraceCaract::Copierlescaractristiques1Click() {
    const int dpi = screen() ? int(screen()->logicalDotsPerInchX()) : 96;
    const QSize taille = tailleCopieCaract(dpi);
    const QRect cadre(QPoint(0, 0), taille);
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    {
        QSvgGenerator g;
        g.setOutputDevice(&svg);
        g.setSize(taille);
        g.setViewBox(cadre);
        g.setResolution(dpi);
        QPainter p(&g);
        dessinePanneaux(p, cadre, 0);
    }
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    {
        QPainter p(&image);
        dessinePanneaux(p, cadre, 0);
    }
    auto* donnees = new QMimeData;
    donnees->setData(QStringLiteral("image/svg+xml"), svg.data());
    donnees->setImageData(image);
    QApplication::clipboard()->setMimeData(donnees);
}

void TFormTraceCaract::Configurationimprimante1Click() {
    dialogues().configurerImprimante(m_imprimante);
}

void TFormTraceCaract::Imprimer1Click() {
    if (!dialogues().imprimer(m_imprimante)) return;
    QPainter p;
    if (!p.begin(&m_imprimante)) return;
    const QRect page = m_imprimante.pageLayout().paintRectPixels(m_imprimante.resolution());
    const MiseEnPage m = miseEnPageImpression(page.width(), page.height());
    imprimeEnTete(p, m_imprimante, travail(), m);
    // Labels at 8 points: the automatic size follows the frame's pixels, far too many on paper.
    dessinePanneaux(p, m.panneaux, 8);
    p.end();
}

void TFormTraceCaract::delacourbeselectionne1Click() {
    auto* d = qobject_cast<TFormTrierPoints*>(fenetres().FormTrierPoints);
    if (!d) return;
    if (const auto choix = d->Demande()) TriCourbeSelectionnee(travail(), *choix);
    Action();
}

void TFormTraceCaract::detouteslescourbes1Click() {
    auto* d = qobject_cast<TFormTrierPoints*>(fenetres().FormTrierPoints);
    if (!d) return;
    if (const auto choix = d->Demande()) TriToutesCourbes(travail(), *choix);
    Action();
}

void TFormTraceCaract::CalibreCourant1Click() {
    if (auto* d = qobject_cast<QDialog*>(fenetres().FormCalibreCourant)) d->exec();
    Action();
}

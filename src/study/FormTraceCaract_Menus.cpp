// The plot window's menus: files, characteristics, tests, copies, printing, sorting, display.
#include "FormTraceCaract.h"

#include "FormCalibreCourant.h"
#include "FormTrierPoints.h"
#include "NouvelCaract.h"
#include "TraceCaract.h"
#include "TriPoints.h"
#include "commun/AboutBox.h"
#include "commun/AideCablage.h"
#include "commun/Controles.h"
#include "commun/Fenetres.h"
#include "commun/MenuFichier.h"
#include "graph/CaractMachine.h"
#include "graph/Graphe.h"
#include "link/FormCom.h"
#include "socle/Aide.h"
#include "socle/ConfigGenerale.h"
#include "socle/Dialogues.h"
#include "socle/DialoguesFichiers.h"
#include "socle/Textes.h"
#include "work/CopieValeurs.h"
#include "work/FichierTravail.h"
#include "work/QuestionsTravail.h"
#include "work/SessionTravail.h"

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
    auto* quitter = EntreeTexte(new QAction(this), 263);
    connect(quitter, &QAction::triggered, this, &QWidget::close);
    construitMenuFichier({this,
                          Disposition::MLX2,
                          &dialoguesFichiers().SaveDialogMachine,
                          [](const QString& type) { return type == QLatin1String(TYPE_VIMR2); },
                          [this] { Action(); },
                          {},
                          [this] { Configurationimprimante1Click(); },
                          [this] { Imprimer1Click(); },
                          quitter,
                          [this](QPainter& p, QPaintDevice& d, const QRect& r) { dessinePage(p, d, r); },
                          [this] {
                              std::vector<int> affichees;
                              for (int k = 0; k < 4; ++k)
                                  if (ButtonCar[k]->isVisible() && ButtonCar[k]->isChecked())
                                      affichees.push_back(k + 1);
                              return affichees;
                          }});

    Edition1 = menuBar()->addMenu(QString());
    NouvelleCaract1 =
        EntreeTexte(Edition1->addAction(QString(), this, &TFormTraceCaract::NouvelleCaracteristique), 264);
    ModificationCaract1 = Edition1->addMenu(QString());
    EntreeTexte(ModificationCaract1->menuAction(), 265);
    SuppressionCaract1 = Edition1->addMenu(QString());
    EntreeTexte(SuppressionCaract1->menuAction(), 266);
    Edition1->addSeparator();
    Nouvelessai1 = EntreeTexte(Edition1->addAction(QString(), this, &TFormTraceCaract::NouvelEssai), 267);
    avecUnPoint.push_back(Nouvelessai1);
    Suppressionessai1 = Edition1->addMenu(QString());
    EntreeTexte(Suppressionessai1->menuAction(), 268);
    Edition1->addSeparator();
    EntreeTexte(Edition1->addAction(QString(), this, &TFormTraceCaract::Copierlescaractristiques1Click), 269);
    EntreeTexte(Edition1->addAction(QString(), this, [this] { Copiervaleurs(-1); }), 270);
    EntreeTexte(Edition1->addAction(QString(), this, [this] { Copiervaleurs(m_session.EssaiCourant); }), 271);
    connect(Edition1, &QMenu::aboutToShow, this, &TFormTraceCaract::EditionPopup);

    Configuration1 = menuBar()->addMenu(QString());
    QMenu* tri = Configuration1->addMenu(QString());
    EntreeTexte(tri->menuAction(), 272);
    Delacourbeselectionne1 =
        EntreeTexte(tri->addAction(QString(), this, &TFormTraceCaract::delacourbeselectionne1Click), 273);
    EntreeTexte(tri->addAction(QString(), this, &TFormTraceCaract::detouteslescourbes1Click), 274);
    MenuInterpolation(Configuration1, this, [this](int v) { InterpolationClick(v); });
    MenuCouleurs(Configuration1, this,
                 {"Cblanc", "CbleuClair", "CJaune", "Cgris", "CBrun", "CVert", "CBleu", "CNoir"},
                 [this](int i) { CouleurClick(i); });
    EntreeGrandsReperes(Configuration1, this, [this] { Action(); });
    EntreeTexte(Configuration1->addAction(QString(), this, &TFormTraceCaract::CalibreCourant1Click), 283);
    // The link window may change the language: the quantities' names follow.
    EntreeTexte(Configuration1->addAction(QString(), this,
                                          [this] {
                                              m_fenetres.FormCom->exec();
                                              Langue();
                                              Action();
                                          }),
                284);
    connect(Configuration1, &QMenu::aboutToShow, this, &TFormTraceCaract::ConfigurationPopup);

    Aide1 = menuBar()->addMenu("?");
    EntreeTexte(Aide1->addAction(QString(), this,
                                 [this] {
                                     if (TFormAideCablage* a = m_fenetres.FormAideCablage) a->Montre(this);
                                 }),
                285);
    EntreeAPropos(Aide1, this, m_fenetres);
    ajouteAideAuMenu(Aide1, this);
}

void TFormTraceCaract::EditionPopup() {
    const Travail& t = m_travail;
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
    Nouvelessai1->setEnabled(t.NouvelEssaiPossible());
    Suppressionessai1->clear();
    for (int k = 1; k <= 5; ++k)
        if (Buttoncourbe[k - 1]->isVisible())
            Suppressionessai1->addAction(Buttoncourbe[k - 1]->text(), this,
                                         [this, k] { SuppCourbeClick(k); });
    Suppressionessai1->setEnabled(n > 1);
}

void TFormTraceCaract::ConfigurationPopup() {
    const int type = m_session.ModeleEssai.TypeCharge();
    Delacourbeselectionne1->setEnabled(TriCourbeSelectionneeActif(type, Delacourbeselectionne1->isEnabled()));
}

void TFormTraceCaract::NouvelleCaracteristique() {
    const int definies = m_travail.NbCaract();
    if (definies >= 4) return;
    auto* d = qobject_cast<TNouvelCaract*>(m_fenetres.NouvelCaract);
    if (!d) return;
    d->Prepare(ModeDefinition::Nouveau, definies + 1);
    d->exec();
    Action();
}

void TFormTraceCaract::ModifieCaract(int n) {
    auto* d = qobject_cast<TNouvelCaract*>(m_fenetres.NouvelCaract);
    if (!d || n < 1 || n > 4) return;
    d->Prepare(ModeDefinition::Modification, n);
    d->exec();
    Action();
}

void TFormTraceCaract::SupprimeCaracteristique(int k) {
    if (dialogues().question(Textes().Texte[txt::QuestionSupprimeCaract], false) != Dialogues::Reponse::Oui)
        return;
    m_travail.SupprimeCaract(m_session, k);
    Action();
}

void TFormTraceCaract::NouvelEssai() {
    m_travail.AjouteEssai(m_session);
    Action();
}

void TFormTraceCaract::SupprimeTousLesPoints() {
    Travail& t = m_travail;
    if (m_session.EssaiCourant < 1) return;
    if (dialogues().question(
            Textes().Texte[txt::QuestionSupprimePoints] + QString::number(m_session.EssaiCourant), false) !=
        Dialogues::Reponse::Oui)
        return;
    t.Essais[m_session.EssaiCourant].Entete.DernierPoint() = -1;
    m_session.TravailEnregistre = false;
    Action();
}

void TFormTraceCaract::SupprimePointSelectionne() {
    Travail& t = m_travail;
    t.SupprimePoint(m_session, m_etat.PointCourant, m_session.EssaiCourant);
    m_etat.Mesures[0] = -1;
    TraceTout();
}

void TFormTraceCaract::InterpolationClick(int valeur) {
    m_travail.EnteteTravail.Interpolation = valeur;
    TraceTout();
}

void TFormTraceCaract::CouleurClick(int schema) {
    ConfigGenerale().SchemaCouleurs = uint8_t(schema);
    Action();
}

void TFormTraceCaract::Copiervaleurs(int essai) {
    QApplication::clipboard()->setText(TexteValeurs(m_travail, m_session, essai, DERNIERE_COLONNE_CARACT));
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

QPrinter& TFormTraceCaract::imprimante() {
    if (!m_imprimante) m_imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_imprimante;
}

void TFormTraceCaract::Configurationimprimante1Click() {
    dialogues().configurerImprimante(imprimante());
}

void TFormTraceCaract::Imprimer1Click() {
    QPrinter& imprimante = this->imprimante();
    if (!dialogues().imprimer(imprimante)) return;
    QPainter p;
    if (!p.begin(&imprimante)) return;
    dessinePage(p, imprimante, imprimante.pageLayout().paintRectPixels(imprimante.resolution()));
    p.end();
}

void TFormTraceCaract::dessinePage(QPainter& p, QPaintDevice& support, const QRect& page) {
    const MiseEnPage m = miseEnPageImpression(page.width(), page.height());
    imprimeEnTete(p, support, m_travail, m);
    // Labels at 8 points: the automatic size follows the frame's pixels, far too many on paper.
    dessinePanneaux(p, m.panneaux, 8);
}

void TFormTraceCaract::delacourbeselectionne1Click() {
    auto* d = qobject_cast<TFormTrierPoints*>(m_fenetres.FormTrierPoints);
    if (!d) return;
    if (const auto choix = d->Demande()) TriCourbeSelectionnee(m_travail, m_session, *choix);
    Action();
}

void TFormTraceCaract::detouteslescourbes1Click() {
    auto* d = qobject_cast<TFormTrierPoints*>(m_fenetres.FormTrierPoints);
    if (!d) return;
    if (const auto choix = d->Demande()) TriToutesCourbes(m_travail, *choix);
    Action();
}

void TFormTraceCaract::CalibreCourant1Click() {
    if (auto* d = qobject_cast<QDialog*>(m_fenetres.FormCalibreCourant)) d->exec();
    Action();
}

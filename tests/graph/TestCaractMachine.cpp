#include "TravailExemple.h"
#include "graph/CaractMachine.h"
#include "graph/ProprietaireGraphe.h"
#include "socle/ConfigGenerale.h"
#include "work/EtatEtude.h"
#include "work/Format.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct ProprietaireFactice final : ProprietaireGraphe {
    QStringList appels;
    std::function<void()> surCurseur;
    void SupprimePointSelectionne() override { appels << "SupprimePointSelectionne"; }
    void SupprimeTousLesPoints() override { appels << "SupprimeTousLesPoints"; }
    void NouvelEssai() override { appels << "NouvelEssai"; }
    void ModifieCaract(int n) override { appels << QString("ModifieCaract %1").arg(n); }
    void Action() override { appels << "Action"; }
    void Curseur() override {
        appels << "Curseur";
        if (surCurseur) surCurseur();
    }
};

class CaractMachineTest : public testing::Test {
protected:
    std::unique_ptr<Travail> travail;
    SessionTravail session;
    EtatEtude etude;
    ProprietaireFactice traceCaract, application;
    std::unique_ptr<TCaractMachine> panneau;

    void SetUp() override {
        AppliqueLangue(1);
        ConfigGenerale().SchemaCouleurs = 0;
        travail = std::make_unique<Travail>();
        remplitTravailExemple(*travail, session, 30);
        ouvre(1);
    }
    void TearDown() override {
        panneau.reset();
        AppliqueLangue(1);
    }

    void ouvre(int n) {
        panneau = std::make_unique<TCaractMachine>(n, *travail, session, etude);
        panneau->setProprietaires(&traceCaract, &application);
        // The plot window's cursor routine moves its panels' cursors.
        traceCaract.surCurseur = [this] { panneau->curseur(); };
        panneau->resize(640, 480);
        panneau->show();
        QApplication::processEvents();
        panneau->tracecaract();
        traceCaract.appels.clear();
        application.appels.clear();
    }

    QImage image() const { return panneau->imageEcran().copy(); }
    QPoint pixelDuPoint(int essai, int k) const {
        const TGraphe& g = panneau->grapheEcran();
        const TEssai& e = travail->Essais[essai];
        const TDefCaract& d = travail->EnteteTravail.DefCaract(panneau->numero());
        return {int(g.EcranX(e.valeur(d.ColonneX, k))), int(g.EcranY(e.valeur(d.ColonneY, k)))};
    }
};

TEST_F(CaractMachineTest, TheHeaderNamesTheCharacteristic) {
    EXPECT_EQ(panneau->TextVariableY->text(), QString::fromUtf8("Vitesse de rotation"));
    EXPECT_EQ(panneau->TextVariableX->text(), QString::fromUtf8("Couple utile"));
    EXPECT_EQ(panneau->TextCaract->text(), "n(Tu)");
    EXPECT_EQ(panneau->ButtonCaract->text(), QString::fromUtf8("Caractéristique"));
    EXPECT_FALSE(panneau->imageEcran().isNull());
    EXPECT_TRUE(panneau->grapheEcran().Valide);
    EXPECT_EQ(panneau->grapheEcran().Cadre.Droite, panneau->PaintBox1->width());
    EXPECT_EQ(panneau->grapheEcran().TaillePolice, panneau->PaintBox1->width() / 200 + 5);
}

TEST_F(CaractMachineTest, ReadOutsShowTheSelectedPointThenDashesAfterAFullRedraw) {
    etude.SelectionPoint(*travail, session, 4);
    panneau->curseur();
    const int32_t tu = travail->Essais[1].valeur(2, 4), n = travail->Essais[1].valeur(1, 4);
    EXPECT_EQ(panneau->TextValeurX->text(), TexteValeur(tu, 2) + " Nm");
    EXPECT_EQ(panneau->TextValeurY->text(), QString::number(n) + " tr/min");
    panneau->tracegraphe();
    EXPECT_EQ(panneau->TextValeurX->text(), "----");
    EXPECT_EQ(panneau->TextValeurY->text(), "----");
}

TEST_F(CaractMachineTest, WithoutSelectionTheReadOutsShowTwoDashesAndNoCursor) {
    const QImage sansCurseur = image();
    etude.SelectionPoint(*travail, session, 4);
    panneau->curseur();
    EXPECT_NE(image(), sansCurseur);
    etude.Mesures[0] = -1;
    panneau->curseur();
    EXPECT_EQ(panneau->TextValeurX->text(), "--");
    EXPECT_EQ(panneau->TextValeurY->text(), "--");
    EXPECT_EQ(image(), sansCurseur);
}

TEST_F(CaractMachineTest, SlidersMapToTheDefinitionsZoomPositions) {
    const TDefCaract& d = travail->EnteteTravail.DefCaract(1);
    EXPECT_EQ(panneau->ZoomX->value(), 18);
    EXPECT_EQ(panneau->ZoomY->value(), 50 - 18);
    panneau->ZoomY->setValue(50);
    EXPECT_EQ(d.ZoomY, 0); // factor 10, the widest Y range
    EXPECT_EQ(panneau->grapheEcran().Y.Max, 1500 * 50 / 10);
    panneau->ZoomX->setValue(27);
    EXPECT_EQ(d.ZoomX, 27);
    EXPECT_EQ(panneau->grapheEcran().X.Max, 2000 * 50 / 120);
    EXPECT_EQ(panneau->TextValeurX->text(), "----");
}

TEST_F(CaractMachineTest, AFullRedrawUsesTheSettingsColourScheme) {
    ConfigGenerale().SchemaCouleurs = 7;
    panneau->tracegraphe();
    ConfigGenerale().SchemaCouleurs = 0;
    const QImage i = image();
    EXPECT_EQ(i.pixel(i.width() - 2, 1), QColor(Qt::black).rgb());
}

TEST_F(CaractMachineTest, ANewPointIsDrawnWithoutAFullRedraw) {
    etude.Mesures[1] = 500;
    etude.Mesures[2] = 1000;
    session.EssaiCourant = 2;
    ASSERT_EQ(travail->AjoutePoint(session, etude.Mesures), ResultatAjout::Ajoute);
    const QImage avant = image();
    panneau->tracepoint(2, travail->Essais[2].Entete.DernierPoint());
    const QImage apres = image();
    EXPECT_NE(apres, avant);
    const QPoint p = pixelDuPoint(2, travail->Essais[2].Entete.DernierPoint());
    EXPECT_EQ(apres.pixel(p + QPoint(2, 2)), QColor(0, 0, 0x80).rgb()); // test 2's "x", navy
}

TEST_F(CaractMachineTest, PressingAndDraggingSelectsTheNearestPointOfTheSelectedTest) {
    session.EssaiCourant = 3;
    QTest::mousePress(panneau->PaintBox1, Qt::LeftButton, {}, pixelDuPoint(3, 12));
    EXPECT_EQ(etude.PointCourant, 12);
    EXPECT_EQ(etude.Mesures[0], 12);
    EXPECT_EQ(etude.Mesures[2], travail->Essais[3].valeur(2, 12));
    EXPECT_EQ(traceCaract.appels, QStringList{"Curseur"});
    EXPECT_EQ(panneau->TextValeurX->text(), TexteValeur(travail->Essais[3].valeur(2, 12), 2) + " Nm");
    QTest::mouseMove(panneau->PaintBox1, pixelDuPoint(3, 25));
    EXPECT_EQ(etude.PointCourant, 25);
    QTest::mouseRelease(panneau->PaintBox1, Qt::LeftButton, {}, pixelDuPoint(3, 25));
}

TEST_F(CaractMachineTest, TheArrowKeysWalkThePointsOfTheSelectedTestAsClicksWould) {
    session.EssaiCourant = 3;
    const int dernier = travail->Essais[3].Entete.DernierPoint();
    const struct {
        Qt::Key touche;
        int point;
    } pas[] = {{Qt::Key_Right, 0},     {Qt::Key_Right, 1},       {Qt::Key_PageDown, 11}, {Qt::Key_Left, 10},
               {Qt::Key_End, dernier}, {Qt::Key_Right, dernier}, {Qt::Key_Home, 0},      {Qt::Key_Up, 0}};
    for (const auto& p : pas) {
        QTest::keyClick(panneau->PaintBox1, p.touche);
        EXPECT_EQ(etude.PointCourant, p.point) << QKeySequence(p.touche).toString().toStdString();
    }
    EXPECT_EQ(etude.Mesures[2], travail->Essais[3].valeur(2, 0));
    EXPECT_EQ(panneau->TextValeurX->text(), TexteValeur(travail->Essais[3].valeur(2, 0), 2) + " Nm");
    EXPECT_EQ(panneau->PaintBox1->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(panneau->PaintBox1->accessibleName(), panneau->accessibleName());
    EXPECT_TRUE(panneau->PaintBox1->accessibleDescription().startsWith("Point 0 : "))
        << panneau->PaintBox1->accessibleDescription().toStdString();
}

TEST_F(CaractMachineTest, OtherButtonsSelectNothing) {
    session.EssaiCourant = 3;
    etude.PointCourant = 7;
    QTest::mousePress(panneau->PaintBox1, Qt::MiddleButton, {}, pixelDuPoint(3, 12));
    EXPECT_EQ(etude.PointCourant, 7);
    EXPECT_TRUE(traceCaract.appels.isEmpty());
}

struct CasMenu {
    const char* etat;
    bool point, tousPoints, nouvelEssai, modification;
};

class MenuTest : public CaractMachineTest, public testing::WithParamInterface<CasMenu> {};

TEST_P(MenuTest, ItemsAreEnabledByTheStateOfTheWork) {
    const CasMenu c = GetParam();
    const std::string etat = c.etat;
    if (etat == "selection") etude.SelectionPoint(*travail, session, 3);
    if (etat == "essai vide") {
        travail->SupprimeEssai(session, 5);
        travail->AjouteEssai(session); // test 5 again, without points, and selected
    }
    if (etat == "travail vide") {
        travail->NouveauTravail(session);
        travail->AjouteEssai(session);
    }
    panneau->PopupMenu1Popup();
    EXPECT_EQ(panneau->Suppressiondupoint1->isEnabled(), c.point);
    EXPECT_EQ(panneau->Suppressiondetouslespoints1->isEnabled(), c.tousPoints);
    EXPECT_EQ(panneau->Nouvelessai1->isEnabled(), c.nouvelEssai);
    EXPECT_EQ(panneau->Modificationdelacarcateristique1->isEnabled(), c.modification);
    EXPECT_TRUE(panneau->Copierlacaracteristique1->isEnabled());
    EXPECT_TRUE(panneau->CopierlesvaleursSel->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Etats, MenuTest,
                         testing::Values(CasMenu{"sans selection", false, true, true, true},
                                         CasMenu{"selection", true, true, true, true},
                                         CasMenu{"essai vide", false, false, false, true},
                                         CasMenu{"travail vide", false, false, false, false}),
                         [](const auto& i) {
                             std::string s = i.param.etat;
                             std::replace(s.begin(), s.end(), ' ', '_');
                             return s;
                         });

TEST_F(CaractMachineTest, MenuActionsGoToTheOwnerOfTheDefinition) {
    panneau->Suppressiondupoint1->trigger();
    panneau->Suppressiondetouslespoints1->trigger();
    panneau->Nouvelessai1->trigger();
    panneau->Modificationdelacarcateristique1->trigger();
    QTest::mouseClick(panneau->ButtonCaract, Qt::LeftButton);
    EXPECT_EQ(traceCaract.appels,
              (QStringList{"SupprimePointSelectionne", "SupprimeTousLesPoints", "NouvelEssai",
                           "ModifieCaract 1", "Action", "ModifieCaract 1", "Action"}));
    EXPECT_TRUE(application.appels.isEmpty());
}

TEST_F(CaractMachineTest, ApplicationPanelsAskTheRunScreen) {
    ouvre(5);
    travail->EnteteTravail.DefCaract(5) = travail->EnteteTravail.DefCaract(1);
    panneau->Nouvelessai1->trigger();
    EXPECT_EQ(application.appels, QStringList{"NouvelEssai"});
    EXPECT_TRUE(traceCaract.appels.isEmpty());
}

TEST_F(CaractMachineTest, TheCursorRoutineFollowsTheKindOfTheSelectedTest) {
    panneau->PaintBox1Paint();
    EXPECT_EQ(traceCaract.appels, QStringList{"Curseur"});
    travail->Essais[session.EssaiCourant].Entete.TypeCharge() = 57;
    panneau->PaintBox1Paint();
    EXPECT_EQ(application.appels, QStringList{"Curseur"});
    EXPECT_EQ(traceCaract.appels.size(), 1);
}

TEST_F(CaractMachineTest, CopyingTheValuesOfAnEmptyTestGivesTheTwoHeaderLines) {
    travail->SupprimeEssai(session, 5);
    travail->AjouteEssai(session);
    panneau->CopierlesvaleursSel->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "Tu\tn\r\n(Nm)\t(tr/min)\r\n");
}

TEST_F(CaractMachineTest, CopyingTheValuesGivesOneLinePerPoint) {
    session.EssaiCourant = 2;
    panneau->CopierValeurs();
    const QStringList lignes = QApplication::clipboard()->text().split("\r\n");
    ASSERT_EQ(lignes.size(), 2 + 30 + 1);
    EXPECT_EQ(lignes[2 + 7], TexteValeur(travail->Essais[2].valeur(2, 7), 2) + "\t" +
                                 QString::number(travail->Essais[2].valeur(1, 7)));
}

TEST_F(CaractMachineTest, TheCopiedPictureIs19By14CmInSvgAndPngInTheFirstScheme) {
    ConfigGenerale().SchemaCouleurs = 6;
    panneau->tracegraphe();
    panneau->Copierlacaracteristique1->trigger();
    ConfigGenerale().SchemaCouleurs = 0;
    const QMimeData* m = QApplication::clipboard()->mimeData();
    ASSERT_NE(m, nullptr);
    const int ppi = panneau->PaintBox1->logicalDpiX();
    const QImage png = qvariant_cast<QImage>(m->imageData());
    EXPECT_EQ(png.size(), QSize(ppi * 19000 / 2540, ppi * 28000 / 2540 / 2));
    EXPECT_EQ(png.pixel(png.width() - 2, 1), QColor(Qt::white).rgb());
    int rouges = 0;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x)
            rouges += png.pixel(x, y) == QColor(Qt::red).rgb();
    EXPECT_GT(rouges, 100); // test 1's curve
    const QByteArray svg = m->data("image/svg+xml");
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("#ff0000"));
    // The screen keeps its own scheme.
    EXPECT_EQ(panneau->imageEcran().pixel(panneau->imageEcran().width() - 2, 1), QColor(0, 0, 0x80).rgb());
}

TEST_F(CaractMachineTest, PrintingDrawsOnTheSurfaceAndFrameTheOwnerSets) {
    QImage page(1200, 900, QImage::Format_RGB32);
    page.fill(Qt::gray);
    page.setDotsPerMeterX(11811); // 300 ppi
    page.setDotsPerMeterY(11811);
    panneau->Imprimercaract(); // no surface yet: nothing
    {
        QPainter p(&page);
        panneau->GrapheImprimante.Surface = &p;
        panneau->GrapheImprimante.Cadre = {100, 100, 1100, 800};
        panneau->Imprimercaract();
        panneau->GrapheImprimante.Surface = nullptr;
    }
    EXPECT_EQ(page.pixel(50, 50), QColor(Qt::gray).rgb());
    EXPECT_EQ(page.pixel(1090, 110), QColor(Qt::white).rgb());
    EXPECT_TRUE(panneau->GrapheImprimante.Valide);
    EXPECT_EQ(panneau->GrapheImprimante.TaillePolice, 1000 / 200 + 5);
}

TEST_F(CaractMachineTest, APrintedPageIsDrawnByThePainterOfThePrinter) {
    const QString chemin = QDir::temp().filePath("vimra_caract.pdf");
    QFile::remove(chemin);
    {
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(chemin);
        QPainter p(&imprimante);
        panneau->GrapheImprimante.Surface = &p;
        const QRect page = imprimante.pageLayout().paintRectPixels(imprimante.resolution());
        panneau->GrapheImprimante.Cadre = {0, 0, page.width(), page.height() / 2};
        panneau->Imprimercaract();
        panneau->GrapheImprimante.Surface = nullptr;
        EXPECT_TRUE(panneau->GrapheImprimante.Valide);
        EXPECT_GT(panneau->GrapheImprimante.AxeX.L, 3000); // the page's pixels, not the screen's
    }
    EXPECT_GT(QFileInfo(chemin).size(), 5000);
    QFile::remove(chemin);
}

TEST_F(CaractMachineTest, CaptionsAndHintsFollowTheLanguage) {
    EXPECT_EQ(panneau->Suppressiondupoint1->text(), "Suppression du point");
    EXPECT_EQ(panneau->ZoomY->toolTip(), QString::fromUtf8("Variation de l'échelle en ordonnée"));
    AppliqueLangue(2);
    panneau->setmenu();
    panneau->tracecaract();
    EXPECT_EQ(panneau->Suppressiondupoint1->text(), "Suppression point");
    EXPECT_EQ(panneau->Suppressiondetouslespoints1->text(), "Suppression all point");
    EXPECT_EQ(panneau->CopierlesvaleursSel->text(), "Copy selected test values");
    EXPECT_EQ(panneau->TextVariableX->toolTip(), "Data in abscissa");
    EXPECT_EQ(panneau->ButtonCaract->toolTip(), "Modify characteristic");
    // The quantity names are the work's columns, which change language only with the link settings.
    EXPECT_EQ(panneau->TextVariableY->text(), QString::fromUtf8("Vitesse de rotation"));
}

TEST_F(CaractMachineTest, AHiddenPanelDrawsNoCurveAndNoCursor) {
    panneau->hide();
    etude.SelectionPoint(*travail, session, 3);
    const QImage avant = image();
    panneau->curseur();
    panneau->tracepoint(1, 3);
    EXPECT_EQ(image(), avant);
}

} // namespace

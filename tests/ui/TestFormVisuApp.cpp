// The applications viewer in the whole program: the catalogue read at start-up from the program
// folder, the arrows, the keyboard, and the messages that replace a picture that cannot be shown.
#include "ProgrammeTest.h"

#include "socle/ImageJpeg.h"
#include "study/Catalogue.h"
#include "study/FormVisuApp.h"
#include "work/LoisCharge.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class VisuApp : public ProgrammeTest {
protected:
    // The catalogue and its pictures are in the program folder before the program starts.
    void SetUp() override {
        TCatalogueApplications c;
        TGroupeApplications& g = c.groupe(3);
        g.Count = 3;
        g.Entrees[0] = entree("Pompe centrifuge", "pompes.jpg");
        g.Entrees[1] = entree("Ventilateur", "absente.jpg");
        g.Entrees[2] = entree("Compresseur", "compresseur.jpg");
        c.groupe(7).Count = 1;
        c.groupe(7).Entrees[0] = entree("Palan", "pompes.jpg");
        if (avecCatalogue) ecrit("CFGAPPFR.cfg", c.octets());
        QDir(dossier.path()).mkdir("Vimra_app");
        QImage im(400, 200, QImage::Format_RGB32);
        im.fill(QColor(30, 140, 90));
        ASSERT_TRUE(EnregistreJpeg(im, chemin("Vimra_app/pompes.jpg")));
        ASSERT_TRUE(EnregistreJpeg(im.scaled(200, 300), chemin("Vimra_app/compresseur.jpg")));
        ProgrammeTest::SetUp();
    }
    void TearDown() override {
        ProgrammeTest::TearDown();
        CatalogueApplications() = {};
    }
    static TEntreeApplication entree(const QString& nom, const QString& image) {
        TEntreeApplication e;
        e.Name.setTexte(nom);
        e.ImageFile.setTexte(image);
        return e;
    }
    void ecrit(const QString& nom, const QByteArray& b) {
        QFile f(chemin(nom));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
    TFormVisuApp& visu() { return *fenetres().FormVisuApp; }
    void montre(int groupe) {
        visu().Montre(groupe);
        QApplication::processEvents();
    }

    bool avecCatalogue = true;
};

TEST_F(VisuApp, StartUpReadsTheCatalogueOfTheProgramFolder) {
    EXPECT_EQ(CatalogueApplications().groupe(3).Count, 3);
    EXPECT_EQ(CatalogueApplications().groupe(3).Entrees[2].Name.texte(), "Compresseur");
    EXPECT_FALSE(visu().isVisible());
}

TEST_F(VisuApp, ArrowsWalkThroughTheGroupAndStopAtItsEnds) {
    montre(3);
    EXPECT_TRUE(visu().isVisible());
    EXPECT_TRUE(visu().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(visu().windowTitle(), "Applications");
    EXPECT_EQ(visu().APPMoins->text(), "Précédente                 <<");
    EXPECT_EQ(visu().APPPlus->toolTip(), "Application suivante");
    EXPECT_EQ(visu().ButtonClose->text(), "Fermer");
    EXPECT_EQ(visu().StaticText1->text(), "Pompe centrifuge");
    EXPECT_EQ(visu().Image1->image().size(), QSize(400, 200));
    EXPECT_FALSE(visu().APPMoins->isEnabled());
    EXPECT_TRUE(visu().APPPlus->isEnabled());

    visu().APPPlus->click();
    EXPECT_EQ(visu().Index(), 2);
    EXPECT_EQ(visu().StaticText1->text(), "Ventilateur");
    EXPECT_TRUE(visu().APPMoins->isEnabled());
    visu().APPPlus->click();
    EXPECT_EQ(visu().StaticText1->text(), "Compresseur");
    EXPECT_EQ(visu().Image1->image().size(), QSize(200, 300));
    EXPECT_FALSE(visu().APPPlus->isEnabled());
    visu().APPPlusClick(); // a disabled arrow's handler changes nothing
    EXPECT_EQ(visu().Index(), 3);
    visu().APPMoins->click();
    EXPECT_EQ(visu().Index(), 2);
}

TEST_F(VisuApp, AMissingPictureIsSaidInTheWindowWhichStaysUsable) {
    montre(3);
    visu().APPPlus->click();
    EXPECT_TRUE(visu().Image1->image().isNull());
    const QStringList lignes = visu().Image1->message().split('\n');
    ASSERT_GE(lignes.size(), 3);
    EXPECT_EQ(lignes[0], "Erreur de lecture du fichier");
    EXPECT_EQ(lignes[1], "absente.jpg");
    EXPECT_TRUE(dialogues.avertissements.isEmpty());
    visu().APPPlus->click();
    EXPECT_FALSE(visu().Image1->image().isNull());
    EXPECT_TRUE(visu().Image1->message().isEmpty());
}

TEST_F(VisuApp, KeyboardMovesAndEscapeCloses) {
    montre(3);
    QTest::keyClick(&visu(), Qt::Key_Right);
    QTest::keyClick(&visu(), Qt::Key_Right);
    QTest::keyClick(&visu(), Qt::Key_Right);
    EXPECT_EQ(visu().Index(), 3);
    QTest::keyClick(&visu(), Qt::Key_Left);
    EXPECT_EQ(visu().Index(), 2);
    QTest::keyClick(&visu(), Qt::Key_Escape);
    EXPECT_FALSE(visu().isVisible());
}

TEST_F(VisuApp, EveryShowingStartsAtTheFirstEntryOfTheChosenGroup) {
    montre(3);
    visu().APPPlus->click();
    visu().ButtonClose->click();
    EXPECT_FALSE(visu().isVisible());
    montre(3);
    EXPECT_EQ(visu().Index(), 1);
    visu().APPPlus->click();
    // Opened again while on view, on another group.
    montre(GroupeApplications(18));
    EXPECT_EQ(visu().Groupe(), 7);
    EXPECT_EQ(visu().Index(), 1);
    EXPECT_EQ(visu().StaticText1->text(), "Palan");
    EXPECT_FALSE(visu().APPMoins->isEnabled());
    EXPECT_FALSE(visu().APPPlus->isEnabled());
}

TEST_F(VisuApp, NoLoadTypeOpensNothing) {
    EXPECT_FALSE(visu().Montre(GroupeApplications(0)));
    EXPECT_FALSE(visu().Montre(GroupeApplications(3)));
    EXPECT_FALSE(visu().isVisible());
    EXPECT_TRUE(visu().Montre(GroupeApplications(8)));
    EXPECT_EQ(visu().Groupe(), 3);
}

TEST_F(VisuApp, CaptionsFollowTheLanguageAtEachShowing) {
    AppliqueLangue(2);
    montre(3);
    EXPECT_EQ(visu().APPPlus->text(), ">>                   Next");
    // The catalogue read at start-up stays until the next start.
    EXPECT_EQ(visu().StaticText1->text(), "Pompe centrifuge");
    EXPECT_EQ(visu().ButtonClose->toolTip(), "Close window");
    visu().close();
    AppliqueLangue(3);
    montre(3);
    EXPECT_EQ(visu().windowTitle(), "Aplicaciones");
    EXPECT_EQ(visu().APPMoins->text(), "Precedente                 <<");
}

TEST_F(VisuApp, ThePictureKeepsItsProportionsCentredInTheWindow) {
    montre(3);
    visu().resize(900, 500);
    QApplication::processEvents();
    const QRect cadre = visu().Image1->cadreImage();
    const QRect zone = visu().Image1->rect();
    EXPECT_NEAR(double(cadre.width()) / cadre.height(), 2.0, 0.02);
    EXPECT_TRUE(cadre.width() == zone.width() || cadre.height() == zone.height());
    EXPECT_NEAR(cadre.center().x(), zone.center().x(), 1);
    EXPECT_NEAR(cadre.center().y(), zone.center().y(), 1);
}

class VisuAppSansCatalogue : public VisuApp {
protected:
    void SetUp() override {
        avecCatalogue = false;
        VisuApp::SetUp();
    }
};

TEST_F(VisuAppSansCatalogue, ShowsEntryOneWithoutArrowsAndNamesTheMissingFile) {
    EXPECT_EQ(CatalogueApplications(), TCatalogueApplications{});
    montre(3);
    EXPECT_TRUE(visu().StaticText1->text().isEmpty());
    EXPECT_FALSE(visu().APPMoins->isEnabled());
    EXPECT_FALSE(visu().APPPlus->isEnabled());
    EXPECT_EQ(visu().Image1->message(), "Erreur de lecture du fichier\nCFGAPPFR.cfg");
    EXPECT_TRUE(visu().ButtonClose->hasFocus());
    visu().ButtonClose->click();
    EXPECT_FALSE(visu().isVisible());
}

// The choice screen's views are transparent: their message is written for the window behind them.
TEST(VueImage, TheMessageOfATransparentViewIsWrittenDarkOnALightWindow) {
    TVueImage v;
    QPalette p = v.palette();
    p.setColor(QPalette::Window, QColor(couleurs::fenetreClaire));
    v.setPalette(p);
    v.setAutoFillBackground(true);
    v.setFond(Qt::transparent);
    v.resize(400, 200);
    v.montreMessage("Image absente\nfichier.jpg");
    const QImage im = v.grab().toImage();
    int sombre = 0, clair = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) {
            sombre += im.pixel(x, y) == QColor(couleurs::titreMessageClair).rgb();
            clair += im.pixel(x, y) == QColor(couleurs::titreMessageSombre).rgb();
        }
    EXPECT_GT(sombre, 0);
    EXPECT_EQ(clair, 0);
}

} // namespace

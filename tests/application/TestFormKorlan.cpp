// The application catalogue inside the whole program: its panels, the pictures under the mouse,
// the ways back, the start of a run, the warnings, and the pictures that cannot be read.
#include "../ui/ProgrammeTest.h"

#include "application/ChoixMachine.h"
#include "application/ConfigurationApplication.h"
#include "application/FormApplication.h"
#include "application/FormKorlan.h"
#include "application/ReglagesApplication.h"
#include "commun/Avertissements.h"
#include "socle/ImageJpeg.h"
#include "study/ConstantesBanc.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

using P = PanneauKorlan;

class Korlan : public ProgrammeTest {
protected:
    // The pictures in the program folder before the program starts: every area picture, every
    // application picture, and the illustrations of the applications used here.
    void SetUp() override {
        QDir(dossier.path()).mkdir("Vimra_app");
        image(IMAGE_SITE, {964, 560});
        image(IMAGE_USINE, {964, 560});
        image(IMAGE_LOCAL, {964, 560});
        for (const ApplicationKorlan& a : ApplicationsKorlan())
            if (a.vignette) image(a.vignette, {400, 280});
        for (const int code : {51, 53, 57, 61, 62, 66})
            image(IllustrationApplication(code), {800, 560});
        ProgrammeTest::SetUp();
    }
    void TearDown() override {
        sessionTravail().MachineApplication = 0;
        ProgrammeTest::TearDown();
    }
    void image(const QString& nom, const QSize& taille) {
        QImage im(taille, QImage::Format_RGB32);
        im.fill(QColor(40, 120, 160));
        ASSERT_TRUE(EnregistreJpeg(im, chemin("Vimra_app/" + nom)));
    }
    TFormKorlan& k() { return *fenetres().FormKorlan; }
    QWidget& run() { return *fenetres().FormApplication; }
    // As the machine choice opens it.
    void ouvre() {
        montreMenu();
        menu().hide();
        sessionTravail().MachineApplication = 3;
        k().show();
        QApplication::processEvents();
        ASSERT_TRUE(k().isVisible());
    }
    std::vector<QWidget*> panneauxVisibles() {
        std::vector<QWidget*> v;
        for (const P p : {P::Principal, P::Usine, P::LocalTechnique, P::Animation})
            if (k().panneau(p)->isVisible()) v.push_back(k().panneau(p));
        return v;
    }
    void clic(QWidget* w) {
        ASSERT_TRUE(w->isVisible()) << w->objectName().toStdString();
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
        QApplication::processEvents();
    }
    static void survole(QWidget* w) {
        QMouseEvent e(QEvent::MouseMove, QPointF(w->rect().center()),
                      w->mapToGlobal(QPointF(w->rect().center())), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    // Answers the next modal window once it is up (OK or cancel), and says which one it was.
    std::shared_ptr<QString> reponds(bool accepte) {
        auto nom = std::make_shared<QString>();
        QTimer::singleShot(0, [nom, accepte] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                *nom = d->objectName();
                accepte ? d->accept() : d->reject();
            }
        });
        return nom;
    }
};

TEST_F(Korlan, OpeningAlwaysStartsOnTheSiteWithNoApplication) {
    travail().ApplicationCourante = 61;
    ouvre();
    EXPECT_EQ(k().windowTitle(), "Korlan");
    EXPECT_EQ(k().size(), QSize(964, 664));
    EXPECT_EQ(k().minimumSize(), k().maximumSize());
    EXPECT_EQ(travail().ApplicationCourante, 0);
    EXPECT_EQ(panneauxVisibles(), std::vector<QWidget*>{k().PanelPrincipal});
    EXPECT_EQ(k().TextTitrePrincipal->text(), "Application");
    EXPECT_EQ(k().ButtonFermer->text(), "Fermer");
    EXPECT_TRUE(k().TextUsineVirtuelle->text().isEmpty());

    // Left on an illustration, it opens on the site again.
    clic(k().ImageSelectLocal);
    clic(k().ImageDuCode(62));
    EXPECT_EQ(travail().ApplicationCourante, 62);
    k().hide();
    k().show();
    QApplication::processEvents();
    EXPECT_EQ(k().Panneau(), P::Principal);
    EXPECT_EQ(panneauxVisibles().size(), 1u);
    EXPECT_EQ(travail().ApplicationCourante, 0);
}

TEST_F(Korlan, TheMachineChoiceLeadsHereAndClosingLeadsBackToTheMenu) {
    montreMenu();
    menu().ButtonEtudeApplicationClick();
    fenetres().ChoixMachine->BoutonsMachine[0]->click();
    fenetres().ChoixMachine->ButtonApplication->click();
    QApplication::processEvents();
    EXPECT_TRUE(k().isVisible());
    EXPECT_FALSE(menu().isVisible());
    k().ButtonFermer->click();
    EXPECT_FALSE(k().isVisible());
    EXPECT_TRUE(menu().isVisible());
    EXPECT_FALSE(run().isVisible());
}

struct CasApplication {
    int code;
    P zone;
    const char* titreZone;
    const char* nom;
};

class KorlanApplications : public Korlan, public testing::WithParamInterface<CasApplication> {};

// Through the site, the area and the illustration, and back.
TEST_P(KorlanApplications, APictureShowsItsIllustrationAndRetourLeadsBackToItsArea) {
    const CasApplication& c = GetParam();
    ouvre();
    clic(c.zone == P::Usine ? k().ImageSelectUsine : k().ImageSelectLocal);
    EXPECT_EQ(panneauxVisibles(), std::vector<QWidget*>{k().panneau(c.zone)});
    QLabel* titre = c.zone == P::Usine ? k().TextTitreUsine : k().TextTitreLocal;
    EXPECT_EQ(titre->text(), QString::fromUtf8(c.titreZone));

    clic(k().ImageDuCode(c.code));
    EXPECT_EQ(travail().ApplicationCourante, c.code);
    EXPECT_EQ(panneauxVisibles(), std::vector<QWidget*>{k().PanelAnimation});
    EXPECT_EQ(k().TextTitreAnimation->text(), QString::fromUtf8(c.nom));
    EXPECT_EQ(k().ImageApplication->image().size(), QSize(800, 560));

    k().ButtonRetourAnim->click();
    EXPECT_EQ(panneauxVisibles(), std::vector<QWidget*>{k().panneau(c.zone)});
    EXPECT_EQ(travail().ApplicationCourante, c.code);
    (c.zone == P::Usine ? k().ButtonRetour1 : k().ButtonRetour2)->click();
    EXPECT_EQ(panneauxVisibles(), std::vector<QWidget*>{k().PanelPrincipal});
    EXPECT_EQ(travail().ApplicationCourante, 0);
    EXPECT_TRUE(k().isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Zones, KorlanApplications,
    testing::Values(CasApplication{53, P::Usine, "Usine de production", "Convoyeur"},
                    CasApplication{57, P::Usine, "Usine de production", "Coupe à longueur"},
                    CasApplication{61, P::LocalTechnique, "Local technique", "Pompe centrifuge"},
                    CasApplication{66, P::LocalTechnique, "Local technique", "Tapis roulant"}));

TEST_F(Korlan, HiddenApplicationsStayHiddenInTheirArea) {
    ouvre();
    for (const P zone : {P::Usine, P::LocalTechnique}) {
        zone == P::Usine ? k().ImageSelectUsineClick() : k().ImageSelectLocalClick();
        for (const ApplicationKorlan& a : ApplicationsKorlan()) {
            if (a.zone() != zone) continue;
            TImageKorlan* i = k().ImageDuCode(a.code);
            ASSERT_NE(i, nullptr) << a.code;
            EXPECT_EQ(i->objectName(), a.image);
            EXPECT_EQ(i->isVisible(), a.visible) << a.code;
            if (a.visible) {
                EXPECT_EQ(i->image().size(), QSize(400, 280)) << a.code;
            }
        }
    }
    EXPECT_EQ(k().ImageDuCode(59), nullptr);
    EXPECT_EQ(k().ImageDuCode(65), nullptr);
}

TEST_F(Korlan, ThePictureUnderTheMouseIsTheOnlyOpaqueOneAndNamesItself) {
    ouvre();
    survole(k().ImageSelectLocal);
    EXPECT_TRUE(k().ImageSelectLocal->opaque());
    EXPECT_FALSE(k().ImageSelectUsine->opaque());
    EXPECT_EQ(k().TextUsineVirtuelle->text(), "Local technique");
    survole(k().ImageSelectUsine);
    EXPECT_FALSE(k().ImageSelectLocal->opaque());
    EXPECT_EQ(k().TextUsineVirtuelle->text(), "Usine de production");
    survole(k().Image1);
    EXPECT_FALSE(k().ImageSelectUsine->opaque());
    EXPECT_TRUE(k().TextUsineVirtuelle->text().isEmpty());

    k().ImageSelectLocalClick();
    survole(k().ImageDuCode(64));
    EXPECT_EQ(k().TextLocal->text(), QString::fromUtf8("Désenfumage"));
    for (const int code : {60, 61, 62, 63, 64, 66})
        EXPECT_EQ(k().ImageDuCode(code)->opaque(), code == 64) << code;
    survole(k().ImageLocalTechnique);
    EXPECT_FALSE(k().ImageDuCode(64)->opaque());
    EXPECT_TRUE(k().TextLocal->text().isEmpty());

    k().ButtonRetour2->click();
    k().ImageSelectUsineClick();
    survole(k().ImageDuCode(58));
    EXPECT_EQ(k().TextProduction->text(), "Levage");
    EXPECT_TRUE(k().ImageDuCode(58)->opaque());
}

TEST_F(Korlan, TextsFollowTheLanguage) {
    AppliqueLangue(2);
    ConfigGenerale().LangueConfig = 2;
    ouvre();
    EXPECT_EQ(k().ButtonFermer->text(), "Close");
    k().ImageSelectLocalClick();
    EXPECT_EQ(k().TextTitreLocal->text(), "Technical store");
    EXPECT_EQ(k().ButtonRetour2->text(), "Back");
    survole(k().ImageDuCode(61));
    EXPECT_EQ(k().TextLocal->text(), "CentrifugalPump");
}

TEST_F(Korlan, TheKeyboardGoesBackPicksAndConfirms) {
    ouvre();
    // Tab reaches the pictures; Enter on one opens it.
    k().ImageSelectUsine->setFocus();
    EXPECT_TRUE(k().ImageSelectUsine->opaque());
    EXPECT_EQ(k().TextUsineVirtuelle->text(), "Usine de production");
    QTest::keyClick(k().ImageSelectUsine, Qt::Key_Return);
    EXPECT_EQ(k().Panneau(), P::Usine);
    QTest::keyClick(k().ImageDuCode(51), Qt::Key_Space);
    EXPECT_EQ(k().Panneau(), P::Animation);
    EXPECT_EQ(travail().ApplicationCourante, 51);
    // Escape: illustration -> area -> site -> closed.
    QTest::keyClick(&k(), Qt::Key_Escape);
    EXPECT_EQ(k().Panneau(), P::Usine);
    QTest::keyClick(&k(), Qt::Key_Escape);
    EXPECT_EQ(k().Panneau(), P::Principal);
    EXPECT_EQ(travail().ApplicationCourante, 0);
    QTest::keyClick(&k(), Qt::Key_Escape);
    EXPECT_FALSE(k().isVisible());
    EXPECT_TRUE(menu().isVisible());
}

// Valider: the default parameters of the application, the run screen, and the warnings for an
// application that needs the drive's function inputs.
TEST_F(Korlan, ValiderStartsTheRunWithTheDefaultParameters) {
    ouvre();
    k().ImageSelectUsineClick();
    clic(k().ImageDuCode(53));
    travail().ParamApplication = {-1, -2, -3, -4, -5, -6};
    const auto avertissement = reponds(true);
    k().ButtonValide->click();
    EXPECT_EQ(*avertissement, "Avertissements");
    EXPECT_EQ(fenetres().Avertissements->Code, 53);
    EXPECT_EQ(travail().ApplicationCourante, 53);
    EXPECT_EQ(travail().ParamApplication,
              ParamInit(53, constantesBanc(ConfigGenerale()).RatedTorque, ConfigGenerale().ClassePuissance,
                        {-1, -2, -3, -4, -5, -6}));
    EXPECT_TRUE(run().isVisible());
    EXPECT_FALSE(k().isVisible());
    EXPECT_FALSE(menu().isVisible());
}

TEST_F(Korlan, EnterOnTheIllustrationOfThePumpStartsItWithoutWarning) {
    ouvre();
    k().ImageSelectLocalClick();
    clic(k().ImageDuCode(61));
    travail().ParamApplication = {50, 4, 70, 0, 0, 0};
    const auto avertissement = reponds(true);
    QTest::keyClick(&k(), Qt::Key_Return);
    EXPECT_TRUE(run().isVisible());
    EXPECT_FALSE(k().isVisible());
    EXPECT_FALSE(menu().isVisible());
    EXPECT_EQ(travail().ParamApplication[1], 0); // the first pump model
    QApplication::processEvents();               // the scripted answer finds no window
    EXPECT_TRUE(avertissement->isEmpty());
}

TEST_F(Korlan, ConfigurerCancelledStaysOnTheIllustration) {
    ouvre();
    k().ImageSelectLocalClick();
    clic(k().ImageDuCode(62));
    const auto dialogue = reponds(false);
    k().ButtonConfigure->click();
    EXPECT_EQ(*dialogue, "ConfigurationApplication");
    EXPECT_TRUE(k().isVisible());
    EXPECT_EQ(k().Panneau(), P::Animation);
    EXPECT_EQ(travail().ApplicationCourante, 62);
    EXPECT_FALSE(run().isVisible());
    EXPECT_FALSE(menu().isVisible());
}

TEST_F(Korlan, ConfigurerConfirmedStartsTheRun) {
    ouvre();
    k().ImageSelectLocalClick();
    clic(k().ImageDuCode(66));
    const auto dialogue = reponds(true);
    // The conveyor belt needs the function inputs: the warning follows the dialog.
    auto avertissement = std::make_shared<std::shared_ptr<QString>>();
    QTimer::singleShot(0, [this, avertissement] { *avertissement = reponds(true); });
    k().ButtonConfigure->click();
    EXPECT_EQ(*dialogue, "ConfigurationApplication");
    EXPECT_TRUE(run().isVisible());
    EXPECT_FALSE(k().isVisible());
    EXPECT_FALSE(menu().isVisible());
    EXPECT_EQ(travail().ApplicationCourante, 66);
    ASSERT_TRUE(*avertissement);
    EXPECT_EQ(**avertissement, "Avertissements");
}

TEST_F(Korlan, AMissingIllustrationShowsWhyAndTheApplicationCanStillBeChosen) {
    ASSERT_TRUE(QFile::remove(chemin("Vimra_app/convoyeur.jpg")));
    ouvre();
    k().ImageSelectUsineClick();
    clic(k().ImageDuCode(53));
    EXPECT_TRUE(k().ImageApplication->image().isNull());
    const QStringList lignes = k().ImageApplication->message().split('\n');
    ASSERT_EQ(lignes.size(), 3);
    EXPECT_EQ(lignes[0], "Erreur de lecture du fichier");
    EXPECT_EQ(lignes[1], "convoyeur.jpg");
    EXPECT_TRUE(k().ButtonValide->isEnabled());
    // The next illustration replaces the message.
    k().ButtonRetourAnim->click();
    clic(k().ImageDuCode(51));
    EXPECT_EQ(k().ImageApplication->image().size(), QSize(800, 560));
    EXPECT_TRUE(k().ImageApplication->message().isEmpty());
}

TEST_F(Korlan, MissingAreaPicturesLeaveEveryPictureUsable) {
    ASSERT_TRUE(QFile::remove(chemin("Vimra_app/" + QString(IMAGE_SITE))));
    ASSERT_TRUE(QFile::remove(chemin("Vimra_app/" + QString(IMAGE_LOCAL))));
    ASSERT_TRUE(QFile::remove(chemin("Vimra_app/vignette_pompe.jpg")));
    ouvre();
    EXPECT_TRUE(k().Image1->message().startsWith("Erreur de lecture du fichier\n" + QString(IMAGE_SITE)));
    EXPECT_TRUE(k().ImageSelectLocal->image().isNull());
    EXPECT_FALSE(k().ImageSelectLocal->message().isEmpty());
    // The plant's view on the site still shows.
    EXPECT_FALSE(k().ImageSelectUsine->image().isNull());
    clic(k().ImageSelectLocal);
    EXPECT_EQ(k().Panneau(), P::LocalTechnique);
    TImageKorlan* pompe = k().ImageDuCode(61);
    EXPECT_TRUE(pompe->image().isNull());
    EXPECT_EQ(pompe->legende(), "Pompe centrifuge");
    clic(pompe);
    EXPECT_EQ(travail().ApplicationCourante, 61);
}

TEST_F(Korlan, ClosingTheFrameWithoutARunShowsTheMenu) {
    ouvre();
    k().ImageSelectUsineClick();
    clic(k().ImageDuCode(57));
    const auto avertissement = reponds(true);
    k().close();
    QApplication::processEvents();
    // No run: no warning, whatever the application.
    EXPECT_TRUE(avertissement->isEmpty());
    EXPECT_TRUE(menu().isVisible());
    EXPECT_EQ(fenetres().Avertissements->Code, 57);
}

} // namespace

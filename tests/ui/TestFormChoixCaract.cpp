#include "ProgrammeTest.h"

#include "commun/Avertissements.h"
#include "socle/Pictogrammes.h"
#include "study/FormTraceCaract.h"
#include "study/FormVisuApp.h"
#include "study/NouvelCaract.h"
#include "study/PanelCaract.h"
#include "study/SchemasChoix.h"
#include "study/VignettesChoix.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

class ChoixCaract : public ProgrammeTest {
protected:
    TFormChoixCaract& c() { return *fenetres().FormChoixCaract; }
    void montre(int page) {
        c().PageDemandee = page;
        c().show();
        QApplication::processEvents();
    }
    // Answers the next modal dialog with `accepte` once it is up, and says which one it was.
    QString reponds(bool accepte) {
        auto nom = std::make_shared<QString>();
        QTimer::singleShot(0, [nom, accepte] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                *nom = d->objectName();
                // Accepting is what the dialog's default button does, not a bare accept().
                QPushButton* ok = nullptr;
                for (QPushButton* b : d->findChildren<QPushButton*>())
                    if (b->isDefault()) ok = b;
                if (accepte && ok)
                    ok->click();
                else if (accepte)
                    d->accept();
                else
                    d->reject();
            }
        });
        m_noms.push_back(nom);
        return {};
    }
    QString dernierDialogue() const { return m_noms.empty() ? QString() : *m_noms.back(); }

private:
    std::vector<std::shared_ptr<QString>> m_noms;
};

// Escape, the close box and "Fermer" all bring the main menu back.
TEST_F(ChoixCaract, EveryWayOfClosingShowsTheMainMenuAgain) {
    const std::array<std::function<void()>, 3> fermetures{[this] { QTest::keyClick(&c(), Qt::Key_Escape); },
                                                          [this] {
                                                              QCloseEvent e;
                                                              QApplication::sendEvent(&c(), &e);
                                                          },
                                                          [this] { c().close(); }};
    for (const auto& ferme : fermetures) {
        montreMenu();
        menu().hide();
        montre(0);
        ferme();
        QApplication::processEvents();
        EXPECT_FALSE(c().isVisible());
        EXPECT_TRUE(menu().isVisible());
    }
}

TEST_F(ChoixCaract, TheCouplingAidIsForTheSynchronousMachineOnly) {
    montre(0);
    c().BoutonsMachine[3]->click(); // MS Triphasée
    EXPECT_TRUE(c().ButtonCouplage->isEnabled());
    c().ButtonCouplage->click();
    EXPECT_EQ(c().Charge, 5);
    c().BoutonsMachine[2]->click(); // MAS Triphasée
    EXPECT_FALSE(c().ButtonCouplage->isEnabled());
    EXPECT_FALSE(c().ButtonCouplage->isChecked());
    EXPECT_EQ(c().Charge, 0);
    EXPECT_EQ(sessionTravail().ModeleEssai.TypeMachine(), 3);
}

TEST_F(ChoixCaract, OnlyTheLoadsOfThePageOnViewCount) {
    montre(1);
    c().BoutonsMachine[0]->click();
    c().BoutonsCharge[1][0]->click(); // T = cst on the static page
    EXPECT_EQ(c().Charge, 6);
    EXPECT_TRUE(c().ButtonEtude[1]->isEnabled());
    EXPECT_TRUE(c().PanelCaract[1]->isVisible());
    c().PageControl->setCurrentIndex(2);
    EXPECT_EQ(c().Charge, 0);
    EXPECT_FALSE(c().ButtonEtude[2]->isEnabled());
    EXPECT_FALSE(c().ButtonAPP[2]->isEnabled());
    EXPECT_FALSE(c().PanelCaract[1]->isVisible());
    EXPECT_EQ(sessionTravail().ModeleEssai.TypeCharge(), 0);
}

TEST_F(ChoixCaract, ApplicationsNeedALoadAndStudyNeedsAMachineToo) {
    montre(1);
    c().BoutonsCharge[1][2]->click(); // T = a.n²+b
    EXPECT_TRUE(c().ButtonAPP[1]->isEnabled());
    EXPECT_FALSE(c().ButtonEtude[1]->isEnabled());
}

TEST_F(ChoixCaract, ShowingPressesTheButtonsOfTheTemplate) {
    sessionTravail().ModeleEssai.TypeMachine() = 5;
    sessionTravail().ModeleEssai.TypeCharge() = 13;
    montre(2);
    EXPECT_TRUE(c().BoutonsMachine[4]->isChecked());
    EXPECT_TRUE(c().BoutonsCharge[2][3]->isChecked());
    EXPECT_EQ(c().Charge, 13);
    EXPECT_EQ(c().PageControl->currentIndex(), 2);
}

TEST_F(ChoixCaract, CancellingTheFirstDefinitionLeavesTheScreenOpenAndTheWorkAlone) {
    montre(0);
    c().BoutonsMachine[2]->click();
    c().BoutonsCharge[0][0]->click();
    reponds(false);
    c().ButtonEtudeCaractClick();
    EXPECT_EQ(dernierDialogue(), "NouvelCaract");
    EXPECT_TRUE(c().isVisible());
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 0);
    EXPECT_FALSE(fenetres().FormTraceCaract->isVisible());
}

TEST_F(ChoixCaract, AStudyStartsInThePlotWindowWithANewTest) {
    montre(0);
    c().BoutonsMachine[2]->click();
    c().BoutonsCharge[0][0]->click();
    reponds(true);
    c().ButtonEtudeCaractClick();
    EXPECT_TRUE(fenetres().FormTraceCaract->isVisible());
    EXPECT_FALSE(c().isVisible());
    ASSERT_EQ(travail().EnteteTravail.NbEssais, 1);
    EXPECT_EQ(travail().Essais[1].Entete.TypeMachine(), 3);
    EXPECT_EQ(travail().Essais[1].Entete.TypeCharge(), 1);
    EXPECT_EQ(travail().NbCaract(), 1);
    fenetres().FormTraceCaract->close();
}

TEST_F(ChoixCaract, AStaticLoadShowsItsPanelAndItsBarsWriteTheTemplate) {
    montre(1);
    c().BoutonsCharge[1][1]->click(); // T = a.n + b
    TPanelCaract& panneau = *c().PanelCaract[1];
    ASSERT_TRUE(panneau.isVisible());
    EXPECT_FALSE(c().PanelCaract[2]->isVisible());
    EXPECT_EQ(panneau.etat().TypeCharge, 7);
    EXPECT_TRUE(panneau.TrackBarA->isVisible());
    EXPECT_FALSE(panneau.PanelInertie->isVisible());
    EXPECT_EQ(panneau.TextC2->text(), "Couple à 1500tr/min");
    panneau.TrackBarA->triggerAction(QSlider::SliderToMinimum); // the top of the bar
    EXPECT_EQ(sessionTravail().ModeleEssai[TEnteteEssai::MotLinearAtSyncPos], 150);
    EXPECT_EQ(panneau.TextB2->text(), "15,00 Nm");
    panneau.TrackBarB->triggerAction(QSlider::SliderToMaximum);
    EXPECT_EQ(sessionTravail().ModeleEssai[TEnteteEssai::MotLinearConstPos], 0);
    EXPECT_EQ(panneau.TextB1->text(), "0,00 Nm");
}

TEST_F(ChoixCaract, LoweringTheStickingTorqueDragsTheRunningTorqueBarAlong) {
    montre(1);
    c().BoutonsCharge[1][4]->click(); // sticking torque
    TPanelCaract& panneau = *c().PanelCaract[1];
    ASSERT_TRUE(panneau.PanelN->isVisible());
    panneau.TrackBarB->setValue(140); // sticking torque 10
    EXPECT_EQ(panneau.TrackBarA->value(), 140);
    EXPECT_EQ(sessionTravail().ModeleEssai[TEnteteEssai::MotStickingPos], 10);
    EXPECT_EQ(sessionTravail().ModeleEssai[TEnteteEssai::MotStickingRunPos], 10);
}

TEST_F(ChoixCaract, ShowingALoadDoesNotChangeItsParameters) {
    TEnteteEssai& m = sessionTravail().ModeleEssai;
    m.TypeCharge() = 16;
    m[TEnteteEssai::MotStickingPos] = 50;
    m[TEnteteEssai::MotStickingRunPos] = 80; // above the sticking torque: a bar moved by hand would pull it
    m[TEnteteEssai::MotInertie] = 250;
    const TEnteteEssai avant = m;
    montre(2);
    TPanelCaract& panneau = *c().PanelCaract[2];
    ASSERT_TRUE(panneau.isVisible());
    EXPECT_EQ(m, avant);
    EXPECT_EQ(panneau.TrackBarA->value(), 70);
    EXPECT_EQ(panneau.TrackBarB->value(), 100);
    EXPECT_EQ(panneau.TrackBarJ->value(), 40);
}

TEST_F(ChoixCaract, TheLiftingPanelStepsItsSpeedAndShowsTheLiftedInertia) {
    montre(2);
    c().BoutonsCharge[2][6]->click(); // lifting
    TPanelCaract& panneau = *c().PanelCaract[2];
    EXPECT_FALSE(panneau.TrackBarB->isVisible());
    EXPECT_FALSE(panneau.TrackBarJ->isVisible());
    EXPECT_TRUE(panneau.PanelCycle->isVisible());
    EXPECT_TRUE(panneau.TextJ->isVisible());
    panneau.SpinButtonRductionUp->click();
    EXPECT_EQ(sessionTravail().ModeleEssai[TEnteteEssai::MotLiftSpeed], 11);
    EXPECT_EQ(panneau.StaticTextred->text(), "1,1 m/s");
    EXPECT_EQ(panneau.TextJ->text(), "J = 0,006 kg.m²"); // 130 x 11 x 11 / 2467
}

TEST_F(ChoixCaract, TheInertiaBarWritesTheTemplateAtOnce) {
    montre(2);
    c().BoutonsCharge[2][0]->click(); // T = cst, dynamic
    TPanelCaract& panneau = *c().PanelCaract[2];
    ASSERT_TRUE(panneau.TrackBarJ->isVisible());
    panneau.TrackBarJ->triggerAction(QSlider::SliderToMaximum);
    EXPECT_EQ(sessionTravail().ModeleEssai[TEnteteEssai::MotInertie], 1000);
    EXPECT_EQ(panneau.TextJ->text(), "J = 1,000 kg.m²");
}

struct CasAvertissement {
    const char* nom;
    int avant, apres;
    bool averti;
};

class Avertissement : public ChoixCaract, public testing::WithParamInterface<CasAvertissement> {};

TEST_P(Avertissement, IsShownBeforeALoadThatNeedsTheFunctionInputs) {
    Travail& t = travail();
    sessionTravail().ModeleEssai.TypeMachine() = 3;
    sessionTravail().ModeleEssai.TypeCharge() = GetParam().avant;
    t.AjouteEssai(sessionTravail());
    t.EnteteTravail.DefCaract(1) = TDefCaract{1, 1, {}, 1, 18, {}, 2, 18, {}, 0};
    sessionTravail().ModeleEssai.TypeCharge() = GetParam().apres;
    montre(1);
    reponds(false); // a warning, if any, is refused: the study must not start
    c().ButtonEtudeCaractClick();
    EXPECT_EQ(dernierDialogue() == "Avertissements", GetParam().averti);
    EXPECT_EQ(fenetres().FormTraceCaract->isVisible(), !GetParam().averti);
    fenetres().FormTraceCaract->close();
}

INSTANTIATE_TEST_SUITE_P(Cas, Avertissement,
                         testing::Values(CasAvertissement{"quadraticAfterConstant", 6, 8, false},
                                         CasAvertissement{"constantAfterQuadratic", 8, 6, true},
                                         CasAvertissement{"sameLoadAgain", 6, 6, false},
                                         CasAvertissement{"liftingAfterPower", 9, 17, true}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST_F(ChoixCaract, ThePicturesFollowTheMachineAndTheLoadChosen) {
    // The program folder holds the machine's picture but not the load's.
    QDir(dossier.path()).mkpath("Vimra_app");
    ASSERT_TRUE(QFile::copy(QString(VIMRA_DONNEES) + "/Vimra_app/" + ImageMachineChoix(3),
                            chemin("Vimra_app/" + ImageMachineChoix(3))));
    montre(1);
    const TVignettesChoix& v = *c().Vignettes[1];
    EXPECT_TRUE(v.ImageMachine->image().isNull());
    c().BoutonsMachine[2]->click(); // MAS Triphasée
    EXPECT_EQ(v.ImageMachine->image().width(), 480);
    c().BoutonsCharge[1][2]->click(); // T = a.n²+b
    EXPECT_TRUE(v.ImageCharge->image().isNull());
    EXPECT_TRUE(v.ImageCharge->message().contains(ImageChargeChoix(8)))
        << v.ImageCharge->message().toStdString();
    // Released, the machine leaves no picture and no message.
    c().BoutonsMachine[2]->click();
    EXPECT_TRUE(v.ImageMachine->image().isNull());
    EXPECT_TRUE(v.ImageMachine->message().isEmpty());
}

TEST(Avertissements, FollowTheLoadsAndApplicationsThatNeedTheFunctionInputs) {
    std::vector<int> averties;
    for (int code = 0; code <= 70; ++code)
        if (TestAvertissement(code)) averties.push_back(code);
    EXPECT_EQ(averties, (std::vector<int>{6,  7,  9,  10, 11, 13, 15, 16, 17, 18,
                                          51, 52, 53, 54, 55, 56, 57, 58, 60, 66}));
}

} // namespace

// The glyphs are drawn when shown, at the scale of the screen: the drawing outlives the call that
// made the icon, and a disabled glyph is the same drawing in grey.
TEST(Glyphes, AreDrawnAtTheScaleAskedAndGreyWhenDisabled) {
    const auto encre = [](const QImage& im) {
        int n = 0;
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x)
                n += qAlpha(im.pixel(x, y)) > 0;
        return n;
    };
    for (const QIcon& icone :
         {GlypheMachine(3), GlypheCharge(1), pictogrammes::icone(pictogrammes::Icone::Application)}) {
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            const QSize taille = icone.actualSize(TailleGlyphe);
            const QImage normal = icone.pixmap(taille, ratio).toImage();
            const QImage grise = icone.pixmap(taille, ratio, QIcon::Disabled).toImage();
            EXPECT_EQ(normal.size(), (QSizeF(taille) * ratio).toSize()) << ratio;
            EXPECT_GT(encre(normal), normal.width() * normal.height() / 20) << ratio;
            EXPECT_EQ(encre(grise), encre(normal)) << ratio;
            EXPECT_NE(grise, normal) << ratio;
        }
    }
}

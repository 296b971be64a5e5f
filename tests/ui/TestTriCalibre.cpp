#include "ProgrammeTest.h"

#include "study/FormCalibreCourant.h"
#include "study/FormTrierPoints.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {

class TriTest : public ProgrammeTest {
protected:
    TFormTrierPoints& dlg() { return *fenetres().FormTrierPoints; }
    QList<QRadioButton*> colonnes() { return dlg().RadioGroupSelect->findChildren<QRadioButton*>(); }
    QRadioButton* colonne(const QString& nom) {
        for (QRadioButton* r : colonnes())
            if (r->text() == nom) return r;
        return nullptr;
    }
    // Answers the modal dialog once it is up.
    void repond(std::function<void()> action) {
        QTimer::singleShot(0, &dlg(), [this, action] {
            EXPECT_TRUE(dlg().isVisible());
            action();
        });
    }
};

TEST_F(TriTest, TheListOfADcSeriesMachineSortsByEfficiencyAsColumn8) {
    sessionTravail().ModeleEssai.TypeMachine() = 2;
    sessionTravail().ModeleEssai.TypeCharge() = 1;
    travail().AjouteEssai(sessionTravail());
    VecteurMesures m{};
    for (int k = 0; k < 12; ++k) {
        m[8] = (k * 5) % 12;
        travail().AjoutePoint(sessionTravail(), m);
    }
    sessionTravail().TravailEnregistre = true;
    repond([this] {
        QStringList noms;
        for (QRadioButton* r : colonnes())
            noms << r->text();
        EXPECT_EQ(noms, (QStringList{QString::fromUtf8("Numéro"), "Vitesse de rotation", "Couple utile",
                                     QString::fromUtf8("Puissance mécanique"), "Tension", "Courant",
                                     QString::fromUtf8("Puissance électrique"), "Rendement", "Pertes"}));
        EXPECT_TRUE(colonnes().first()->isChecked());
        EXPECT_TRUE(dlg().OrdreCroissant->isChecked());
        colonne("Rendement")->click();
        dlg().BitBtnOK->click();
    });
    const std::optional<ChoixTri> choix = dlg().Demande();
    ASSERT_TRUE(choix.has_value());
    EXPECT_EQ(*choix, (ChoixTri{8, 0}));
    TriCourbeSelectionnee(travail(), sessionTravail(), *choix);
    std::vector<int32_t> rendements;
    for (int k = 0; k < 12; ++k)
        rendements.push_back(travail().Essais[1].valeur(8, k));
    EXPECT_TRUE(std::is_sorted(rendements.begin(), rendements.end()));
    EXPECT_TRUE(sessionTravail().TravailEnregistre);
}

TEST_F(TriTest, CancelAnswersNothingAndTheNextShowStartsAfresh) {
    sessionTravail().ModeleEssai.TypeMachine() = 4;
    repond([this] {
        colonnes().last()->click();
        dlg().OrdreDecroissant->click();
        EXPECT_EQ(dlg().Choix(), (ChoixTri{10, 1}));
        QTest::keyClick(&dlg(), Qt::Key_Escape);
    });
    EXPECT_FALSE(dlg().Demande().has_value());
    repond([this] { QTest::keyClick(dlg().focusWidget(), Qt::Key_Return); });
    EXPECT_EQ(dlg().Demande(), (ChoixTri{0, 0}));
}

TEST_F(TriTest, CaptionsFollowTheLanguage) {
    AppliqueLangue(2);
    dlg().show();
    EXPECT_EQ(dlg().windowTitle(), "Sort the points");
    EXPECT_EQ(dlg().RadioGroupOrdre->title(), "Sorting order");
    EXPECT_EQ(dlg().OrdreDecroissant->text(), "Descending order");
    EXPECT_EQ(dlg().BitBtnCancel->text(), "Cancel");
}

struct CasCalibre {
    int32_t mot;        // word 22 of the current test
    const char* presse; // button pressed at show
};

class CalibreTest : public ProgrammeTest, public testing::WithParamInterface<CasCalibre> {
protected:
    TFormCalibreCourant& dlg() { return *fenetres().FormCalibreCourant; }
};

TEST_P(CalibreTest, ShowsTheRangeOfTheCurrentTestAndChangesItAtOnce) {
    travail().AjouteEssai(sessionTravail());
    travail().AjouteEssai(sessionTravail());
    sessionTravail().EssaiCourant = 1;
    travail().Essais[1].Entete[TEnteteEssai::MotCalibreCourant] = GetParam().mot;
    dlg().show();
    EXPECT_TRUE(dlg().findChild<QToolButton*>(GetParam().presse)->isChecked());
    dlg().ButtonCalibre2A->click();
    EXPECT_EQ(travail().Essais[1].Entete[TEnteteEssai::MotCalibreCourant], 1);
    dlg().ButtonCalibre20A->click();
    EXPECT_EQ(travail().Essais[1].Entete[TEnteteEssai::MotCalibreCourant], 0);
    dlg().ButtonCalibre2A->click();
    QTest::keyClick(&dlg(), Qt::Key_Escape); // the range was set already
    EXPECT_EQ(travail().Essais[1].Entete[TEnteteEssai::MotCalibreCourant], 1);
    EXPECT_EQ(travail().Essais[2].Entete[TEnteteEssai::MotCalibreCourant], 0);
    dlg().show();
    EXPECT_TRUE(dlg().ButtonCalibre2A->isChecked());
    dlg().BitBtn1->click();
    EXPECT_FALSE(dlg().isVisible());
}

INSTANTIATE_TEST_SUITE_P(Cas, CalibreTest,
                         testing::Values(CasCalibre{0, "ButtonCalibre20A"}, CasCalibre{1, "ButtonCalibre2A"},
                                         CasCalibre{5, "ButtonCalibre20A"}));

} // namespace

#include "ProgrammeTest.h"

#include "graph/CaractMachine.h"
#include "study/FormTraceCaract.h"
#include "work/FichierTravail.h"

#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

using R = Dialogues::Reponse;

class TraceCaract : public ProgrammeTest {
protected:
    TFormTraceCaract& f() { return *static_cast<TFormTraceCaract*>(fenetres().FormTraceCaract); }

    // A work of an asynchronous machine under "T = K" with `n` characteristics defined.
    void travailDe(int n, int points = 3) {
        Travail& t = travail();
        t.ModeleEssai.TypeMachine() = 3;
        t.ModeleEssai.TypeCharge() = 1;
        t.AjouteEssai();
        for (int k = 0; k < points; ++k) {
            t.Mesures[1] = 1500 - 20 * k;
            t.Mesures[2] = 100 * k;
            t.Mesures[5] = 1000 + 100 * k;
            t.AjoutePoint();
        }
        const int y[4] = {2, 5, 3, 8};
        for (int k = 1; k <= n; ++k) {
            TDefCaract& d = t.EnteteTravail.DefCaract(k);
            d = TDefCaract{1, 1, {}, 1, 18, {}, y[k - 1], 18, {}, 0};
        }
        t.TravailEnregistre = true;
    }
    void montre() {
        f().resize(1000, 700);
        f().show();
        QApplication::processEvents();
    }
};

TEST_F(TraceCaract, PanelsTakeTheirSlotsInTheOrderOfTheCharacteristics) {
    travailDe(4);
    montre();
    const QRect r = f().rectanglePanneaux();
    const int w = r.width() / 2, h = r.height() / 2;
    for (int nombre : {4, 3, 2, 1}) {
        // Hide the characteristics from the first: the slots follow the numbers still shown.
        for (int k = 1; k <= 4; ++k)
            travail().EnteteTravail.DefCaract(k).Affichee = k > 4 - nombre;
        f().Action();
        std::vector<QRect> vus;
        for (int k = 1; k <= 4; ++k)
            if (f().panneau(k)->isVisible()) vus.push_back(f().panneau(k)->geometry());
        ASSERT_EQ(int(vus.size()), nombre);
        if (nombre == 1) {
            EXPECT_EQ(vus[0], r);
        } else if (nombre == 2) {
            EXPECT_EQ(vus[1], QRect(r.left() + w, r.top(), w, r.height()));
        } else if (nombre == 3) {
            EXPECT_EQ(vus[0], QRect(r.left(), r.top(), w, h));
            EXPECT_EQ(vus[1], QRect(r.left(), r.top() + h, w, h));
            EXPECT_EQ(vus[2], QRect(r.left() + w, r.top(), w, r.height()));
        }
    }
    for (int k = 1; k <= 4; ++k)
        travail().EnteteTravail.DefCaract(k).Affichee = 0;
    f().Action();
    for (int k = 1; k <= 4; ++k)
        EXPECT_FALSE(f().panneau(k)->isVisible());
}

TEST_F(TraceCaract, EscapeWithNoAcquisitionClearsTheValueBoxes) {
    travailDe(1);
    montre();
    travail().Mesures[0] = 0;
    f().Curseur();
    EXPECT_NE(f().TexteValeur[1]->text(), "----");
    QTest::keyClick(&f(), Qt::Key_Escape);
    EXPECT_EQ(f().TexteValeur[1]->text(), "----");
    EXPECT_EQ(travail().Mesures[0], -1);
}

TEST_F(TraceCaract, ValueBoxesFollowTheMachine) {
    travailDe(1);
    travail().Essais[1].Entete.TypeMachine() = 3; // asynchronous: no excitation current
    montre();
    EXPECT_FALSE(f().TexteValeur[7]->isVisible());
    EXPECT_TRUE(f().TexteValeur[9]->isVisible());
    EXPECT_TRUE(f().LibelleValeur[5]->text().endsWith(" (20A)"));
    EXPECT_EQ(f().LibelleValeur[1]->text(), "Vitesse de rotation : n");
}

TEST_F(TraceCaract, ManualModeDisablesTheLoadButtonAndTheMenusAndStopGivesThemBack) {
    travailDe(1);
    montreMenu(); // the link starts on the in-memory drive
    montre();
    EXPECT_TRUE(f().ButtonModifCharge->isEnabled());
    f().ButtonManu->click();
    ASSERT_TRUE(f().ButtonManu->isChecked());
    EXPECT_FALSE(f().ButtonModifCharge->isEnabled());
    EXPECT_FALSE(f().Fichier1->menuAction()->isEnabled());
    EXPECT_TRUE(f().TimerManu->isActive());
    EXPECT_FALSE(f().PanelANALYSE->isVisible());
    EXPECT_TRUE(travail().AcquisitionEnCours);
    f().ScrollBarK->setValue(40);
    EXPECT_EQ(port.esclave.registres[1919], 400);
    QTest::keyClick(f().ScrollBarK, Qt::Key_Space); // Space records a point, even from the K bar
    EXPECT_EQ(travail().Essais[1].nbPoints(), 4);
    f().ButtonStopManuClick();
    EXPECT_FALSE(travail().AcquisitionEnCours);
    EXPECT_TRUE(f().ButtonModifCharge->isEnabled());
    EXPECT_TRUE(f().Fichier1->menuAction()->isEnabled());
    EXPECT_FALSE(f().TimerManu->isActive());
    EXPECT_EQ(f().ScrollBarK->value(), 0);
    EXPECT_EQ(port.esclave.registres[2028], 1);
}

TEST_F(TraceCaract, AFullTestStopsTheRecordingWithAMessage) {
    travailDe(1);
    montreMenu();
    montre();
    f().ButtonManu->click();
    travail().Essais[1].Entete.DernierPoint() = DERNIER_POINT_MAX;
    f().ButtonAcquiPointCaractClick();
    EXPECT_EQ(travail().Essais[1].nbPoints(), NB_POINTS_MAX);
    ASSERT_EQ(dialogues.avertissements.size(), 1);
    EXPECT_TRUE(dialogues.avertissements[0].contains("2001"));
    EXPECT_FALSE(travail().AcquisitionEnCours);
}

TEST_F(TraceCaract, SavingUnderAnApplicationNameAsksForANewName) {
    travailDe(1);
    montre();
    travail().NomFichierCourant = chemin("appli.Vimr2");
    dialogues.fichiers = {chemin("caract.MLX2")};
    f().Enregistrer1Click();
    EXPECT_FALSE(QFile::exists(chemin("appli.Vimr2")));
    EXPECT_TRUE(QFile::exists(chemin("caract.MLX2")));
    EXPECT_EQ(travail().NomFichierCourant, chemin("caract.MLX2"));
    f().Enregistrer1Click(); // a characteristic name is written in place
    EXPECT_TRUE(dialogues.fichiers.empty());
}

TEST_F(TraceCaract, DeletingATestAsksFirst) {
    travailDe(1);
    travail().AjouteEssai();
    montre();
    dialogues.reponses = {R::Non};
    f().SuppCourbeClick(1);
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 2);
    dialogues.reponses = {R::Oui};
    f().SuppCourbeClick(1);
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 1);
    EXPECT_EQ(dialogues.questions.last(), "Voulez-vous supprimer l'essai 1");
    EXPECT_FALSE(f().Buttoncourbe[1]->isVisible());
}

TEST_F(TraceCaract, CopiedValuesOfAnEmptyTestAreTheTwoHeaderLines) {
    travailDe(1, 0);
    montre();
    f().Copiervaleurs(1);
    EXPECT_EQ(QApplication::clipboard()->text().count("\r\n"), 2);
}

TEST_F(TraceCaract, ThreePrintedCharacteristicsStandTwoOnTheLeftAndOneOnTheRight) {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    travailDe(3, 10);
    montre();
    const QString pdf = chemin("page.pdf");
    f().imprimante().setOutputFormat(QPrinter::PdfFormat);
    f().imprimante().setOutputFileName(pdf);
    f().imprimante().setResolution(72);
    dialogues.impressions = {true};
    f().Imprimer1Click();
    ASSERT_TRUE(QFile::exists(pdf));
    QProcess::execute(pdftoppm, {"-png", "-r", "40", "-singlefile", pdf, chemin("page")});
    QImage page(chemin("page.png"));
    ASSERT_FALSE(page.isNull());
    // Ink along a vertical line through the middle of each half: the left half breaks between
    // two graphs, the right one runs without a break through the middle height.
    const auto encre = [&page](int x, int y) { return qGray(page.pixel(x, y)) < 200; };
    const int xg = page.width() / 4, xd = page.width() * 3 / 4;
    const int haut = page.height() / 10, bas = page.height() * 6 / 10;
    int cadresGauche = 0, cadresDroite = 0;
    bool avantG = false, avantD = false;
    for (int y = haut; y < bas; ++y) {
        const bool g = encre(xg, y), d = encre(xd, y);
        cadresGauche += g && !avantG;
        cadresDroite += d && !avantD;
        avantG = g;
        avantD = d;
    }
    EXPECT_GT(cadresGauche, cadresDroite);
}

} // namespace

// The characteristic study as a student runs it from the main menu: points by hand, a sweep of K,
// files saved and opened again, the language changed on the way, and the program quit with
// points not saved yet.
#include "Parcours.h"

#include "simulator/Banc.h"
#include "work/Travail.h"

#include <QFile>
#include <QTest>

namespace {

class Etude : public Parcours {
protected:
    // In manual mode: the shaft settles on the load, "Acqui.".
    void point() {
        QTest::qWait(500);
        clique("Acqui.");
    }
    // K up by two pages of the bar, then a point.
    void pointSuivant() {
        pageBarre("ScrollBarK", 2);
        point();
    }
    void enregistreSous(const QString& nom) {
        ensuite(Nom(nom));
        menu({"Fichier", "Enregistrer sous"});
    }
    QByteArray octets(const QString& nom) const {
        QFile f(cheminTravail(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // One test of `points` points of the machine and load chosen, its torque rising with K.
    void verifieEtude(const QString& nom, int points) {
        SCOPED_TRACE(nom.toStdString());
        const auto t = lit(nom);
        ASSERT_EQ(t->EnteteTravail.NbEssais, 1);
        const TEssai& e = t->Essais[1];
        EXPECT_EQ(e.Entete.TypeMachine(), 1);
        EXPECT_EQ(e.Entete.TypeCharge(), 1);
        ASSERT_EQ(e.nbPoints(), points);
        for (int k = 1; k < points; ++k)
            EXPECT_GT(e.valeur(2, k), e.valeur(2, k - 1)) << "torque of point " << k;
    }
};

TEST_F(Etude, TwoStudiesByHandSavedOneAfterANewWorkEachHoldTheirPoints) {
    parcours([&] {
        ouvreEtude();
        clique("Manuel");
        point();
        // No menu command during a recording, by its shortcut either: nothing opens.
        touche(Qt::Key_O, Qt::ControlModifier);
        pointSuivant();
        // The drive applies T = K at the K of the bar.
        EXPECT_EQ(banc().etat().loi, 2);
        EXPECT_EQ(banc().etat().k, 200);
        pointSuivant();
        clique("Stop");
        EXPECT_EQ(banc().etat().motControle, 1);
        enregistreSous("a1");
        menu({"Fichier", "Nouveau travail"});
        attendsFenetres({"FormMachine2"});

        ouvreEtude();
        clique("Manuel");
        point();
        pointSuivant();
        pointSuivant();
        clique("Stop");
        EXPECT_TRUE(visible("Essai 1")) << "the points drawn belong to no test";
        enregistreSous("a2");
        verifieEtude("a1.MLX2", 3);
        verifieEtude("a2.MLX2", 3);
    });
}

TEST_F(Etude, ARisingSweepToItsEndSavedAndOpenedAgainFromTheMainMenuIsTheSameWork) {
    parcours([&] {
        ouvreEtude();
        clique("Auto");
        clique("K ↗");
        EXPECT_EQ(banc().etat().motControle, (2 << 8) | 5 | 0x4000) << "T = K swept upwards";
        // The drive sweeps K up in 5 s and down in 1 s; the test row is back once it says so.
        ASSERT_TRUE(attends([this] { return visible("Essai 1"); }, 15000));
        EXPECT_EQ(banc().etat().motControle, 1);
        enregistreSous("c1");
        // The values for a spreadsheet in French: ';' between fields, a decimal comma.
        ensuite(Nom("c1.csv"));
        menu({"Fichier", "Exporter…"});
        clique("Fermer");
        attendsFenetres({"FormMachine2"});
        ensuite(Nom("c1.MLX2"));
        clique("Ouvrir un fichier");
        attendsFenetres({"FormTraceCaract"});
        enregistreSous("c2");

        const auto t = lit("c1.MLX2");
        ASSERT_EQ(t->EnteteTravail.NbEssais, 1);
        const TEssai& e = t->Essais[1];
        ASSERT_GT(e.nbPoints(), 20);
        EXPECT_LT(e.valeur(2, 0) + 500, e.valeur(2, e.nbPoints() - 1))
            << "the torque rises by 5 N.m and more";
        EXPECT_EQ(octets("c2.MLX2"), octets("c1.MLX2"));
        // One row per point: the test, the point, then n and Tu as the program shows them.
        QStringList rangs;
        for (const QByteArray& ligne : octets("c1.csv").split('\n'))
            if (ligne.startsWith("1;")) rangs << QString::fromUtf8(ligne.trimmed());
        ASSERT_EQ(rangs.size(), e.nbPoints());
        for (int k = 0; k < e.nbPoints(); ++k) {
            const QStringList champs = rangs[k].split(u';');
            EXPECT_EQ(champs.value(2), QString::number(e.valeur(1, k)));
            EXPECT_EQ(champs.value(3), QString::number(e.valeur(2, k) / 100.0, 'f', 2).replace(u'.', u','));
        }
    });
}

TEST_F(Etude, TheLanguageChangedToEnglishWithThePlotWindowOpenTranslatesItsMenusAndPopUps) {
    parcours([&] {
        ouvreEtude();
        ensuite(Suite({Clic("Anglais"), Clic("OK")}));
        menu({"Configuration", "Configuration matérielle"});
        attendsFenetres({"FormTraceCaract"});

        EXPECT_EQ(titresMenus(), (QStringList{"File", "Edition", "Configuration", "?"}));
        EXPECT_TRUE(visible("Manual"));
        QStringList entrees;
        ensuite(LitEntrees(entrees));
        clique(controle("CaractMachine1/PaintBox1"), Qt::RightButton);
        EXPECT_EQ(entrees, (QStringList{"Suppression point", "Suppression all point", "New test",
                                        "Modification of the characteristic", "Copy  characteristic",
                                        "Copy selected test values"}));
        EXPECT_EQ(controle("CaractMachine1/ZoomX")->toolTip(), "Scale variation in abscisse");
        EXPECT_EQ(menu({"File"}), (QStringList{"Open", "Register", "Register under", "Export…", "New task",
                                               "Printer configuration", "Print", "Quit"}));
    });
}

TEST_F(Etude, QuittingWithPointsNotSavedAsksSavesOnYesAndEndsWithTheDriveToldSo) {
    parcours([&] {
        ouvreEtude();
        clique("Manuel");
        pointSuivant();
        pointSuivant();
        clique("Stop");
        clique("Fermer");
        attendsFenetres({"FormMachine2"});
        ensuite(Clic("Oui"));
        ensuite(Nom("f1"));
        clique("Quitter");
        EXPECT_TRUE(attends([this] { return programmeFini(); }, 3000));
        EXPECT_EQ(fenetresVisibles(), QStringList{});
        EXPECT_EQ(banc().etat().motControle, 0);
        verifieEtude("f1.MLX2", 2);
    });
}

} // namespace

// An industrial application run as a student runs it: the pump chosen in the catalogue, the load
// started and moved, points by hand on the graph, a recording against time while the load moves,
// the work saved and opened again from the main menu.
#include "Parcours.h"

#include "application/EmulationCharge.h"
#include "simulator/Banc.h"
#include "work/Travail.h"

#include <QLabel>
#include <QProcess>
#include <QTest>

namespace {

constexpr int Pompe = 61;

// Each point's application columns (load level, flow, head) are those of its own speed.
void verifieColonnesApplication(const TEssai& e, int classe) {
    for (int k = 0; k < e.nbPoints(); ++k) {
        VecteurMesures m{};
        for (int c = 0; c < NB_COLONNES; ++c)
            m[c] = e.valeur(c, k);
        // The pump's network at the point's load level, then its flow and head at the point's speed.
        EmulationCharge pompe;
        BlocParametres bloc{};
        pompe.SetCharge(Pompe, ParamsEssai(e.Entete), classe, m[12], 0, bloc);
        VecteurMesures attendu = m;
        pompe.SetValeursAff(Pompe, ParamsEssai(e.Entete), classe, m[12], bloc, attendu);
        EXPECT_EQ(m[13], attendu[13]) << "flow of point " << k << " at " << m[1] << " tr/min";
        EXPECT_EQ(m[14], attendu[14]) << "head of point " << k << " at " << m[1] << " tr/min";
    }
}

TEST_F(Parcours, ThePumpRunByHandAndAgainstTimeIsSavedWholeAndOpensAgainFromTheMainMenu) {
    parcours([&] {
        ouvrePompe();

        clique("Marche charge active");
        // The drive runs the pump's program, and receives the load level the bar sets.
        EXPECT_TRUE(attends([this] { return banc().etat().motControle == ((7 << 8) | 5); }, 1000));
        const std::vector<uint16_t> bloc = banc().litRegistres(ADRESSE_BLOC, 6);
        pageBarre("ScrollBarCharge", -2);
        EXPECT_TRUE(attends([&] { return banc().litRegistres(ADRESSE_BLOC, 6) != bloc; }, 1000));

        clique("Graphique");
        clique("Manuel");
        const auto* curseurX = static_cast<QLabel*>(controle("CaractMachine5/TextValeurX"));
        const auto* vitesse = static_cast<QLabel*>(controle("TextMesure1Valeur"));
        for (int i = 0; i < 3; ++i) {
            QTest::qWait(400);
            // The graph's cursor reads the operating point the displays show.
            EXPECT_EQ(curseurX->text(), vitesse->text());
            clique("Point");
        }
        // No menu command during a recording, by its shortcut either: nothing opens.
        touche(Qt::Key_O, Qt::ControlModifier);
        clique("Stop");

        menu({"Edition", "Nouvel essai"});
        clique("Oscilloscope");
        clique("Synchro"); // no trigger: the recording starts at once
        pageBarre("ScrollBarDureeOscillo", -1);
        clique("Acqui.");
        QTest::qWait(1500);
        pageBarre("ScrollBarCharge", -3);
        // 5 s of recording; the test row is back once it is over.
        ASSERT_TRUE(attends([this] { return visible("Essai 2"); }, 10000));
        ensuite(Nom("d1"));
        menu({"Fichier", "Enregistrer sous"});
        // The file holds the points by hand and the recording, every column of one tick each.
        const auto t = lit("d1.Vimr2");
        EXPECT_EQ(t->EnteteTravail.NbEssais, 2);
        const TEssai& manuel = t->Essais[1];
        const TEssai& oscillo = t->Essais[2];
        EXPECT_EQ(manuel.Entete.TypeCharge(), Pompe);
        EXPECT_EQ(manuel.nbPoints(), 3);
        EXPECT_GE(oscillo.nbPoints(), 20);
        for (int k = 1; k < oscillo.nbPoints(); ++k)
            EXPECT_GT(oscillo.valeur(11, k), oscillo.valeur(11, k - 1)) << "time of point " << k;
        verifieColonnesApplication(manuel, 2);
        verifieColonnesApplication(oscillo, 2);

        // The run for the lab report: a workbook, read back by a spreadsheet library.
        ensuite(Nom("pompe.xlsx"));
        menu({"Fichier", "Exporter…"});
        QProcess lecteur;
        lecteur.start(
            "/usr/bin/python3",
            {"-c",
             "import openpyxl, sys\n"
             "w = openpyxl.load_workbook(sys.argv[1])\n"
             "for s in w.worksheets:\n"
             "    print(len([c for r in s.iter_rows() for c in r if isinstance(c.value, (int, float))]), "
             "len(s._charts))",
             cheminTravail("pompe.xlsx")});
        ASSERT_TRUE(lecteur.waitForFinished(20000));
        const QStringList feuilles =
            QString(lecteur.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(feuilles.size(), 3) << lecteur.readAllStandardError().toStdString();
        // Each test's sheet holds a number per point and column (its context may hold more), the
        // last sheet the chart of the run screen's characteristic.
        EXPECT_GE(feuilles[0].section(u' ', 0, 0).toInt(), 3 * 10);
        EXPECT_GE(feuilles[1].section(u' ', 0, 0).toInt(), oscillo.nbPoints() * 10);
        EXPECT_EQ(feuilles[2].section(u' ', 1, 1), "1");

        // Back through the catalogue to the main menu, and the work opened again from there.
        clique("Fermer");
        attendsFenetres({"FormKorlan"});
        EXPECT_EQ(banc().etat().motControle, 1);
        clique("Fermer");
        attendsFenetres({"FormMachine2"});
        ensuite(Nom("d1.Vimr2"));
        clique("Ouvrir un fichier");
        attendsFenetres({"FormApplication"});
        clique("Graphique");
        EXPECT_TRUE(visible("Essai 2"));
    });
}

} // namespace

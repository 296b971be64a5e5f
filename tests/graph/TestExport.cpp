// The workbook as the study windows ask for it: the characteristics they show, the demo's mention,
// and a write cut short. Read back by openpyxl (tests/tools/relit_export.py).
#include "Processus.h"
#include "TravailExemple.h"

#include "graph/Export.h"
#include "socle/FichierAtomique.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ExportClasseur : public testing::Test {
protected:
    QTemporaryDir dossier;
    std::unique_ptr<Travail> t = std::make_unique<Travail>();
    SessionTravail session;

    void SetUp() override {
        AppliqueLangue(1);
        remplitTravailExemple(*t, session, 20); // n(Tu), I(Tu), Pm(n), Rd(Pm)
    }
    void TearDown() override { SimuleEchecEcritureApres(-1); }
};

TEST_F(ExportClasseur, ChartsTheCharacteristicsShownAndSaysTheBenchWasSimulated) {
    OptionsExport o;
    o.demo = true;
    o.caracteristiques = {3, 9, 3, 1};
    const QString classeur = dossier.filePath("c.xlsx"), dump = dossier.filePath("dump.txt");
    QString erreur;
    ASSERT_TRUE(EcritXlsx(*t, session, o, classeur, &erreur)) << erreur.toStdString();
    QFile f(dump);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) &&
                f.write(TexteValeurs(*t, session, -1, DERNIERE_COLONNE_CARACT).toUtf8()) > 0);
    f.close();

    const Sortie s = lance(VIMRA_PYTHON, {VIMRA_RELIT_EXPORT, classeur, dump, "fr"});
    ASSERT_EQ(s.code, 0) << s.err.toStdString();
    const QJsonObject r = QJsonDocument::fromJson(s.out).object();
    EXPECT_TRUE(r["ecarts"].toArray().isEmpty()) << s.out.toStdString();
    EXPECT_EQ(r["comparees"].toInt(), 5 * 20 * 12);
    QStringList titres;
    for (const QJsonValue& g : r["graphiques"].toArray()) {
        titres << g["titre"].toString();
        EXPECT_EQ(g["series"].toArray().size(), 5);
    }
    EXPECT_EQ(titres.join(u' ').toStdString(), "Pm(n) n(Tu)");
    const QJsonArray contexte = r["contextes"]["Essai 1"].toArray();
    ASSERT_FALSE(contexte.isEmpty());
    EXPECT_EQ(contexte.last().toArray().first().toString().toStdString(), "Banc simulé");
}

TEST_F(ExportClasseur, AWriteCutShortLeavesThePreviousFileAndSaysWhy) {
    for (const char* nom : {"p.xlsx", "p.csv"}) {
        const QString chemin = dossier.filePath(nom);
        ASSERT_TRUE(EcritFichierAtomique(chemin, "previous"));
        SimuleEchecEcritureApres(1000);
        QString erreur;
        const bool ecrit = QString(nom).endsWith("xlsx") ? EcritXlsx(*t, session, {}, chemin, &erreur)
                                                         : EcritCsv(*t, session, {}, chemin, &erreur);
        SimuleEchecEcritureApres(-1);
        EXPECT_FALSE(ecrit) << nom;
        EXPECT_FALSE(erreur.isEmpty()) << nom;
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), "previous") << nom;
    }
}

} // namespace

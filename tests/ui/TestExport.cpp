// "Exporter…" of the study windows: the kind follows the typed extension or the chosen filter, each
// kind is written whole and read back by another program's reader, and a failed export says so and
// leaves the previous file and the work as they were.
#include "DossierVerrouille.h"
#include "ProgrammeTest.h"
#include "TravailExemple.h"

#include "study/FormTraceCaract.h"

#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <map>

namespace {

struct Choix {
    const char* tape;
    int filtre;
    const char* ecrit;
    TypeExport type;
};

class ChoixExport : public testing::TestWithParam<Choix> {};

TEST_P(ChoixExport, FollowsTheTypedExtensionElseTheChosenFilter) {
    QString chemin = GetParam().tape;
    EXPECT_EQ(TypeDExport(chemin, GetParam().filtre), GetParam().type);
    EXPECT_EQ(chemin, GetParam().ecrit);
}

INSTANTIATE_TEST_SUITE_P(Noms, ChoixExport,
                         testing::Values(Choix{"/d/a", 0, "/d/a.csv", TypeExport::CsvTous},
                                         Choix{"/d/a", 1, "/d/a.csv", TypeExport::CsvEssai},
                                         Choix{"/d/a.CSV", 1, "/d/a.CSV", TypeExport::CsvEssai},
                                         Choix{"/d/a.csv", 4, "/d/a.csv", TypeExport::CsvTous},
                                         Choix{"/d/a.xlsx", 0, "/d/a.xlsx", TypeExport::Xlsx},
                                         Choix{"/d/a.b", 3, "/d/a.b.png", TypeExport::Png},
                                         Choix{"/d/a.Pdf", 2, "/d/a.Pdf", TypeExport::Pdf},
                                         Choix{"/d/a", 4, "/d/a.svg", TypeExport::Svg},
                                         Choix{"/d/a", 99, "/d/a.pdf", TypeExport::Pdf}));

class Export : public ProgrammeTest {
protected:
    TFormTraceCaract& f() { return *static_cast<TFormTraceCaract*>(fenetres().FormTraceCaract); }
    void SetUp() override {
        ProgrammeTest::SetUp();
        remplitTravailExemple(travail(), sessionTravail(), 30);
        travail().EnteteTravail.Commentaire.setTexte("Moteur de la table 3");
        sessionTravail().TravailEnregistre = false;
        f().resize(1000, 700);
        f().show();
        QApplication::processEvents();
    }
    QString sortie(const QString& programme, const QStringList& arguments) {
        QProcess p;
        p.start(programme, arguments);
        p.waitForFinished(20000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
};

TEST_F(Export, GraphsAreAPictureAt300DpiADrawingAndAVectorDocumentWithTitleAndLegend) {
    for (const char* nom : {"g.png", "g.svg", "g.pdf"})
        dialogues.fichiers.push_back(chemin(nom));
    for (int i = 0; i < 3; ++i)
        f().Exporter1Click();
    EXPECT_TRUE(dialogues.avertissements.isEmpty()) << dialogues.avertissements.join('\n').toStdString();

    const QImage png(chemin("g.png"));
    EXPECT_EQ(png.size(), QSize(3508, 2480)) << "A4 in landscape at 300 dpi";
    EXPECT_EQ(png.dotsPerMeterX(), 11811);

    QFile svg(chemin("g.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    QString textes;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::Characters) textes += xml.text();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(textes.contains("Moteur de la table 3") && textes.contains("Essai 5"))
        << textes.toStdString();

    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "poppler-utils is not installed";
    const QString texte = sortie(pdftotext, {chemin("g.pdf"), "-"});
    EXPECT_TRUE(texte.contains("Moteur de la table 3") && texte.contains("Essai 5")) << texte.toStdString();
    // Vector: not one picture in the document.
    const QStringList images =
        sortie("pdfimages", {"-list", chemin("g.pdf")}).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2) << "only the two header lines of the list";
}

TEST_F(Export, ValuesOfTheSelectedTestOrEveryTestAndAWorkbookAreWrittenTheWorkStaysUnsaved) {
    sessionTravail().EssaiCourant = 3;
    dialogues.fichiers = {chemin("tous"), chemin("un"), chemin("classeur")};
    dialogues.filtres = {0, 1, 2};
    for (int i = 0; i < 3; ++i)
        f().Exporter1Click();
    EXPECT_TRUE(dialogues.avertissements.isEmpty()) << dialogues.avertissements.join('\n').toStdString();
    QFile tous(chemin("tous.csv")), un(chemin("un.csv")), classeur(chemin("classeur.xlsx"));
    ASSERT_TRUE(tous.open(QIODevice::ReadOnly) && un.open(QIODevice::ReadOnly) &&
                classeur.open(QIODevice::ReadOnly));
    // The rows of points, counted by the test number they start with.
    const auto rangs = [](QFile& f) {
        std::map<char, int> n;
        for (const QByteArray& l : f.readAll().split('\n'))
            if (l.size() > 1 && l[1] == ';' && l[0] >= '1' && l[0] <= '5') ++n[l[0]];
        return n;
    };
    EXPECT_EQ(rangs(tous), (std::map<char, int>{{'1', 30}, {'2', 30}, {'3', 30}, {'4', 30}, {'5', 30}}));
    EXPECT_EQ(rangs(un), (std::map<char, int>{{'3', 30}}));
    EXPECT_TRUE(classeur.read(2) == "PK") << "a workbook is a zip archive";
    EXPECT_FALSE(sessionTravail().TravailEnregistre);
}

TEST_F(Export, AFolderThatCannotBeWrittenSaysSoAndLeavesThePreviousFileWhole) {
    const QString dossierExport = chemin("rapport");
    QDir().mkpath(dossierExport);
    const QString fichier = QDir(dossierExport).filePath("g.pdf");
    {
        QFile f(fichier);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("previous");
    }
    DossierVerrouille verrou(dossierExport);
    if (!verrou.verrouille()) GTEST_SKIP() << "this file system lets the folder be written";
    dialogues.fichiers = {fichier, QDir(dossierExport).filePath("v.csv")};
    f().Exporter1Click();
    f().Exporter1Click();
    ASSERT_EQ(dialogues.avertissements.size(), 2);
    EXPECT_TRUE(dialogues.avertissements[0].startsWith("Erreur d'ecriture du fichier"));
    QFile f(fichier);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "previous");
    EXPECT_FALSE(sessionTravail().TravailEnregistre);
}

TEST_F(Export, NothingToExportWhileTheFirstTestIsEmpty) {
    travail().NouveauTravail(sessionTravail());
    travail().AjouteEssai(sessionTravail());
    emit f().Fichier1->aboutToShow();
    EXPECT_FALSE(f().Exporter1->isEnabled());
    EXPECT_EQ(f().Exporter1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
}

} // namespace

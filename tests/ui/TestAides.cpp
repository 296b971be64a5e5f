// The help viewers, the about box, and the documents delivered for them.
#include "ParamsApplications.h"
#include "ProgrammeTest.h"

#include "application/ConfigurationApplication.h"
#include "application/FormApplication.h"
#include "application/VisualisationPDF.h"
#include "commun/AboutBox.h"
#include "commun/AideCablage.h"
#include "commun/DocumentsAide.h"

#include <QLabel>
#include <QPdfDocument>
#include <QPushButton>
#include <QToolButton>

namespace {

const QString donnees = QStringLiteral(VIMRA_DONNEES);

class Aides : public ProgrammeTest {
protected:
    TFormVisualisationPDF& fiche() { return *fenetres().FormVisualisationPDF; }
    TFormAideCablage& cablage() { return *fenetres().FormAideCablage; }

    // Delivers the document `fichier` of the folder `dossierLangue` into the test's program folder.
    void livre(const QString& dossierLangue, const QString& fichier) {
        QDir(dossier.path()).mkpath(dossierLangue);
        ASSERT_TRUE(QFile::copy(QDir(donnees).filePath(dossierLangue + "/" + fichier),
                                chemin(dossierLangue + "/" + fichier)))
            << qPrintable(fichier);
    }
    void langue(int l) {
        ConfigGenerale().LangueConfig = l;
        AppliqueLangue(l);
    }
    static void remontre(QWidget& w) {
        w.hide();
        w.show();
        QApplication::processEvents();
    }
    static void attendChargement(TFenetreDocument& w) { EXPECT_TRUE(!w.Visionneuse->montreMessage()); }
};

struct CasFicheOuverte {
    const char* nom;
    int code, langue;
    const char* dossierLangue;
    const char* fichier;
};

class FicheOuverte : public Aides, public testing::WithParamInterface<CasFicheOuverte> {};

TEST_P(FicheOuverte, IsTheSheetOfTheApplicationFromTheFolderOfTheLanguage) {
    const CasFicheOuverte& c = GetParam();
    const QString fichier = QString::fromUtf8(c.fichier);
    livre(c.dossierLangue, fichier);
    langue(c.langue);
    travail().ApplicationCourante = c.code;
    fiche().show();
    QApplication::processEvents();
    EXPECT_EQ(fiche().NomFichier, fichier);
    EXPECT_EQ(fiche().Visionneuse->chemin(), chemin(QString(c.dossierLangue) + "/" + fichier));
    EXPECT_EQ(fiche().Visionneuse->document()->status(), QPdfDocument::Status::Ready);
    EXPECT_GE(fiche().Visionneuse->document()->pageCount(), 1);
    EXPECT_FALSE(fiche().Visionneuse->montreMessage());
    EXPECT_EQ(fiche().windowTitle(), Textes().Texte[172]);
    // The program's folder is never changed to open a document.
    EXPECT_EQ(QDir::currentPath(), QDir(dossier.path()).absolutePath());
}

INSTANTIATE_TEST_SUITE_P(
    Cas, FicheOuverte,
    testing::Values(
        CasFicheOuverte{"rollerConveyorFrench", 53, 1, "Vimra_Fiches", "Fiche convoyeur à rouleaux_FR.pdf"},
        CasFicheOuverte{"smokeExtractionEnglish", 64, 2, "Vimra_Sheets", "Fiche ventilation_UK.pdf"},
        CasFicheOuverte{"hoistSpanish", 58, 3, "Vimra_Hojas", "Fiche levage_SP.pdf"},
        // Opened from the run screen's configuration dialog, the code carries 100 more.
        CasFicheOuverte{"pumpFromTheRunScreensDialog", 161, 1, "Vimra_Fiches", "Fiche pompage_FR.pdf"}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(Aides, TheSheetViewerStaysAboveTheOtherWindows) {
    EXPECT_TRUE(fiche().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(cablage().windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(Aides, AMissingSheetIsSaidInTheViewer) {
    travail().ApplicationCourante = 51;
    fiche().show();
    QApplication::processEvents();
    EXPECT_EQ(fiche().NomFichier, "Fiche conditionnement_FR.pdf");
    EXPECT_TRUE(fiche().Visionneuse->montreMessage());
    EXPECT_TRUE(fiche().Visionneuse->message()->isVisible());
    EXPECT_TRUE(fiche().Visionneuse->message()->text().contains("Fiche conditionnement_FR.pdf"));
    EXPECT_TRUE(fiche().Visionneuse->message()->text().contains("introuvable"));
    EXPECT_NE(fiche().Visionneuse->document()->status(), QPdfDocument::Status::Ready);
}

TEST_F(Aides, AFileThatIsNotAPdfIsSaidInTheViewer) {
    QDir(dossier.path()).mkpath("Vimra_Fiches");
    QFile f(chemin("Vimra_Fiches/Fiche levage_FR.pdf"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a document");
    f.close();
    travail().ApplicationCourante = 58;
    fiche().show();
    QApplication::processEvents();
    EXPECT_TRUE(fiche().Visionneuse->montreMessage());
    EXPECT_TRUE(fiche().Visionneuse->message()->text().contains("ne peut pas être lu"));
}

TEST_F(Aides, AnApplicationWithoutASheetKeepsWhatTheViewerHeld) {
    travail().ApplicationCourante = 60;
    fiche().show();
    QApplication::processEvents();
    EXPECT_TRUE(fiche().NomFichier.isEmpty());
    EXPECT_TRUE(fiche().Visionneuse->montreMessage()); // nothing held yet
    EXPECT_TRUE(fiche().Visionneuse->chemin().isEmpty());

    livre("Vimra_Fiches", "Fiche pompage_FR.pdf");
    travail().ApplicationCourante = 61;
    remontre(fiche());
    attendChargement(fiche());
    travail().ApplicationCourante = 63;
    remontre(fiche());
    EXPECT_TRUE(fiche().NomFichier.isEmpty());
    EXPECT_EQ(fiche().Visionneuse->chemin(), chemin("Vimra_Fiches/Fiche pompage_FR.pdf"));
    EXPECT_GE(fiche().Visionneuse->document()->pageCount(), 1);
}

TEST_F(Aides, ChangingTheLanguageWhileAViewerIsOpenWaitsForItsNextShowing) {
    livre("Vimra_Fiches", "Fiche levage_FR.pdf");
    livre("Vimra_Sheets", "Fiche levage_UK.pdf");
    travail().ApplicationCourante = 58;
    fiche().show();
    QApplication::processEvents();
    langue(2);
    fiche().show(); // already open: nothing changes
    fiche().resize(700, 600);
    QApplication::processEvents();
    EXPECT_EQ(fiche().NomFichier, "Fiche levage_FR.pdf");
    EXPECT_EQ(fiche().windowTitle(), "Aide sur une application");
    remontre(fiche());
    EXPECT_EQ(fiche().NomFichier, "Fiche levage_UK.pdf");
    EXPECT_EQ(fiche().windowTitle(), "Application help");
    EXPECT_EQ(fiche().ButtonFermer->text(), " Close");
    attendChargement(fiche());
}

struct CasSchemaOuvert {
    int machine, langue;
    const char* dossierLangue;
    const char* fichier;
};

class SchemaOuvert : public Aides, public testing::WithParamInterface<CasSchemaOuvert> {};

TEST_P(SchemaOuvert, IsTheFrenchNamedDiagramOfTheMachineFromTheFolderOfTheLanguage) {
    const CasSchemaOuvert& c = GetParam();
    livre(c.dossierLangue, QString::fromUtf8(c.fichier));
    langue(c.langue);
    sessionTravail().MachineApplication = c.machine;
    cablage().show();
    QApplication::processEvents();
    EXPECT_EQ(cablage().NomFichier, QString::fromUtf8(c.fichier));
    EXPECT_EQ(cablage().Visionneuse->document()->status(), QPdfDocument::Status::Ready);
    EXPECT_GE(cablage().Visionneuse->document()->pageCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Cas, SchemaOuvert,
                         testing::Values(CasSchemaOuvert{1, 1, "Cablage_FR", "Cablage MCCI_Fr.pdf"},
                                         CasSchemaOuvert{3, 2, "Cablage_UK", "Cablage MAS_Fr.pdf"},
                                         CasSchemaOuvert{7, 3, "Cablage_SP",
                                                         "Cablage Alimentation AC1_Fr.pdf"}));

TEST_F(Aides, TheWiringHelpHasItsOwnCaption) {
    sessionTravail().MachineApplication = 0;
    cablage().show();
    QApplication::processEvents();
    EXPECT_EQ(cablage().windowTitle(), "Aide au câblage");
    EXPECT_TRUE(cablage().NomFichier.isEmpty());
}

TEST_F(Aides, TheRunScreenShowsBothViewersAndClosesThemWhenItCloses) {
    livre("Vimra_Fiches", "Fiche convoyeur à rouleaux_FR.pdf");
    livre("Cablage_FR", "Cablage MAS_Fr.pdf");
    Travail& t = travail();
    t.ApplicationCourante = 53;
    t.ParamApplication = ParamsParDefaut(53);
    sessionTravail().MachineApplication = 3;
    sessionTravail().ModeleEssai.TypeMachine() = 3;
    montreMenu();
    menu().hide();
    TFormApplication& run = *fenetres().FormApplication;
    run.show();
    QApplication::processEvents();
    ASSERT_TRUE(run.ButtonRessource->isEnabled());
    ASSERT_TRUE(run.ButtonCablage->isEnabled());
    run.ButtonRessource->click();
    run.ButtonCablage->click();
    QApplication::processEvents();
    EXPECT_TRUE(fiche().isVisible());
    EXPECT_TRUE(cablage().isVisible());
    EXPECT_EQ(fiche().NomFichier, "Fiche convoyeur à rouleaux_FR.pdf");
    EXPECT_EQ(cablage().NomFichier, "Cablage MAS_Fr.pdf");
    attendChargement(fiche());
    attendChargement(cablage());
    run.close();
    QApplication::processEvents();
    EXPECT_FALSE(fiche().isVisible());
    EXPECT_FALSE(cablage().isVisible());
}

TEST_F(Aides, TheConfigurationDialogClosesTheSheetItShowed) {
    travail().ApplicationCourante = 62;
    TConfigurationApplication& d = *fenetres().ConfigurationApplication;
    d.SpeedButton1Click();
    QApplication::processEvents();
    EXPECT_TRUE(fiche().isVisible());
    // It belongs to the dialog, so that it stays usable while the dialog is modal.
    EXPECT_EQ(fiche().parentWidget(), &d);
    EXPECT_TRUE(fiche().isWindow());
    d.done(QDialog::Rejected);
    EXPECT_FALSE(fiche().isVisible());
}

TEST_F(Aides, TheAboutBoxShowsTheNameAndTheVersion) {
    TAboutBox& a = *fenetres().AboutBox;
    langue(2);
    a.show();
    QApplication::processEvents();
    EXPECT_EQ(a.windowTitle(), "A propos");
    EXPECT_EQ(a.Version->text(), "Version 1.7");
    EXPECT_EQ(a.ProductName->text(), "Vimra: study of electric machines on an active load");
    EXPECT_FALSE(a.Image->pixmap().isNull());
    EXPECT_FALSE(a.ProgramIcon->pixmap().isNull());
    a.OKButton->click();
    EXPECT_FALSE(a.isVisible());
    EXPECT_EQ(a.result(), QDialog::Accepted);
}

// Every document the tables name is delivered, in the sources and next to the program, and opens.
TEST(DocumentsLivres, EveryNamedDocumentExistsAndOpens) {
    for (const QString& racine : {donnees, QStringLiteral(VIMRA_DOSSIER_PROGRAMME)}) {
        QStringList chemins;
        for (int langue = 1; langue <= 3; ++langue) {
            for (int code : CodesAvecFiche())
                chemins << CheminDocument(DossierFichesLangue(racine, langue),
                                          FicheApplication(code, langue));
            for (int machine = 1; machine <= NB_MACHINES_CABLAGE; ++machine)
                chemins << CheminDocument(DossierCablageLangue(racine, langue),
                                          SchemaCablage(machine, langue));
        }
        EXPECT_EQ(chemins.size(), 3 * (9 + 7));
        for (const QString& c : chemins) {
            QPdfDocument d;
            EXPECT_EQ(d.load(c), QPdfDocument::Error::None) << qPrintable(c);
            EXPECT_GE(d.pageCount(), 1) << qPrintable(c);
            EXPECT_LT(QFileInfo(c).size(), 400 * 1024) << qPrintable(c);
        }
    }
}

} // namespace

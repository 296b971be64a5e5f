// The work folder of the language exists, and the program's file dialogs open in it, empty, and
// speak the program's language.
#include "ProgrammeTest.h"

#include "socle/DialoguesQt.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

struct CasLangue {
    const char* nom;
    int code;
    const char* dossier;
    const char* enregistrer; // the dialog's buttons
    const char* annuler;
};

class DossierTravaux : public ProgrammeTest, public testing::WithParamInterface<CasLangue> {};

TEST_P(DossierTravaux, TheSaveDialogOpensEmptyInTheWorkFolderOfTheLanguageAndSpeaksIt) {
    const CasLangue& c = GetParam();
    ConfigGenerale().LangueConfig = c.code;
    montreMenu();
    const QString travaux = chemin(c.dossier);
    ASSERT_TRUE(QFileInfo(travaux).isDir());

    QString dossierOuvert, nomPropose, boutonEnregistrer, boutonAnnuler;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        dossierOuvert = d->directory().absolutePath();
        auto* nom = d->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_TRUE(nom);
        nomPropose = nom->text();
        auto* boutons = d->findChild<QDialogButtonBox*>();
        boutonEnregistrer = boutons->button(QDialogButtonBox::Save)->text();
        boutonAnnuler = boutons->button(QDialogButtonBox::Cancel)->text();
        nom->setText("essai"); // a name typed alone
        boutons->button(QDialogButtonBox::Save)->click();
    });
    DialoguesQt qt;
    const DialogueFichier& s = dialoguesFichiers().SaveDialogMachine;
    const QString choisi = qt.enregistrerFichier(s.filtre, s.dossier, s.nomFichier);

    EXPECT_EQ(dossierOuvert, travaux);
    EXPECT_EQ(nomPropose, "");
    EXPECT_EQ(choisi, QDir(travaux).filePath("essai.MLX2"));
    EXPECT_EQ(boutonEnregistrer, QString::fromUtf8(c.enregistrer));
    EXPECT_EQ(boutonAnnuler, QString::fromUtf8(c.annuler));
}

INSTANTIATE_TEST_SUITE_P(Langues, DossierTravaux,
                         testing::Values(CasLangue{"french", 1, "Fichiers", "&Enregistrer", "Annuler"},
                                         CasLangue{"english", 2, "Files", "&Save", "Cancel"},
                                         CasLangue{"spanish", 3, "Ficheros", "&Guardar", "Cancelar"}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST_F(ProgrammeTest, ConfirmingAnotherLanguageCreatesItsWorkFolderForTheFiveDialogs) {
    montreMenu();
    EXPECT_TRUE(QFileInfo(chemin("Fichiers")).isDir());
    com().show();
    com().ButtonSP->click();
    com().BoutonOKClick();
    EXPECT_TRUE(QFileInfo(chemin("Ficheros")).isDir());
    menu().repaint();
    const DialoguesFichiers& d = dialoguesFichiers();
    for (const DialogueFichier* f : {&d.OpenDialogMachine, &d.SaveDialogMachine, &d.SaveDialogAppli,
                                     &d.SaveDialogApplication, &d.OpenDialogApplication})
        EXPECT_EQ(f->dossier, chemin("Ficheros"));
}

} // namespace

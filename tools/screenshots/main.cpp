// Renders the program's windows offscreen to PNG files, so that anyone can look at what it shows.
#include "link/BibliothequeReseau.h"
#include "link/FormCom.h"
#include "link/Horloge.h"
#include "link/Liaison.h"
#include "link/PortSerie.h"
#include "shell/ConfigGenerale.h"
#include "shell/Dialogues.h"
#include "shell/Fenetres.h"
#include "shell/FormMachine2.h"
#include "shell/Programme.h"
#include "shell/Textes.h"
#include "study/Catalogue.h"
#include "study/FormVisuApp.h"
#include "work/Travail.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The catalogues and pictures delivered beside the program, copied into the program folder.
void copieDonnees(const QString& source, const QString& cible) {
    const QDir s(source);
    for (const QString& f : s.entryList({"CFGAPP*.cfg"}, QDir::Files))
        QFile::copy(s.filePath(f), QDir(cible).filePath(f));
    QDir(cible).mkpath("Vimra_app");
    for (const QString& f : QDir(s.filePath("Vimra_app")).entryList(QDir::Files))
        QFile::copy(s.filePath("Vimra_app/" + f), QDir(cible).filePath("Vimra_app/" + f));
}

bool enregistre(QWidget* w, const QString& dossier, const QString& nom) {
    QCoreApplication::processEvents();
    const QString chemin = QDir(dossier).filePath(nom + ".png");
    const bool ok = w->grab().save(chemin);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(chemin));
    return ok;
}

// The applications viewer in each language, every picture delivered, and the messages that
// replace a picture that cannot be shown.
bool viewer(TFormVisuApp& visu, const QString& sortie) {
    bool ok = true;
    const QString langues[] = {"fr", "en", "es"};
    const int groupes[] = {1, 3, 7};
    for (int l = 1; l <= 3; ++l) {
        AppliqueLangue(l);
        ChargeCatalogue(QDir::currentPath());
        visu.Montre(groupes[l - 1]);
        visu.APPPlusClick();
        ok &= enregistre(&visu, sortie, QString("applications-viewer-%1").arg(langues[l - 1]));
    }
    AppliqueLangue(1);
    ChargeCatalogue(QDir::currentPath());
    QDir(sortie).mkpath("applications");
    for (int g = 1; g <= NB_GROUPES_APPLICATIONS; ++g) {
        visu.Montre(g);
        for (int i = 1; i <= CatalogueApplications().groupe(g).nombre(); ++i, visu.APPPlusClick())
            ok &= enregistre(&visu, sortie, QString("applications/group%1-%2").arg(g).arg(i));
    }
    TGroupeApplications& g6 = CatalogueApplications().groupe(6);
    g6.Count = 2;
    g6.Entrees[0].Name.setTexte("Pompe doseuse");
    g6.Entrees[0].ImageFile.setTexte("pompe_doseuse.jpg");
    visu.Montre(6);
    ok &= enregistre(&visu, sortie, "applications-viewer-missing-picture");
    CatalogueApplications() = {};
    visu.Montre(1);
    ok &= enregistre(&visu, sortie, "applications-viewer-no-catalogue");
    visu.hide();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Vimra_2");
    const QString sortie = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(sortie);
    const QString dossierSortie = QDir(sortie).absolutePath();

    DialoguesConsole dialoguesMuets;
    installeDialogues(&dialoguesMuets);
    // A folder of its own, so that no settings file of the user's is read or written.
    QTemporaryDir programme;
    QDir::setCurrent(programme.path());
    copieDonnees(QCoreApplication::applicationDirPath(), programme.path());

    auto port = creePortSerieSysteme();
    auto reseau = creeBibliothequeModbusTcp();
    Liaison liaison(*port, *reseau, horlogeSysteme(), ConfigGenerale(), travail());
    bool ok = true;
    {
        Programme p(liaison);
        TFormMachine2* menu = fenetres().FormMachine2;
        TFormCom* com = fenetres().FormCom;
        const char* langues[] = {"fr", "en", "es"};
        for (int l = 1; l <= 3; ++l) {
            ConfigGenerale().LangueConfig = l;
            menu->show();
            menu->FormShow();
            ok &= enregistre(menu, dossierSortie, QString("main-menu-%1").arg(langues[l - 1]));
            for (int page = 0; page < 2; ++page) {
                ConfigGenerale().TypeLiaison = page == 0 ? 1 : 0;
                com->show();
                com->PageControlCom->setCurrentIndex(page);
                ok &= enregistre(
                    com, dossierSortie,
                    QString("link-window-%1-%2").arg(page == 0 ? "serial" : "network", langues[l - 1]));
                com->hide();
            }
        }
        ok &= viewer(*fenetres().FormVisuApp, dossierSortie);
    }
    installeDialogues(nullptr);
    return ok ? 0 : 1;
}

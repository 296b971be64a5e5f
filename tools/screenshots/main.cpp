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
#include "work/Travail.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace {

bool enregistre(QWidget* w, const QString& dossier, const QString& nom) {
    QCoreApplication::processEvents();
    const QString chemin = QDir(dossier).filePath(nom + ".png");
    const bool ok = w->grab().save(chemin);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(chemin));
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
    }
    installeDialogues(nullptr);
    return ok ? 0 : 1;
}

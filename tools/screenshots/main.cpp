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
#include "study/FormCalibreCourant.h"
#include "study/FormTrierPoints.h"
#include "study/NouvelCaract.h"
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

// The offscreen platform cannot pass size limits to a window manager and says so at every layout
// change; there is no window manager to tell.
QtMessageHandler suivant = nullptr;

void filtre(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    if (suivant)
        suivant(type, contexte, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, contexte, message)));
}

// The template of a study on `typeMachine` with load `typeCharge`, as the choice screen leaves it.
void etude(int typeMachine, int typeCharge) {
    travail().ModeleEssai.TypeMachine() = typeMachine;
    travail().ModeleEssai.TypeCharge() = typeCharge;
}

bool dialogues(const QString& dossier, const QString& langue) {
    Fenetres& f = fenetres();
    bool ok = true;
    travail().NouveauTravail(); // the quantity names of the language, as at start-up
    etude(3, 1);
    f.NouvelCaract->Prepare(ModeDefinition::Nouveau, 1);
    f.NouvelCaract->show();
    ok &= enregistre(f.NouvelCaract, dossier, "new-characteristic-" + langue);
    f.NouvelCaract->hide();
    // An oscilloscope study: time on the abscissa, only the right half of the plane.
    etude(4, 12);
    travail().ModeleEssai[TEnteteEssai::MotCalibreCourant] = 1;
    travail().EnteteTravail.DefCaract(2) = TDefCaract{1, 1, {}, 11, 18, {}, 2, 18, {}, 1};
    f.NouvelCaract->Prepare(ModeDefinition::Modification, 2);
    f.NouvelCaract->show();
    ok &= enregistre(f.NouvelCaract, dossier, "modify-characteristic-time-" + langue);
    f.NouvelCaract->hide();
    travail().ModeleEssai[TEnteteEssai::MotCalibreCourant] = 0;

    etude(2, 1);
    f.FormTrierPoints->show();
    ok &= enregistre(f.FormTrierPoints, dossier, "sort-points-" + langue);
    f.FormTrierPoints->hide();
    f.FormCalibreCourant->show();
    ok &= enregistre(f.FormCalibreCourant, dossier, "current-range-" + langue);
    f.FormCalibreCourant->hide();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    suivant = qInstallMessageHandler(filtre);
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
            AppliqueLangue(l);
            ok &= dialogues(dossierSortie, langues[l - 1]);
        }
    }
    installeDialogues(nullptr);
    return ok ? 0 : 1;
}

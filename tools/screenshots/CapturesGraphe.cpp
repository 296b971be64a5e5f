// Renders the graph panel offscreen to PNG files: a work of five tests in every interpolation mode,
// then in every colour scheme, with a point selected so that the cursor and read-outs show.
// Usage: vimra-captures [FOLDER]   (default: screenshots)
#include "TravailExemple.h"
#include "graph/CaractMachine.h"
#include "graph/Couleurs.h"
#include "graph/ProprietaireGraphe.h"
#include "socle/ConfigGenerale.h"
#include "work/EtatEtude.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <memory>

namespace {

// The plot window's part: its cursor routine moves the panel's cursor to the selected point.
class Proprietaire final : public ProprietaireGraphe {
public:
    TCaractMachine* panneau = nullptr;
    void SupprimePointSelectionne() override {}
    void SupprimeTousLesPoints() override {}
    void NouvelEssai() override {}
    void ModifieCaract(int) override {}
    void Action() override {}
    void Curseur() override {
        if (panneau) panneau->curseur();
    }
};

bool capture(TCaractMachine& panneau, const QDir& dossier, const QString& nom) {
    panneau.PaintBox1Paint();
    const QString chemin = dossier.filePath(nom + ".png");
    const bool ok = panneau.grab().save(chemin);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(chemin));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir dossier(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    if (!QDir().mkpath(dossier.path())) return 2;

    AppliqueLangue(1);
    const auto exemple = std::make_unique<Travail>();
    SessionTravail session;
    Travail& t = *exemple;
    remplitTravailExemple(t, session, 60);
    session.EssaiCourant = 2;
    EtatEtude etat;
    etat.SelectionPoint(t, session, 35);

    Proprietaire proprietaire;
    TCaractMachine panneau(1, t, session, etat);
    proprietaire.panneau = &panneau;
    panneau.setProprietaires(&proprietaire, nullptr);
    panneau.resize(720, 480);
    panneau.show();
    QApplication::processEvents();
    panneau.tracecaract();

    bool ok = true;
    static const char* modes[] = {"sans", "barres", "lineaire", "cubique", "filtre3", "filtre5", "filtre7"};
    ConfigGenerale().SchemaCouleurs = 0;
    for (int mode = -1; mode <= 5; ++mode) {
        t.EnteteTravail.Interpolation = mode;
        ok = capture(panneau, dossier, QString("graphe_interpolation_%1").arg(modes[mode + 1])) && ok;
    }
    t.EnteteTravail.Interpolation = 2;
    for (int schema = 0; schema < NB_SCHEMAS_COULEURS; ++schema) {
        ConfigGenerale().SchemaCouleurs = uint8_t(schema);
        ok = capture(panneau, dossier, QString("graphe_couleurs_%1").arg(schema)) && ok;
    }
    // During an acquisition: no interpolation and a dot for the cursor; then another characteristic.
    ConfigGenerale().SchemaCouleurs = 0;
    etat.AcquisitionEnCours = true;
    ok = capture(panneau, dossier, "graphe_acquisition") && ok;
    etat.AcquisitionEnCours = false;
    for (int n = 2; n <= 4; ++n) {
        TCaractMachine autre(n, t, session, etat);
        proprietaire.panneau = &autre;
        autre.setProprietaires(&proprietaire, nullptr);
        autre.resize(720, 480);
        autre.show();
        QApplication::processEvents();
        autre.tracecaract();
        ok = capture(autre, dossier, QString("graphe_caracteristique_%1").arg(n)) && ok;
    }
    return ok ? 0 : 1;
}

// The pictures of the user guide: the windows of the usual tasks, in each language, small enough
// to sit in the guide's text. make images-aide writes them into resources/aide/images.
#include "Captures.h"
#include "application/ChoixMachine.h"
#include "application/ConfigurationApplication.h"
#include "application/FormApplication.h"
#include "application/FormKorlan.h"
#include "commun/Fenetres.h"
#include "link/FormCom.h"
#include "link/FormVisualisation.h"
#include "shell/FormMachine2.h"
#include "shell/Programme.h"
#include "simulator/BancSimule.h"
#include "socle/ConfigGenerale.h"
#include "socle/Textes.h"
#include "study/FormChoixCaract.h"
#include "study/FormTraceCaract.h"
#include "study/NouvelCaract.h"
#include "work/Travail.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Wide enough to read the controls, narrow enough for the guide's column.
constexpr int LARGEUR_MAX = 600;

// A palette of 256 colours by median cut: a third of the size of the true colours in the program's
// resources, without the false tints of a fixed palette.
QImage palette256(const QImage& source) {
    const QImage im = source.convertToFormat(QImage::Format_RGB32);
    struct Case {
        qint64 n = 0, r = 0, v = 0, b = 0; // pixels and their sums
    };
    std::vector<Case> cases(1 << 15);
    const auto cle = [](QRgb c) { return (qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | qBlue(c) >> 3; };
    for (int y = 0; y < im.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(im.constScanLine(y));
        for (int x = 0; x < im.width(); ++x) {
            Case& c = cases[std::size_t(cle(ligne[x]))];
            ++c.n;
            c.r += qRed(ligne[x]);
            c.v += qGreen(ligne[x]);
            c.b += qBlue(ligne[x]);
        }
    }
    std::vector<std::vector<int>> boites(1);
    for (int k = 0; k < (1 << 15); ++k)
        if (cases[std::size_t(k)].n) boites[0].push_back(k);
    const auto composante = [](int k, int canal) { return (k >> (10 - 5 * canal)) & 31; };
    // Cut the box that spans most along one channel, at its median pixel, until 256 boxes.
    while (boites.size() < 256) {
        int choisie = -1, canalChoisi = 0, etendueMax = 0;
        for (std::size_t i = 0; i < boites.size(); ++i) {
            if (boites[i].size() < 2) continue;
            for (int canal = 0; canal < 3; ++canal) {
                const auto [mn, mx] =
                    std::minmax_element(boites[i].begin(), boites[i].end(), [&](int a, int b) {
                        return composante(a, canal) < composante(b, canal);
                    });
                const int e = composante(*mx, canal) - composante(*mn, canal);
                if (e > etendueMax) choisie = int(i), canalChoisi = canal, etendueMax = e;
            }
        }
        if (choisie < 0) break;
        std::vector<int>& b = boites[std::size_t(choisie)];
        std::sort(b.begin(), b.end(),
                  [&](int x, int y) { return composante(x, canalChoisi) < composante(y, canalChoisi); });
        qint64 total = 0, cumul = 0;
        for (int k : b)
            total += cases[std::size_t(k)].n;
        std::size_t coupe = 1;
        for (; coupe < b.size() - 1; ++coupe)
            if ((cumul += cases[std::size_t(b[coupe - 1])].n) * 2 >= total) break;
        std::vector<int> haut(b.begin() + qsizetype(coupe), b.end());
        b.resize(coupe);
        boites.push_back(std::move(haut)); // b is not used past here: the push may move it
    }
    QList<QRgb> couleurs;
    std::vector<uchar> index(1 << 15);
    for (const std::vector<int>& b : boites) {
        Case s;
        for (int k : b) {
            const Case& c = cases[std::size_t(k)];
            s.n += c.n, s.r += c.r, s.v += c.v, s.b += c.b;
            index[std::size_t(k)] = uchar(couleurs.size());
        }
        couleurs.push_back(qRgb(int(s.r / s.n), int(s.v / s.n), int(s.b / s.n)));
    }
    QImage sortie(im.size(), QImage::Format_Indexed8);
    sortie.setColorTable(couleurs);
    for (int y = 0; y < im.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(im.constScanLine(y));
        uchar* cible = sortie.scanLine(y);
        for (int x = 0; x < im.width(); ++x)
            cible[x] = index[std::size_t(cle(ligne[x]))];
    }
    return sortie;
}

bool ecrit(QWidget* w, const QString& dossier, const QString& nom, const char* langue) {
    QCoreApplication::processEvents();
    QImage i = w->grab().toImage();
    if (i.width() > LARGEUR_MAX) i = i.scaledToWidth(LARGEUR_MAX, Qt::SmoothTransformation);
    i = palette256(i);
    const QString chemin = QDir(dossier).filePath(QString("%1-%2.png").arg(nom, langue));
    const bool ok = i.save(chemin);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(chemin));
    return ok;
}

bool etudeCaracteristiques(const QString& dossier, const char* l) {
    bool ok = true;
    Fenetres& f = fenetres();
    travail().NouveauTravail(sessionTravail());
    sessionTravail().ModeleEssai = TEnteteEssai::defaut();
    etude(3, 8);
    TFormChoixCaract& c = *f.FormChoixCaract;
    c.PageDemandee = 1;
    c.show();
    ok &= ecrit(&c, dossier, "choix-caract", l);
    c.hide();
    etude(3, 1);
    f.NouvelCaract->Prepare(ModeDefinition::Nouveau, 1);
    f.NouvelCaract->show();
    ok &= ecrit(f.NouvelCaract, dossier, "nouvel-caract", l);
    f.NouvelCaract->hide();

    TFormTraceCaract& t = *f.FormTraceCaract;
    travailExemple();
    for (int k = 3; k <= 4; ++k)
        travail().EnteteTravail.DefCaract(k) = TDefCaract{};
    // Restored rather than maximised: the same picture on every screen.
    t.setWindowState(Qt::WindowNoState);
    t.resize(1000, 660);
    t.show();
    t.ButtonManu->setChecked(true);
    t.Action();
    // The operating point of the moment, as the manual tick leaves it.
    const int32_t point[11] = {0, 1463, 560, 8580, 4000, 2600, 11500, 0, 746, 638, 2920};
    std::copy(std::begin(point), std::end(point), t.etat().Mesures.begin());
    t.Curseur();
    ok &= ecrit(&t, dossier, "trace-manuel", l);
    t.ButtonManu->setChecked(false);
    montreOscillo(t);
    ok &= ecrit(&t, dossier, "trace-oscillo", l);
    t.ButtonChargeDynamique->setChecked(false);
    t.Action();
    t.hide();
    travail().NouveauTravail(sessionTravail());
    return ok;
}

bool etudeApplication(const QString& dossier, const char* l, Liaison& liaison) {
    bool ok = true;
    Fenetres& f = fenetres();
    sessionTravail().MachineApplication = 3;
    f.ChoixMachine->show();
    ok &= ecrit(f.ChoixMachine, dossier, "choix-machine", l);
    f.ChoixMachine->hide();
    TFormKorlan& k = *f.FormKorlan;
    k.show();
    k.ImageSelectLocalClick();
    k.ImageLocalTechniqueMouseMove(k.ImageDuCode(61));
    ok &= ecrit(&k, dossier, "catalogue", l);
    k.hide();
    travail().ApplicationCourante = 61;
    f.ConfigurationApplication->show();
    ok &= ecrit(f.ConfigurationApplication, dossier, "config-pompe", l);
    f.ConfigurationApplication->hide();
    TFormApplication& e = *f.FormApplication;
    e.resize(1180, 780);
    const auto simule = lanceApplicationSimulee(e, liaison, 61, 3);
    if (!simule) return false;
    ok &= ecrit(&e, dossier, "ecran-pompe", l);
    arreteApplicationSimulee(e, liaison);
    travail().NouveauTravail(sessionTravail());
    travail().ApplicationCourante = 0;
    sessionTravail().MachineApplication = 0;
    return ok;
}

} // namespace

bool imagesAide(const QString& dossier, Liaison& liaison) {
    QDir().mkpath(dossier);
    bool ok = true;
    Fenetres& f = fenetres();
    const char* langues[] = {"fr", "en", "es"};
    for (int n = 1; n <= 3; ++n) {
        const char* l = langues[n - 1];
        ConfigGenerale().LangueConfig = n;
        f.FormMachine2->show();
        f.FormMachine2->FormShow();
        ok &= ecrit(f.FormMachine2, dossier, "menu-principal", l);
        ConfigGenerale().TypeLiaison = 1;
        f.FormCom->show();
        f.FormCom->PageControlCom->setCurrentIndex(0);
        ok &= ecrit(f.FormCom, dossier, "liaison", l);
        f.FormCom->hide();
        AppliqueLangue(n);
        ok &= etudeCaracteristiques(dossier, l);
        ok &= ecrit(&montreVisualisation(liaison), dossier, "visualisation", l);
        fermeVisualisation(liaison);
        ok &= etudeApplication(dossier, l, liaison);
    }
    ConfigGenerale().LangueConfig = 1;
    AppliqueLangue(1);
    return ok;
}

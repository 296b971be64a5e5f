// The application sheets: what the application is, its parameters, the load law the drive applies,
// what the run screen shows and how to set it up, with the application's picture.
#include "Documents.h"
#include "Images.h"
#include "TextesFiches.h"
#include "commun/DocumentsAide.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <functional>
#include <stdexcept>

namespace {

using page::T3;

const QColor bleu(30, 84, 150);

std::function<void(QPainter&)> dessinImage(const char* nom) {
    for (const auto& liste : {imagesManutention(), imagesFluides(), imagesProcedes(), imagesIllustrations()})
        for (const DessinImage& i : liste)
            if (i.nom == QLatin1String(nom)) return i.dessine;
    throw std::runtime_error(std::string("no drawing for ") + nom);
}

bool avecEntreesFonction(int code) {
    return (code >= 51 && code <= 58) || code == 60 || code == 66;
}

// The parameter table; returns its height.
double tableau(QPainter& p, double x, double y, double largeur, const TexteFiche& f, int l) {
    const double c1 = 128, c2 = 140, c3 = largeur - c1 - c2, marge = 4;
    const QFont normal = page::police(8.5), gras = page::police(8.5, true);
    const auto hauteurTexte = [&p](const QString& t, const QFont& font, double w) {
        return QFontMetricsF(font, p.device())
            .boundingRect(QRectF(0, 0, w, 2000), Qt::TextWordWrap, t)
            .height();
    };
    double h = 0;
    const T3 entetes[3] = {{"Paramètre", "Parameter", "Parámetro"},
                           {"Réglage", "Setting", "Ajuste"},
                           {"Effet sur la charge", "Effect on the load", "Efecto sobre la carga"}};
    p.fillRect(QRectF(x, y, largeur, 18), bleu);
    const double colonnes[3] = {x, x + c1, x + c1 + c2};
    for (int i = 0; i < 3; ++i)
        page::paragraphe(p, QRectF(colonnes[i] + marge, y + 4, 200, 14), entetes[i](l), gras, Qt::white);
    h += 18;
    int rang = 0;
    for (const ParametreFiche& pf : f.parametres) {
        const QString t1 = pf.nom(l), t2 = pf.reglage(l), t3 = pf.role(l);
        const double hl =
            std::max({hauteurTexte(t1, gras, c1 - 2 * marge), hauteurTexte(t2, normal, c2 - 2 * marge),
                      hauteurTexte(t3, normal, c3 - 2 * marge)}) +
            2 * marge;
        if (rang++ % 2) p.fillRect(QRectF(x, y + h, largeur, hl), QColor(234, 240, 248));
        page::paragraphe(p, QRectF(x + marge, y + h + marge, c1 - 2 * marge, hl), t1, gras);
        page::paragraphe(p, QRectF(x + c1 + marge, y + h + marge, c2 - 2 * marge, hl), t2, normal);
        page::paragraphe(p, QRectF(x + c1 + c2 + marge, y + h + marge, c3 - 2 * marge, hl), t3, normal);
        h += hl;
    }
    p.save();
    p.setPen(QPen(QColor(160, 170, 184), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(x, y, largeur, h));
    p.restore();
    return h;
}

void ecritFiche(const QString& chemin, const TexteFiche& f, int l) {
    page::Document d(chemin, f.titre(l), false);
    QPainter& p = d.p();
    const double W = d.largeur(), H = d.hauteur(), x = 40, largeur = W - 80;
    double y = page::bandeau(p, W,
                             T3{"VIMRA · FICHE D'APPLICATION", "VIMRA · APPLICATION SHEET",
                                "VIMRA · HOJA DE APLICACIÓN"}(l),
                             f.titre(l), bleu) +
               18;
    // The picture on the right, the description beside it.
    const double li = 232, hi = li * 560 / 800;
    const QRectF cadre(W - 40 - li, y, li, hi);
    p.save();
    p.setClipRect(cadre);
    p.translate(cadre.topLeft());
    p.scale(li / 800, hi / 560);
    dessinImage(f.image)(p);
    p.restore();
    p.setPen(QPen(QColor(160, 170, 184), 0.6));
    p.drawRect(cadre);
    const double hd =
        page::paragraphe(p, QRectF(x, y, largeur - li - 16, hi), f.description(l), page::police(10));
    y += std::max(hd, hi) + 16;

    y += page::intertitre(
        p, x, y, largeur,
        T3{"Paramètres de l'application", "Parameters of the application", "Parámetros de la aplicación"}(l),
        bleu);
    y += tableau(p, x, y, largeur, f, l) + 6;
    y += page::paragraphe(
             p, QRectF(x, y, largeur, 40),
             T3{"Les couples sont donnés en part du couple nominal Cn du banc ; les masses au couple "
                "nominal suivent la classe de puissance du banc.",
                "Torques are given as shares of the bench's rated torque Tn; the masses at rated "
                "torque follow the bench's power class.",
                "Los pares se dan como parte del par nominal Cn del banco; las masas al par nominal "
                "siguen la clase de potencia del banco."}(l),
             page::police(8, false, true), QColor(80, 86, 96)) +
         12;

    const auto section = [&](const T3& titre, const QString& texte) {
        const double besoin = 26 + QFontMetricsF(page::police(10), p.device())
                                       .boundingRect(QRectF(0, 0, largeur, 2000), Qt::TextWordWrap, texte)
                                       .height();
        if (y + besoin > H - 48) {
            page::pied(p, W, H, "Vimra 1.7", QString("%1 · 1").arg(f.code));
            d.nouvellePage();
            y = 40;
        }
        y += page::intertitre(p, x, y, largeur, titre(l), bleu);
        y += page::paragraphe(p, QRectF(x, y, largeur, besoin), texte, page::police(10)) + 12;
    };
    section({"Loi de charge appliquée par le variateur", "Load law applied by the drive",
             "Ley de carga aplicada por el variador"},
            f.loi(l));
    section({"Grandeurs affichées pendant l'essai", "Quantities shown during the test",
             "Magnitudes mostradas durante el ensayo"},
            f.affichages(l));
    QStringList etapes;
    etapes << T3{"Câbler le banc selon le schéma de la machine étudiée (bouton « Schéma Cablage »).",
                 "Wire the bench after the diagram of the machine under study (\"Wiring diagram\" button).",
                 "Cablear el banco según el esquema de la máquina estudiada (botón «Esquema de cableado»)."}(
        l);
    if (avecEntreesFonction(f.code))
        etapes << T3{
            "Câbler les bornes « ENTREE FONCTION » du variateur de charge dans l'automatisme de "
            "commande du moteur étudié.",
            "Wire the load drive's \"ENTREE FONCTION\" (function input) terminals into the control "
            "automation of the motor under study.",
            "Cablear las bornas «ENTRADA FUNCIÓN» del variador de carga en el automatismo de control "
            "del motor estudiado."}(l);
    etapes << T3{"Régler les paramètres (« Config.Appli. »), puis lancer la charge avec « Marche charge "
                 "active » (F5).",
                 "Set the parameters (\"Config.Appli.\"), then start the load with \"Active load on\" (F5).",
                 "Ajustar los parámetros («Config.Appli.») y arrancar la carga con «Marcha carga activa» "
                 "(F5)."}(l)
           << T3{"Faire varier le niveau de charge avec la barre de charge et relever les points de "
                 "fonctionnement.",
                 "Vary the load level with the load bar and record the operating points.",
                 "Variar el nivel de carga con la barra de carga y registrar los puntos de "
                 "funcionamiento."}(l);
    QString texte;
    for (int i = 0; i < etapes.size(); ++i)
        texte += QString("%1. %2\n").arg(i + 1).arg(etapes[i]);
    section({"Mise en œuvre", "Setting up", "Puesta en marcha"}, texte.trimmed());
    page::pied(p, W, H,
               QString("Vimra 1.7 · %1 %2 · %3 %4")
                   .arg(T3{"application", "application", "aplicación"}(l))
                   .arg(f.code == 62 ? QStringLiteral("62, 64") : QString::number(f.code))
                   .arg(T3{"programme du variateur", "drive program", "programa del variador"}(l))
                   .arg(f.programme),
               QFileInfo(chemin).fileName());
    if (!d.fin()) throw std::runtime_error(("cannot write " + chemin).toStdString());
}

} // namespace

void ecritFiches(const QString& dossier) {
    for (int l = 1; l <= 3; ++l) {
        const QString d = DossierFichesLangue(dossier, l);
        if (!QDir().mkpath(d)) throw std::runtime_error(("cannot create " + d).toStdString());
        for (const TexteFiche& f : textesFiches()) {
            const QString chemin = CheminDocument(d, FicheApplication(f.code, l));
            ecritFiche(chemin, f, l);
            std::printf("wrote %s (%lld bytes)\n", qPrintable(chemin),
                        static_cast<long long>(QFileInfo(chemin).size()));
        }
    }
}

// vimra-donnees: writes what is delivered beside the program from its readable sources: the three
// applications catalogue files from catalogue.json, the pictures of the folder "Vimra_app", and the
// help documents: the application sheets and the wiring diagrams of every language.
//
//   vimra-donnees SOURCE.json DOSSIER             writes DOSSIER/CFGAPP??.cfg, DOSSIER/Vimra_app/*.jpg
//                                                 and the sheets and diagrams
//   vimra-donnees --documents DOSSIER             writes the sheets and diagrams only
//   vimra-donnees --verifie SOURCE.json DOSSIER   checks that DOSSIER holds the catalogues SOURCE
//                                                 gives and every picture they name (exit 1 if not)
//   vimra-donnees --image NOM FICHIER.png         draws one picture as PNG, to look at it
//   vimra-donnees --planche FICHIER.png [NOMS...] every picture (or those named), half size, on one sheet
#include "Images.h"
#include "application/CatalogueKorlan.h"
#include "socle/ImageJpeg.h"
#include "socle/Textes.h"
#include "study/Catalogue.h"
#include "study/SchemasChoix.h"

#include "Dessin.h"
#include "Documents.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHashSeed>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cstdio>
#include <ctime>
#include <exception>
#include <map>
#include <set>

namespace {

// Small enough to ship beside the program, sharp enough for a projector.
constexpr int QUALITE_JPEG = 82;

struct Erreur {
    QString texte;
};

const std::pair<const char*, Langue> langues[] = {
    {"fr", Langue::Francais}, {"en", Langue::Anglais}, {"es", Langue::Espagnol}};

struct Source {
    std::map<Langue, TCatalogueApplications> catalogues;
    std::set<QString> images; // every picture to deliver
};

void verifieChaine(const QString& texte, int capacite, const QString& ou) {
    const QByteArray b = cp1252::encode(texte);
    if (b.size() > capacite)
        throw Erreur{QString("%1: \"%2\" is longer than %3").arg(ou, texte).arg(capacite)};
    if (cp1252::decode(reinterpret_cast<const uint8_t*>(b.constData()), int(b.size())) != texte)
        throw Erreur{QString("%1: \"%2\" is not Windows-1252").arg(ou, texte)};
}

Source litSource(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) throw Erreur{QString("%1: %2").arg(chemin, f.errorString())};
    QJsonParseError e;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &e);
    if (doc.isNull()) throw Erreur{QString("%1: %2").arg(chemin, e.errorString())};
    Source s;
    std::set<int> vus;
    for (const QJsonValue g : doc.object().value("groupes").toArray()) {
        const int numero = g.toObject().value("groupe").toInt();
        if (numero < 1 || numero > NB_GROUPES_APPLICATIONS || !vus.insert(numero).second)
            throw Erreur{QString("group %1 is out of 1..7 or given twice").arg(numero)};
        const QJsonArray applications = g.toObject().value("applications").toArray();
        if (applications.size() > NB_ENTREES_GROUPE)
            throw Erreur{
                QString("group %1 has more than %2 applications").arg(numero).arg(NB_ENTREES_GROUPE)};
        for (qsizetype i = 0; i < applications.size(); ++i) {
            const QJsonObject a = applications[i].toObject();
            const QString image = a.value("image").toString();
            const QString ou = QString("group %1, application %2").arg(numero).arg(i + 1);
            verifieChaine(image, 30, ou);
            if (!NomImageSur(image)) throw Erreur{ou + ": the picture needs a plain file name"};
            s.images.insert(image);
            for (const auto& [cle, langue] : langues) {
                const QString nom = a.value(cle).toString();
                if (nom.isEmpty()) throw Erreur{QString("%1: no \"%2\" name").arg(ou, cle)};
                verifieChaine(nom, 60, ou);
                TGroupeApplications& groupe = s.catalogues[langue].groupe(numero);
                groupe.Count = int32_t(applications.size());
                groupe.Entrees[std::size_t(i)].Name.setTexte(nom);
                groupe.Entrees[std::size_t(i)].ImageFile.setTexte(image);
            }
        }
    }
    for (const QJsonValue i : doc.object().value("illustrations").toArray())
        s.images.insert(i.toString());
    // Every picture the application catalogue window reads.
    for (const QString& i : ImagesKorlan())
        s.images.insert(i);
    // And every picture of the characteristic choice screen.
    for (const QString& i : ImagesChoixCaract())
        s.images.insert(i);
    for (const auto& [cle, langue] : langues)
        s.catalogues[langue]; // a language without groups still gets its (empty) file
    return s;
}

std::map<QString, DessinImage> dessins() {
    std::map<QString, DessinImage> d;
    for (const auto& liste : {imagesManutention(), imagesFluides(), imagesProcedes(), imagesIllustrations()})
        for (const DessinImage& i : liste)
            d[i.nom] = i;
    for (const DessinImage& i : imagesCatalogue(d))
        d[i.nom] = i;
    for (const DessinImage& i : imagesChoixCaract(d))
        d[i.nom] = i;
    return d;
}

QImage dessine(const DessinImage& d) {
    QImage im(d.taille, QImage::Format_RGB32);
    im.fill(Qt::white);
    QPainter p(&im);
    dessin::prepare(p);
    d.dessine(p);
    return im;
}

void ecrit(const QString& chemin, const QByteArray& octets) {
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size() || !f.commit())
        throw Erreur{QString("%1: %2").arg(chemin, f.errorString())};
}

QString fichierCatalogue(Langue l) {
    return TextesConstants(l).FichierCatalogue;
}

int genere(const Source& s, const QString& dossier) {
    const auto d = dessins();
    for (const QString& image : s.images)
        if (!d.count(image)) throw Erreur{QString("no drawing for %1").arg(image)};
    for (const auto& [langue, catalogue] : s.catalogues) {
        const QString chemin = QDir(dossier).filePath(fichierCatalogue(langue));
        ecrit(chemin, catalogue.octets());
        std::printf("wrote %s\n", qPrintable(chemin));
    }
    const QDir images(QDir(dossier).filePath("Vimra_app"));
    if (!QDir().mkpath(images.path())) throw Erreur{QString("cannot create %1").arg(images.path())};
    for (const QString& nom : s.images) {
        QString e;
        const DessinImage& dessin = d.at(nom);
        const int qualite = dessin.qualite ? dessin.qualite : QUALITE_JPEG;
        const QByteArray octets = EncodeJpeg(dessine(dessin), {qualite, true, false}, &e);
        if (octets.isEmpty()) throw Erreur{nom + ": " + e};
        ecrit(images.filePath(nom), octets);
        std::printf("wrote %s (%lld bytes)\n", qPrintable(images.filePath(nom)),
                    static_cast<long long>(octets.size()));
    }
    ecritDocuments(dossier);
    return 0;
}

int verifie(const Source& s, const QString& dossier) {
    int ecarts = 0;
    for (const auto& [langue, catalogue] : s.catalogues) {
        QFile f(QDir(dossier).filePath(fichierCatalogue(langue)));
        if (!f.open(QIODevice::ReadOnly) || f.readAll() != catalogue.octets()) {
            std::fprintf(stderr, "%s differs from the source\n", qPrintable(f.fileName()));
            ++ecarts;
        }
    }
    for (const QString& nom : s.images) {
        const ImageJpeg j = ChargeJpeg(QDir(dossier).filePath("Vimra_app/" + nom));
        if (!j.ok()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(nom), qPrintable(j.detail));
            ++ecarts;
        }
    }
    if (ecarts) std::fprintf(stderr, "%d difference(s): run make donnees and commit data/\n", ecarts);
    return ecarts ? 1 : 0;
}

int planche(const QStringList& noms, const QString& chemin) {
    const auto d = dessins();
    std::vector<std::pair<QString, DessinImage>> choisis;
    for (const auto& [nom, f] : d)
        if (noms.isEmpty() || noms.contains(nom) || noms.contains(QString(nom).chopped(4)))
            choisis.emplace_back(nom, f);
    const int colonnes = 3, l = dessin::LARGEUR / 2, h = dessin::HAUTEUR / 2;
    const int lignes = int((choisis.size() + colonnes - 1) / colonnes);
    QImage feuille(colonnes * l, std::max(1, lignes) * h, QImage::Format_RGB32);
    feuille.fill(Qt::white);
    QPainter p(&feuille);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (std::size_t i = 0; i < choisis.size(); ++i) {
        const QImage im = dessine(choisis[i].second);
        const QSize t = im.size().scaled(l, h, Qt::KeepAspectRatio);
        p.drawImage(QRect(QPoint(int(i % colonnes) * l, int(i / colonnes) * h), t), im);
    }
    p.end();
    if (!feuille.save(chemin)) throw Erreur{QString("cannot write %1").arg(chemin)};
    return 0;
}

int usage() {
    std::fprintf(stderr, "usage: vimra-donnees [--verifie] SOURCE.json DOSSIER\n"
                         "       vimra-donnees --image NOM FICHIER.png\n");
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The same bytes on every run: PDF objects in an order that does not hang on the hash seed, a
    // creation date always written in UTC (see dateFixe).
    QHashSeed::setDeterministicGlobalSeed();
    qputenv("TZ", "UTC");
    tzset();
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    try {
        if (args.value(0) == "--image") {
            if (args.size() != 3) return usage();
            const auto d = dessins();
            const auto i = d.find(args[1]);
            if (i == d.end()) throw Erreur{QString("no drawing for %1").arg(args[1])};
            if (!dessine(i->second).save(args[2])) throw Erreur{QString("cannot write %1").arg(args[2])};
            return 0;
        }
        if (args.value(0) == "--documents") {
            if (args.size() != 2) return usage();
            ecritDocuments(args[1]);
            return 0;
        }
        if (args.value(0) == "--planche") {
            if (args.size() < 2) return usage();
            return planche(args.mid(2), args[1]);
        }
        const bool controle = args.value(0) == "--verifie";
        if (controle) args.removeFirst();
        if (args.size() != 2) return usage();
        const Source s = litSource(args[0]);
        return controle ? verifie(s, args[1]) : genere(s, args[1]);
    } catch (const Erreur& e) {
        std::fprintf(stderr, "vimra-donnees: %s\n", qPrintable(e.texte));
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vimra-donnees: %s\n", e.what());
        return 2;
    }
}

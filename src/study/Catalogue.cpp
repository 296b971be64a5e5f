#include "Catalogue.h"

#include "socle/ImageJpeg.h"
#include "socle/Octets.h"
#include "socle/Textes.h"

#include <QDir>
#include <QFile>

#include <algorithm>

int TGroupeApplications::nombre() const {
    return std::clamp<int32_t>(Count, 0, NB_ENTREES_GROUPE);
}

const TGroupeApplications& TCatalogueApplications::groupe(int g) const {
    static const TGroupeApplications vide;
    return g >= 1 && g <= NB_GROUPES_APPLICATIONS ? Groupes[std::size_t(g - 1)] : vide;
}

TGroupeApplications& TCatalogueApplications::groupe(int g) {
    return Groupes[std::size_t(std::clamp(g, 1, NB_GROUPES_APPLICATIONS) - 1)];
}

QByteArray TCatalogueApplications::octets() const {
    QByteArray b;
    b.reserve(taille);
    EcrivainOctets e(b);
    for (const TGroupeApplications& g : Groupes) {
        e.i32(g.Count);
        for (const TEntreeApplication& a : g.Entrees) {
            e.i32(a.Reserve);
            e.octets(a.Name.octets);
            e.octets(a.ImageFile.octets);
        }
    }
    return b;
}

std::optional<TCatalogueApplications> TCatalogueApplications::depuisOctets(const QByteArray& b) {
    if (b.size() != taille) return std::nullopt;
    TCatalogueApplications c;
    LecteurOctets l(b);
    for (TGroupeApplications& g : c.Groupes) {
        g.Count = l.i32();
        for (TEntreeApplication& a : g.Entrees) {
            a.Reserve = l.i32();
            l.octets(a.Name.octets);
            l.octets(a.ImageFile.octets);
        }
    }
    if (!l.ok() || l.reste() != 0) return std::nullopt;
    return c;
}

TCatalogueApplications& CatalogueApplications() {
    static TCatalogueApplications c;
    return c;
}

bool ChargeCatalogue(const QString& dossier) {
    TCatalogueApplications& c = CatalogueApplications();
    c = TCatalogueApplications{};
    QFile f(QDir(dossier).filePath(Textes().FichierCatalogue));
    if (!f.open(QIODevice::ReadOnly)) return false;
    // One byte more than the record tells a longer file from an exact one.
    const auto lu = TCatalogueApplications::depuisOctets(f.read(TCatalogueApplications::taille + 1));
    if (!lu) return false;
    c = *lu;
    return true;
}

bool NomImageSur(const QString& nom) {
    if (nom.isEmpty() || nom == "." || nom == "..") return false;
    return std::none_of(nom.begin(), nom.end(),
                        [](QChar c) { return c == '/' || c == '\\' || c == ':' || c.unicode() < 0x20; });
}

void VisionneuseApplications::setGroupe(int g) {
    m_groupe = g;
    m_index = 1;
}

bool VisionneuseApplications::Precedente() {
    if (!PrecedenteActive()) return false;
    --m_index;
    return true;
}

bool VisionneuseApplications::Suivante() {
    if (!SuivanteActive()) return false;
    ++m_index;
    return true;
}

const TEntreeApplication& VisionneuseApplications::Entree() const {
    return groupe().Entrees[std::size_t(std::clamp(m_index, 1, NB_ENTREES_GROUPE) - 1)];
}

QString VisionneuseApplications::CheminImage(const QString& dossierApplications) const {
    const QString nom = NomImage();
    return NomImageSur(nom) ? QDir(dossierApplications).filePath(nom) : QString();
}

VueApplication VisionneuseApplications::Vue(const QString& dossierApplications) const {
    VueApplication v;
    v.titre = Nom();
    v.precedente = PrecedenteActive();
    v.suivante = SuivanteActive();
    const QString& erreurLecture = Textes().Texte[txt::ErreurLecture];
    const QString nom = NomImage();
    // An entry without a picture is an empty or missing catalogue: name the catalogue file.
    if (nom.isEmpty()) {
        v.message = erreurLecture + "\n" + Textes().FichierCatalogue;
        return v;
    }
    ImageOuMessage i = ChargeImageApplications(dossierApplications, nom);
    v.image = std::move(i.image);
    v.message = std::move(i.message);
    return v;
}

ImageOuMessage ChargeImageApplications(const QString& dossierApplications, const QString& nom) {
    if (nom.isEmpty()) return {};
    const QString& erreurLecture = Textes().Texte[txt::ErreurLecture];
    if (!NomImageSur(nom))
        return {{}, erreurLecture + "\n" + nom + "\n" + "Not a file name of the pictures folder"};
    ImageJpeg j = ChargeJpeg(QDir(dossierApplications).filePath(nom));
    if (!j.ok()) return {{}, erreurLecture + "\n" + nom + "\n" + j.detail};
    return {std::move(j.image), {}};
}

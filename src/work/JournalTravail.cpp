#include "JournalTravail.h"

#include "SessionTravail.h"
#include "socle/FichierAtomique.h"
#include "socle/Octets.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// A journal: a header of 16 bytes ("VimraJnl", version u16, flags u16 with bit 0 for the demo
// bench, CRC-32 of the 12 bytes before it), then records: body length u32, body, CRC-32 of the
// body. A body starts with its kind u8 and its time (milliseconds since the epoch, i64):
//   base     1: layout u8 (0 MLX2, 1 Vimr2), file name (u16 length, UTF-8), the work's bytes;
//   changes  2: entry count u16, then entries:
//                 1 the work header's bytes,
//                 2 test k u8, its header's 212 bytes,
//                 3 test k u8, first point u16, count u16, the values column by column.
// Little-endian throughout, as the work files.

namespace {

constexpr char MAGIC[8] = {'V', 'i', 'm', 'r', 'a', 'J', 'n', 'l'};
constexpr int TAILLE_ENTETE_JOURNAL = 16;
constexpr int FLAG_DEMO = 1;
enum Genre : uint8_t { Base = 1, Changements = 2 };
enum Entree : uint8_t { EnteteTravail = 1, EnteteEssai = 2, Points = 3 };
// A body longer than a base of the largest work is not one of ours.
constexpr qsizetype CORPS_MAX = 16 * 1024 * 1024;
constexpr qint64 DELAI_FSYNC = 1000;         // ms between two fsyncs of appended points
constexpr qint64 DELAI_NOUVEL_ESSAI = 10000; // ms between two tries of a journal that failed

using Colonne = std::array<int32_t, NB_POINTS_MAX>;

// What a journal holds of a work, on the writer's side and the reader's alike. The columns are
// read only up to the points the journal holds: they are not cleared (a megabyte) each time.
struct Image {
    Image() {} // NOLINT: leaves the columns as they are
    Disposition disposition = Disposition::MLX2;
    QString nom;
    QByteArray entete;
    std::array<std::array<int32_t, NB_MOTS_ENTETE_ESSAI>, NB_ESSAIS_MAX + 1> essais{};
    std::array<int, NB_ESSAIS_MAX + 1> transmis{}; // points of each test the journal holds
    std::array<std::array<Colonne, NB_COLONNES>, NB_ESSAIS_MAX + 1> colonnes;

    int32_t nbEssais() const { return LecteurOctets(entete.constData() + OCTET_NB_ESSAIS, 4).i32(); }
    int nbPoints(int k) const { return essais[k][TEnteteEssai::MotDernierPoint] + 1; }

    QByteArray octets() const {
        QByteArray b = entete;
        EcrivainOctets e(b);
        for (int k = 1; k <= nbEssais(); ++k) {
            e.i32s(essais[k].data(), NB_MOTS_ENTETE_ESSAI);
            for (int c = 0; c < ColonnesFichier(disposition); ++c)
                e.i32s(colonnes[k][c].data(), nbPoints(k));
        }
        return b;
    }
};

void i64(EcrivainOctets& e, qint64 v) {
    e.i32(static_cast<int32_t>(static_cast<uint64_t>(v)));
    e.i32(static_cast<int32_t>(static_cast<uint64_t>(v) >> 32));
}

qint64 i64(LecteurOctets& l) {
    const auto bas = static_cast<uint32_t>(l.i32());
    const auto haut = static_cast<uint32_t>(l.i32());
    return static_cast<qint64>((uint64_t(haut) << 32) | bas);
}

void u32(QByteArray& b, uint32_t v) {
    EcrivainOctets(b).i32(static_cast<int32_t>(v));
}

uint32_t u32(const char* p) {
    return static_cast<uint32_t>(LecteurOctets(p, 4).i32());
}

QByteArray enteteJournal(bool demo) {
    QByteArray b(MAGIC, sizeof MAGIC);
    EcrivainOctets e(b);
    e.u16(VERSION_JOURNAL);
    e.u16(demo ? FLAG_DEMO : 0);
    u32(b, Crc32(b.constData(), b.size()));
    return b;
}

QByteArray enregistrement(const QByteArray& corps) {
    QByteArray b;
    b.reserve(corps.size() + 8);
    u32(b, static_cast<uint32_t>(corps.size()));
    b += corps;
    u32(b, Crc32(corps.constData(), corps.size()));
    return b;
}

// Splits a work's bytes, already checked by the work reader, into the image.
void decoupe(Image& im, const QByteArray& b) {
    const int ncol = ColonnesFichier(im.disposition);
    const int taille = TailleEnteteFichier(im.disposition);
    im.entete = b.left(taille);
    im.essais = {};
    im.transmis = {};
    LecteurOctets l(b.constData() + taille, b.size() - taille);
    for (int k = 1; k <= im.nbEssais(); ++k) {
        l.i32s(im.essais[k].data(), NB_MOTS_ENTETE_ESSAI);
        im.transmis[k] = im.nbPoints(k);
        for (int c = 0; c < ncol; ++c)
            l.i32s(im.colonnes[k][c].data(), im.nbPoints(k));
    }
}

// A base record's body after its time, into the image.
bool appliqueBase(Image& im, LecteurOctets& l, qsizetype fin, const char* debut) {
    const uint8_t d = l.u8();
    const uint16_t longueur = l.u16();
    if (!l.ok() || d > 1 || longueur > l.reste()) return false;
    const QString nom = QString::fromUtf8(debut + l.position(), longueur);
    l.saute(longueur);
    const QByteArray travail(debut + l.position(), fin - l.position());
    const Disposition disposition = d ? Disposition::Vimr2 : Disposition::MLX2;
    if (!OctetsTravailValides(travail, disposition)) return false;
    im.disposition = disposition;
    im.nom = nom;
    decoupe(im, travail);
    return true;
}

// A changes record's entries: every one is checked, and what the work would become, before the
// image changes at all.
bool appliqueChangements(Image& im, LecteurOctets& l) {
    const int ncol = ColonnesFichier(im.disposition);
    const int tailleEntete = TailleEnteteFichier(im.disposition);
    const uint16_t nb = l.u16();
    if (!l.ok()) return false;
    const qsizetype debutEntrees = l.position();
    int32_t nbEssais = im.nbEssais();
    std::array<int32_t, NB_ESSAIS_MAX + 1> derniers{};
    std::array<int, NB_ESSAIS_MAX + 1> transmis = im.transmis;
    for (int k = 1; k <= NB_ESSAIS_MAX; ++k)
        derniers[k] = im.essais[k][TEnteteEssai::MotDernierPoint];
    for (int i = 0; i < nb; ++i) {
        const uint8_t genre = l.u8();
        if (genre == EnteteTravail) {
            if (l.reste() < tailleEntete) return false;
            nbEssais = LecteurOctets(l.donnees() + l.position() + OCTET_NB_ESSAIS, 4).i32();
            l.saute(tailleEntete);
        } else if (genre == EnteteEssai || genre == Points) {
            const int k = l.u8();
            if (k < 1 || k > NB_ESSAIS_MAX) return false;
            if (genre == EnteteEssai) {
                if (l.reste() < TEnteteEssai::taille) return false;
                l.saute(4 * TEnteteEssai::MotDernierPoint);
                derniers[k] = l.i32();
                l.saute(TEnteteEssai::taille - 4 * (TEnteteEssai::MotDernierPoint + 1));
            } else {
                const int premier = l.u16();
                const int n = l.u16();
                if (!l.ok() || premier > transmis[k] || premier + n > NB_POINTS_MAX) return false;
                if (l.reste() < qsizetype(ncol) * n * 4) return false;
                l.saute(qsizetype(ncol) * n * 4);
                transmis[k] = std::max(transmis[k], premier + n);
            }
        } else {
            return false;
        }
        if (!l.ok()) return false;
    }
    if (l.reste() != 0 || nbEssais < 0 || nbEssais > NB_ESSAIS_MAX) return false;
    // Never a point the journal did not hold.
    for (int k = 1; k <= nbEssais; ++k)
        if (derniers[k] < -1 || derniers[k] + 1 > transmis[k]) return false;

    LecteurOctets a(l.donnees() + debutEntrees, l.position() - debutEntrees);
    for (int i = 0; i < nb; ++i) {
        const uint8_t genre = a.u8();
        if (genre == EnteteTravail) {
            im.entete = QByteArray(a.donnees() + a.position(), tailleEntete);
            a.saute(tailleEntete);
        } else if (genre == EnteteEssai) {
            a.i32s(im.essais[a.u8()].data(), NB_MOTS_ENTETE_ESSAI);
        } else {
            const int k = a.u8();
            const int premier = a.u16();
            const int n = a.u16();
            for (int c = 0; c < ncol; ++c)
                a.i32s(im.colonnes[k][c].data() + premier, n);
        }
    }
    im.transmis = transmis;
    return true;
}

// Reads the records in order; with `chaqueFois`, the work they rebuild is checked after each one.
ContenuJournal lit(const QByteArray& b, bool chaqueFois) {
    ContenuJournal r;
    if (b.size() < TAILLE_ENTETE_JOURNAL || std::memcmp(b.constData(), MAGIC, sizeof MAGIC) != 0) return r;
    LecteurOctets h(b.constData() + sizeof MAGIC, 4);
    const uint16_t version = h.u16();
    const uint16_t drapeaux = h.u16();
    if (version > VERSION_JOURNAL) {
        r.lecture = ContenuJournal::Lecture::VersionPlusRecente;
        return r;
    }
    if (version == 0 || u32(b.constData() + 12) != Crc32(b.constData(), 12)) return r;
    r.demo = drapeaux & FLAG_DEMO;

    const std::unique_ptr<Image> im(new Image);
    bool base = false;
    bool endommage = false;
    QByteArray bon;
    for (qsizetype pos = TAILLE_ENTETE_JOURNAL; pos < b.size();) {
        const qsizetype reste = b.size() - pos;
        const qsizetype longueur = reste >= 8 ? u32(b.constData() + pos) : -1;
        if (longueur < 9 || longueur > CORPS_MAX || longueur > reste - 8 ||
            u32(b.constData() + pos + 4 + longueur) != Crc32(b.constData() + pos + 4, longueur)) {
            endommage = true;
            break;
        }
        const char* corps = b.constData() + pos + 4;
        LecteurOctets l(corps, longueur);
        const uint8_t genre = l.u8();
        const qint64 heure = i64(l);
        bool ok = false;
        if (genre == Base)
            ok = appliqueBase(*im, l, longueur, corps);
        else if (genre == Changements && base)
            ok = appliqueChangements(*im, l);
        if (ok && chaqueFois) {
            const QByteArray octets = im->octets();
            ok = OctetsTravailValides(octets, im->disposition);
            if (ok) bon = octets;
        }
        if (!ok) {
            endommage = true;
            break;
        }
        base = true;
        r.heure = heure;
        ++r.enregistrements;
        pos += longueur + 8;
    }
    if (base) {
        r.disposition = im->disposition;
        r.nomFichier = im->nom;
        r.octets = chaqueFois ? bon : im->octets();
        // A record whose work the reader refuses: read again, stopping before it.
        if (!chaqueFois && !OctetsTravailValides(r.octets, r.disposition)) return lit(b, true);
    }
    using L = ContenuJournal::Lecture;
    // Damaged before its work was read: nothing read, as a damaged header.
    r.lecture = !base ? (endommage ? L::PasUnJournal : L::Vide) : endommage ? L::Endommage : L::Complet;
    return r;
}

} // namespace

uint32_t Crc32(const char* octets, qsizetype n) {
    static const auto table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    uint32_t c = 0xFFFFFFFFu;
    for (qsizetype i = 0; i < n; ++i)
        c = table[(c ^ static_cast<uint8_t>(octets[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

ContenuJournal LitJournal(const QByteArray& octets) {
    return lit(octets, false);
}

struct EcrivainJournal::Ombre : Image {};

EcrivainJournal::EcrivainJournal(QString chemin, bool demo)
    : m_chemin(std::move(chemin)), m_demo(demo), m_ombre(new Ombre) {}

EcrivainJournal::~EcrivainJournal() = default;

EcrivainJournal::Resultat EcrivainJournal::suit(const Travail& t, const SessionTravail& s,
                                                qint64 maintenant) {
    if (s.TravailEnregistre) {
        if (!m_base && m_dernierEchec < 0) return Resultat::Rien;
        supprime();
        return Resultat::Supprime;
    }
    Ombre& o = *m_ombre;
    const Disposition d = DispositionTravail(t);
    if (!m_base || d != o.disposition || s.NomFichierCourant != o.nom ||
        m_taille > 2 * m_tailleTravail + (1 << 20)) {
        if (m_dernierEchec >= 0 && maintenant - m_dernierEchec < DELAI_NOUVEL_ESSAI) return Resultat::Echec;
        return ecritBase(t, s, d, maintenant) ? Resultat::Ecrit : Resultat::Echec;
    }

    QByteArray corps;
    EcrivainOctets e(corps);
    e.u8(Changements);
    i64(e, maintenant);
    e.u16(0); // the count, set below
    int nb = 0;
    bool structure = false;
    const QByteArray entete = OctetsEnteteTravail(t, d);
    if (entete != o.entete) {
        e.u8(EnteteTravail);
        corps += entete;
        o.entete = entete;
        structure = true;
        ++nb;
    }
    const int ncol = ColonnesFichier(d);
    for (int k = 1; k <= std::clamp(t.EnteteTravail.NbEssais, 0, NB_ESSAIS_MAX); ++k) {
        const TEssai& essai = t.Essais[k];
        const int n = std::clamp(essai.nbPoints(), 0, NB_POINTS_MAX);
        int premier = std::min(n, o.transmis[k]);
        for (int c = 0; c < ncol; ++c) {
            const int32_t* v = essai.Colonnes[c].data() + 1;
            premier = int(std::mismatch(v, v + premier, o.colonnes[k][c].data()).first - v);
        }
        if (premier < n) {
            e.u8(Points);
            e.u8(static_cast<uint8_t>(k));
            e.u16(static_cast<uint16_t>(premier));
            e.u16(static_cast<uint16_t>(n - premier));
            for (int c = 0; c < ncol; ++c) {
                e.i32s(essai.Colonnes[c].data() + 1 + premier, n - premier);
                std::copy_n(essai.Colonnes[c].data() + 1 + premier, n - premier,
                            o.colonnes[k][c].data() + premier);
            }
            structure |= premier < o.transmis[k]; // points rewritten, not added
            o.transmis[k] = std::max(o.transmis[k], n);
            ++nb;
        }
        if (essai.Entete.mots != o.essais[k]) {
            auto avant = o.essais[k];
            avant[TEnteteEssai::MotDernierPoint] = essai.Entete.DernierPoint();
            structure |= avant != essai.Entete.mots || essai.Entete.DernierPoint() < o.nbPoints(k) - 1;
            e.u8(EnteteEssai);
            e.u8(static_cast<uint8_t>(k));
            e.i32s(essai.Entete.mots.data(), NB_MOTS_ENTETE_ESSAI);
            o.essais[k] = essai.Entete.mots;
            ++nb;
        }
    }
    if (nb == 0) {
        synchroniseDisque(maintenant);
        return Resultat::Rien;
    }
    corps[9] = static_cast<char>(nb & 0xFF);
    corps[10] = static_cast<char>(nb >> 8);
    return ajoute(corps, structure, maintenant) ? Resultat::Ecrit : Resultat::Echec;
}

bool EcrivainJournal::ecritBase(const Travail& t, const SessionTravail& s, Disposition d, qint64 maintenant) {
    m_fichier.close();
    m_base = false;
    const QByteArray travail = OctetsTravail(t, d);
    const QByteArray nom = s.NomFichierCourant.toUtf8().left(0xFFFF);
    QByteArray corps;
    EcrivainOctets e(corps);
    e.u8(Base);
    i64(e, maintenant);
    e.u8(d == Disposition::Vimr2 ? 1 : 0);
    e.u16(static_cast<uint16_t>(nom.size()));
    corps += nom;
    corps += travail;
    const QByteArray fichier = enteteJournal(m_demo) + enregistrement(corps);
    // Written whole then renamed over the old journal, which holds the work until then; the
    // rename reaches the disk with the file.
    m_fichier.setFileName(m_chemin);
    if (!EcritFichierAtomique(m_chemin, fichier) || !m_fichier.open(QIODevice::Append)) {
        m_fichier.close();
        m_dernierEchec = maintenant;
        return false;
    }
    Ombre& o = *m_ombre;
    o.disposition = d;
    o.nom = s.NomFichierCourant;
    decoupe(o, travail);
    m_base = true;
    m_enAttente = false;
    m_dernierFsync = maintenant;
    m_dernierEchec = -1;
    m_taille = fichier.size();
    m_tailleTravail = travail.size();
    return true;
}

bool EcrivainJournal::ajoute(const QByteArray& corps, bool structure, qint64 maintenant) {
    const QByteArray r = enregistrement(corps);
    if (m_fichier.write(r) != r.size() || !m_fichier.flush()) {
        // The file may end in half a record: the next base replaces it whole.
        m_fichier.close();
        m_base = false;
        m_dernierEchec = maintenant;
        return false;
    }
    m_taille += r.size();
    m_enAttente = true;
    if (structure) m_dernierFsync = maintenant - DELAI_FSYNC;
    synchroniseDisque(maintenant);
    return true;
}

void EcrivainJournal::synchroniseDisque(qint64 maintenant) {
    if (!m_enAttente || maintenant - m_dernierFsync < DELAI_FSYNC) return;
#ifdef Q_OS_UNIX
    ::fsync(m_fichier.handle());
#endif
    m_enAttente = false;
    m_dernierFsync = maintenant;
}

void EcrivainJournal::supprime() {
    m_fichier.close();
    QFile::remove(m_chemin);
    m_base = false;
    m_enAttente = false;
    m_dernierEchec = -1;
    m_taille = 0;
}

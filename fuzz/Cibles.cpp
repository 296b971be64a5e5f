#include "Cibles.h"

#include "BibliothequeAbsente.h"

#include "application/EmulationCharge.h"
#include "application/ReglagesApplication.h"
#include "link/BibliothequeReseau.h"
#include "link/CrcModbus.h"
#include "link/Horloge.h"
#include "link/MachineDuTravail.h"
#include "link/ModbusRtu.h"
#include "link/PortSerie.h"
#include "link/Visualisation.h"
#include "socle/ConfigGenerale.h"
#include "socle/Dialogues.h"
#include "socle/ImageJpeg.h"
#include "socle/Textes.h"
#include "study/Catalogue.h"
#include "study/ConstantesBanc.h"
#include "work/CopieValeurs.h"
#include "work/FichierTravail.h"
#include "work/JournalTravail.h"
#include "work/SessionTravail.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <memory>

namespace {

QByteArray octets(const uint8_t* d, std::size_t n) {
    return QByteArray(reinterpret_cast<const char*>(d), qsizetype(n));
}

void exige(bool condition) {
    if (!condition) __builtin_trap();
}

class DialoguesMuets final : public DialoguesConsole {
public:
    void avertissement(const QString&) override {}
};

// Once per process: the French texts, and no message box.
void prepare() {
    static const bool fait = [] {
        static DialoguesMuets muets;
        installeDialogues(&muets);
        AppliqueLangue(1);
        return true;
    }();
    (void)fait;
}

Travail& travailFuzz() {
    static const auto t = std::make_unique<Travail>();
    return *t;
}

SessionTravail& sessionFuzz() {
    static SessionTravail s;
    return s;
}

// A serial line whose replies are the fuzzer's bytes, read in order as the link asks for them.
class PortRejoue final : public PortSerie {
public:
    QByteArray flux;
    bool corrigeCrc = false;
    bool ouvre(const QString&) override { return m_ouvert = true; }
    void ferme() override { m_ouvert = false; }
    bool estOuvert() const override { return m_ouvert; }
    void purge() override {}
    bool ecrit(const QByteArray&) override { return m_ouvert; }
    bool lit(int k, QByteArray& recu) override {
        recu = flux.left(k);
        flux.remove(0, recu.size());
        // A CRC the fuzzer cannot guess would stop every reply at the first check.
        if (corrigeCrc && recu.size() == k && k >= 4) {
            recu.chop(2);
            modbus::ajouteCrc(recu);
        }
        return recu.size() == k;
    }

private:
    bool m_ouvert = false;
};

class HorlogeImmobile final : public Horloge {
public:
    int32_t maintenantMs() override { return t += 7; }
    void attendre(int) override {}
    int32_t t = 0;
};

// A reply as the drive builds it: address, function, data, CRC.
QByteArray reponse(QByteArray corps) {
    corps.prepend(char(1));
    modbus::ajouteCrc(corps);
    return corps;
}

QByteArray reponseLecture(int n, int base) {
    QByteArray c;
    c.append(char(3)).append(char(2 * n));
    for (int i = 0; i < n; ++i)
        c.append(char(0)).append(char(base + i));
    return reponse(c);
}

QByteArray reponseEcriture(uint16_t adresse, int n) {
    QByteArray c;
    c.append(char(16))
        .append(char(adresse >> 8))
        .append(char(adresse & 0xFF))
        .append(char(0))
        .append(char(n));
    return reponse(c);
}

// The CRCs of a journal's header and of its records, as far as their lengths hold, set right.
void corrigeCrcJournal(QByteArray& b) {
    const auto ecrit = [&](qsizetype pos, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[pos + i] = char(v >> (8 * i));
    };
    if (b.size() < 16) return;
    ecrit(12, Crc32(b.constData(), 12));
    for (qsizetype pos = 16; b.size() - pos >= 8;) {
        uint32_t longueur = 0;
        for (int i = 0; i < 4; ++i)
            longueur |= uint32_t(uint8_t(b[pos + i])) << (8 * i);
        if (longueur > uint64_t(b.size() - pos - 8)) return;
        ecrit(pos + 4 + longueur, Crc32(b.constData() + pos + 4, longueur));
        pos += 8 + qsizetype(longueur);
    }
}

} // namespace

namespace cibles {

bool derniereAcceptee = false;

int travail(const uint8_t* d, std::size_t n) {
    derniereAcceptee = false;
    if (n < 1) return 0;
    prepare();
    const Disposition disposition = d[0] & 1 ? Disposition::Vimr2 : Disposition::MLX2;
    Travail& t = travailFuzz();
    if (!DecodeTravail(t, sessionFuzz(), octets(d + 1, n - 1), disposition)) return 0;
    derniereAcceptee = true;
    // What was accepted is written back and read again to the same bytes.
    const QByteArray ecrits = OctetsTravail(t, disposition);
    const auto relu = std::make_unique<Travail>();
    SessionTravail sessionRelu;
    exige(DecodeTravail(*relu, sessionRelu, ecrits, disposition));
    exige(OctetsTravail(*relu, disposition) == ecrits);
    for (int essai = 1; essai <= t.EnteteTravail.NbEssais; ++essai)
        (void)TexteValeurs(t, sessionFuzz(), essai, 11);
    return 0;
}

int config(const uint8_t* d, std::size_t n) {
    prepare();
    TConfigGenerale c = TConfigGenerale::defaut();
    c.depuisOctets(octets(d, n));
    (void)TexteAdresseIP(c);
    (void)constantesBanc(c);
    TConfigGenerale relu = TConfigGenerale::defaut();
    relu.depuisOctets(c.octets());
    exige(relu == c);
    derniereAcceptee = n >= std::size_t(TConfigGenerale::taille);
    return 0;
}

int catalogue(const uint8_t* d, std::size_t n) {
    prepare();
    const auto c = TCatalogueApplications::depuisOctets(octets(d, n));
    exige(!c || n == std::size_t(TCatalogueApplications::taille));
    derniereAcceptee = c.has_value();
    if (!c) return 0;
    // What was accepted is written back and read again the same.
    exige(TCatalogueApplications::depuisOctets(c->octets()) == c);
    for (int g = 0; g <= NB_GROUPES_APPLICATIONS + 1; ++g)
        for (const TEntreeApplication& e : c->groupe(g).Entrees)
            (void)NomImageSur(e.ImageFile.texte());
    return 0;
}

int jpeg(const uint8_t* d, std::size_t n) {
    LimitesJpeg limites;
    limites.coteMax = 2048;
    limites.pixelsMax = 4'000'000;
    limites.memoireMax = 64L << 20;
    const ImageJpeg i = DecodeJpeg(octets(d, n), limites);
    exige(i.ok() != i.image.isNull());
    exige(i.ok() || !i.detail.isEmpty());
    derniereAcceptee = i.ok();
    return 0;
}

int modbusRtu(const uint8_t* d, std::size_t n) {
    derniereAcceptee = false;
    if (n < 1) return 0;
    prepare();
    PortRejoue port;
    port.flux = octets(d + 1, n - 1);
    port.corrigeCrc = d[0] & 2;
    BibliothequeAbsente reseau;
    HorlogeImmobile horloge;
    TConfigGenerale config = TConfigGenerale::defaut();
    config.TypeLiaison = 1;
    config.TypeVariateur = d[0] & 1;
    Liaison liaison(port, reseau, horloge, config, machineDuTravail(sessionFuzz()));
    liaison.serie().NomPortImpose = QStringLiteral("fuzz");
    liaison.Ouvre();
    (void)liaison.ReadRegModbus(11, 32);
    liaison.LectureValeurs();
    Valeurs10 mots{};
    liaison.Read10RegModbus(20, 2, 10, mots);
    liaison.WriteRegModbus(20, 29, 0x0B05);
    liaison.ParamBlock = {1, 2, 3, 4, 5, 6};
    liaison.EmissionParam();
    exige(liaison.ErrorCount >= 0);
    derniereAcceptee = liaison.ErrorCount == 0;
    return 0;
}

int modbusTcp(const uint8_t* d, std::size_t n) {
    derniereAcceptee = false;
    if (n < 3) return 0;
    reponseTcp::Attente attente;
    attente.fonction = d[0] & 1 ? 16 : 3;
    attente.n = 1 + d[1] % 10;
    attente.genre = d[0] & 2 ? reponseKnr::lectureListe : reponseKnr::lecture;
    attente.transaction = d[2];
    std::array<TKnrObject, 10> objets{};
    const QByteArray recu = octets(d + 3, n - 3);
    const reponseTcp::Analyse a = reponseTcp::analyse(recu, attente, objets.data());
    exige(a.consommes >= 0 && a.consommes <= recu.size());
    exige((a.statut == 0) == (a.consommes == 0));
    derniereAcceptee = a.statut == reponseKnr::succes || a.statut == statutKnr::exception;
    return 0;
}

int application(const uint8_t* d, std::size_t n) {
    derniereAcceptee = false;
    prepare();
    const auto f = DecodeApplication(octets(d, n));
    exige(!f || n == std::size_t(TAILLE_FICHIER_APPLICATION));
    if (!f) return 0;
    derniereAcceptee = true;
    exige(DecodeApplication(OctetsApplication(*f)) == f);
    // Whatever a file holds reaches the configuration's displays and the drive's block: no
    // division by zero, no overflow trap, on any bench.
    for (int classe = 0; classe <= 3; ++classe) {
        ParamsApplication p = f->Param;
        (void)LitControles(f->Code, ControlesDepuisParam(f->Code, f->Param), ChampTailleBanc(classe, 1),
                           classe, p);
        const auto plage = CalculPlageCharge(f->Code, f->Param, classe);
        EmulationCharge emulation;
        BlocParametres bloc{};
        VecteurMesures mesures{};
        for (const int32_t a : {-1, 0, plage ? plage->maximum : 120}) {
            emulation.SetCharge(f->Code, f->Param, classe, a, plage ? plage->minimum : 0, bloc);
            for (const int32_t vitesse : {-3000, 0, 1500})
                for (const int32_t puissance : {-30000, 30000}) {
                    mesures[1] = vitesse;
                    mesures[3] = puissance;
                    emulation.SetValeursAff(f->Code, f->Param, classe, a, bloc, mesures);
                }
        }
    }
    return 0;
}

int journal(const uint8_t* d, std::size_t n) {
    derniereAcceptee = false;
    if (n < 1) return 0;
    prepare();
    QByteArray b = octets(d + 1, n - 1);
    // CRCs the fuzzer cannot guess would stop every journal at its header or its first record.
    if (d[0] & 1) corrigeCrcJournal(b);
    const ContenuJournal c = LitJournal(b);
    derniereAcceptee = c.travailLu();
    // A work read, or nothing at all.
    exige(c.travailLu() != c.octets.isEmpty());
    exige(c.travailLu() == (c.enregistrements > 0));
    if (!c.travailLu()) return 0;
    // What was read is a work the work reader takes, and writes back the same once read.
    Travail& t = travailFuzz();
    exige(DecodeTravail(t, sessionFuzz(), c.octets, c.disposition));
    const QByteArray ecrits = OctetsTravail(t, c.disposition);
    exige(DecodeTravail(t, sessionFuzz(), ecrits, c.disposition));
    exige(OctetsTravail(t, c.disposition) == ecrits);
    return 0;
}

namespace {

std::vector<std::pair<QString, QByteArray>> grainesApplication() {
    std::vector<std::pair<QString, QByteArray>> g;
    for (const int code : {51, 52, 53, 57, 58, 61, 62, 64, 66}) {
        const ParamsApplication p = ParamInit(code, ChampTailleBanc(2, 1), 2, ParamsApplication{});
        g.emplace_back(QString("defaut-%1").arg(code), OctetsApplication({code, p}));
    }
    return g;
}

std::vector<std::pair<QString, QByteArray>> grainesTravail() {
    prepare();
    auto t = std::make_unique<Travail>();
    SessionTravail session;
    t->NouveauTravail(session);
    session.ModeleEssai.TypeMachine() = 3;
    session.ModeleEssai.TypeCharge() = 1;
    t->AjouteEssai(session);
    VecteurMesures m{};
    for (int k = 0; k < 3; ++k) {
        m[1] = 1500 - 10 * k;
        m[2] = 100 * k;
        t->AjoutePoint(session, m);
    }
    t->EnteteTravail.DefCaract(1) = TDefCaract{1, 1, {}, 2, 18, {}, 1, 18, {}, 1};
    std::vector<std::pair<QString, QByteArray>> g;
    for (const Disposition d : {Disposition::MLX2, Disposition::Vimr2}) {
        QByteArray b = OctetsTravail(*t, d);
        b.prepend(char(d == Disposition::Vimr2 ? 1 : 0));
        g.emplace_back(d == Disposition::Vimr2 ? "trois-points-vimr2" : "trois-points-mlx2", b);
    }
    return g;
}

// Journals as the program writes them: a session of points by hand in two tests, the same cut in
// its last record, and an application work saved once then changed.
std::vector<std::pair<QString, QByteArray>> grainesJournal() {
    prepare();
    std::vector<std::pair<QString, QByteArray>> g;
    QTemporaryDir dossier;
    for (const bool application : {false, true}) {
        const QString chemin = dossier.filePath(application ? "vimr2.journal" : "mlx2.journal");
        EcrivainJournal ecrivain(chemin, application);
        auto t = std::make_unique<Travail>();
        SessionTravail session;
        t->NouveauTravail(session);
        if (application) {
            t->ApplicationCourante = 55;
            session.NomFichierCourant = "/home/tp/Pompe centrifuge.Vimr2";
        }
        qint64 heure = 1'765'000'000'000;
        const auto suit = [&] {
            session.TravailEnregistre = false;
            ecrivain.suit(*t, session, heure += 200);
        };
        for (int e = 1; e <= 2; ++e) {
            t->AjouteEssai(session);
            suit();
            for (int k = 0; k < 4; ++k) {
                VecteurMesures m{};
                for (int c = 1; c < NB_COLONNES; ++c)
                    m[c] = 1500 * e - 37 * k + c;
                t->AjoutePoint(session, m);
                suit();
            }
        }
        t->Essais[1].Entete.setCommentaire("à vide");
        t->EnteteTravail.DefCaract(1) = TDefCaract{1, 1, {}, 2, 18, {}, 1, 18, {}, 1};
        suit();
        t->SupprimePoint(session, 2, 1);
        suit();
        QFile f(chemin);
        const QByteArray b = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        // As written (first byte 0), and with the CRCs set right by the harness (1).
        if (application) {
            g.emplace_back("application-vimr2", '\0' + b);
        } else {
            g.emplace_back("session-mlx2", '\0' + b);
            g.emplace_back("session-mlx2-coupe", '\0' + b.chopped(5));
            g.emplace_back("session-mlx2-crc-corrige", '\1' + b);
        }
    }
    return g;
}

std::vector<std::pair<QString, QByteArray>> grainesConfig() {
    TConfigGenerale c = TConfigGenerale::defaut();
    std::vector<std::pair<QString, QByteArray>> g{{"defaut", c.octets()}};
    c.TypeLiaison = 2;
    c.ClassePuissance = 3;
    c.FrequenceReseau = 60;
    g.emplace_back("reseau-classe3-60hz", c.octets());
    return g;
}

std::vector<std::pair<QString, QByteArray>> grainesCatalogue() {
    TCatalogueApplications c{};
    c.groupe(1).Count = 2;
    c.groupe(1).Entrees[0].Name.setTexte("Pont roulant");
    c.groupe(1).Entrees[0].ImageFile.setTexte("pont_roulant.jpg");
    c.groupe(1).Entrees[1].Name.setTexte("Palan");
    c.groupe(1).Entrees[1].ImageFile.setTexte("palan.jpg");
    return {{"deux-entrees", c.octets()}};
}

std::vector<std::pair<QString, QByteArray>> grainesJpeg() {
    QImage image(24, 16, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 10, y * 15, (x + y) * 5));
    OptionsJpeg progressif;
    progressif.progressif = true;
    return {{"base", EncodeJpeg(image)},
            {"progressif", EncodeJpeg(image, progressif)},
            {"gris", EncodeJpeg(image.convertToFormat(QImage::Format_Grayscale8))}};
}

// The replies of the harness's exchanges, in its order: rating, cycle (block read and status
// echo), block read, single write, block write.
QByteArray repliquesRtu() {
    return reponseLecture(1, 1) + reponseLecture(10, 4) + reponseEcriture(modbus::adresse(18, 30), 1) +
           reponseLecture(10, 9) + reponseEcriture(modbus::adresse(20, 29), 1) +
           reponseEcriture(modbus::adresse(19, 20), 6);
}

std::vector<std::pair<QString, QByteArray>> grainesRtu() {
    std::vector<std::pair<QString, QByteArray>> g;
    for (const int modele : {0, 1})
        for (const bool corrige : {false, true}) {
            QByteArray b = repliquesRtu();
            b.prepend(char(modele | (corrige ? 2 : 0)));
            g.emplace_back(QString("modele%1%2").arg(modele).arg(corrige ? "-crc-corrige" : ""), b);
        }
    return g;
}

std::vector<std::pair<QString, QByteArray>> grainesTcp() {
    // A read of two registers under transaction 7: header, unit, function, count, words.
    const QByteArray lecture = QByteArray::fromHex("0007000000070103040001fffe");
    const QByteArray ecriture = QByteArray::fromHex("000700000006011007d00006");
    return {{"lecture", QByteArray::fromHex("000107") + lecture},
            {"ecriture", QByteArray::fromHex("010007") + ecriture},
            {"exception", QByteArray::fromHex("000007") + QByteArray::fromHex("000700000003018302")}};
}

} // namespace

const std::vector<Description>& toutes() {
    static const std::vector<Description> d{
        {"travail", travail, grainesTravail},
        {"config", config, grainesConfig},
        {"catalogue", catalogue, grainesCatalogue},
        {"jpeg", jpeg, grainesJpeg},
        {"modbus-rtu", modbusRtu, grainesRtu},
        {"modbus-tcp", modbusTcp, grainesTcp},
        {"application", application, grainesApplication},
        {"journal", journal, grainesJournal},
    };
    return d;
}

} // namespace cibles

// Commands that build frames or talk to a drive, so that a user can check a drive from a terminal.
#include "Outil.h"

#include "link/Horloge.h"
#include "link/MachineDuTravail.h"
#include "link/ModbusRtu.h"
#include "link/PortSerie.h"
#include "socle/ConfigGenerale.h"
#include "socle/Dialogues.h"
#include "socle/Textes.h"
#include "work/CopieValeurs.h"
#include "work/Format.h"
#include "work/Travail.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QThread>

#include <csignal>

#include <optional>

namespace {

struct Parametre {
    int menu = 0;
    int parametre = 0;
};

// "20.29" -> menu 20, parameter 29.
std::optional<Parametre> parametre(const QString& texte) {
    const QStringList p = texte.split('.');
    bool ok1 = false, ok2 = false;
    if (p.size() != 2) return std::nullopt;
    const int m = p[0].toInt(&ok1), n = p[1].toInt(&ok2);
    const int adresse = m * 100 + n - 1;
    if (!ok1 || !ok2 || m < 0 || n < 1 || n > 99 || adresse > 65535) return std::nullopt;
    return Parametre{m, n};
}

std::optional<int32_t> valeur(const QString& texte) {
    bool ok = false;
    const int v = texte.toInt(&ok);
    if (!ok || v < -32768 || v > 65535) return std::nullopt;
    return v;
}

// Register values as written on the command line; says which one is out of range.
std::optional<std::vector<int32_t>> lesValeurs(const QStringList& textes) {
    std::vector<int32_t> valeurs;
    for (const QString& t : textes) {
        const auto x = valeur(t);
        if (!x) {
            erreur("value out of -32768..65535: " + t);
            return std::nullopt;
        }
        valeurs.push_back(*x);
    }
    return valeurs;
}

// The drive is named by exactly one route.
bool routeNommee(const OptionsOutil& o) {
    if (o.port.isEmpty() != o.tcp.isEmpty()) return true;
    erreur("name the drive with --port DEV or --tcp HOST[:PORT]");
    return false;
}

QString hex(const QByteArray& b) {
    return QString::fromLatin1(b.toHex(' ').toUpper());
}

class DialoguesLiaison final : public DialoguesConsole {
public:
    DialoguesLiaison() { installeDialogues(this); }
    ~DialoguesLiaison() override { installeDialogues(nullptr); }
    void avertissement(const QString& texte) override { erreur(texte); }
    bool imprimer(QPrinter&) override { return false; }
    bool configurerImprimante(QPrinter&) override { return false; }
};

// A link opened on the route the options name, talking to nobody until asked.
class Lien {
public:
    explicit Lien(const OptionsOutil& o)
        : m_port(creePortSerieSysteme()), m_reseau(creeBibliothequeModbusTcp(1000, 2000)),
          m_config(TConfigGenerale::defaut()),
          m_liaison(*m_port, *m_reseau, horlogeSysteme(), m_config, machineDuTravail(m_session)) {
        m_config.TypeVariateur = o.modele;
        if (!o.tcp.isEmpty()) {
            m_config.TypeLiaison = 0;
            QString h = o.tcp.section(':', 0, 0);
            if (h == "localhost") h = "127.0.0.1";
            const QString p = o.tcp.section(':', 1);
            QHostAddress a;
            if (!a.setAddress(h) || a.protocol() != QAbstractSocket::IPv4Protocol) return;
            if (!p.isEmpty()) qputenv("VIMRA_MODBUS_TCP_PORT", p.toLatin1());
            const QStringList octets = h.split('.');
            for (int i = 0; i < 4; ++i)
                m_config.AdresseIP[i].setTexte(octets[i]);
        } else {
            m_config.TypeLiaison = 1;
            m_liaison.serie().NomPortImpose = o.port;
        }
        m_session.ModeleEssai.TypeMachine() = o.machine;
        m_session.ModeleEssai[TEnteteEssai::MotCalibreCourant] = o.calibre == 2 ? 1 : 0;
        m_ouvert = m_liaison.Ouvre();
    }
    // The tool only reads or writes what it is told: it neither arms nor releases the drive.
    ~Lien() { m_liaison.Relache(); }

    bool ouvert() const { return m_ouvert; }
    Liaison& liaison() { return m_liaison; }
    const SessionTravail& session() const { return m_session; }
    // The program's message for a failed exchange, with its result code.
    bool verifie() {
        if (!m_liaison.LastFailed) return true;
        erreur(Textes().Texte[txt::ErreurCommunication] + " (" + QString::number(m_liaison.LastResult) + ")");
        return false;
    }
    // A measurement cycle that failed: the echo write may have gone through after a failed read.
    void signaleCycleManque() {
        if (verifie()) erreur(Textes().Texte[txt::ErreurCommunication]);
    }

private:
    std::unique_ptr<PortSerie> m_port;
    std::unique_ptr<BibliothequeReseau> m_reseau;
    TConfigGenerale m_config;
    SessionTravail m_session;
    Liaison m_liaison;
    bool m_ouvert = false;
};

} // namespace

int commandeTrame(const OptionsOutil& o) {
    if (o.arguments.size() < 2) return Usage;
    const QString op = o.arguments[0];
    const auto p = parametre(o.arguments[1]);
    if (!p) {
        erreur("parameter must be menu.parameter, as 20.29");
        return Usage;
    }
    const uint16_t a = modbus::adresse(p->menu, p->parametre);
    const QStringList v = o.arguments.mid(2);
    if (op == "read" && v.isEmpty()) {
        ecritSortie(hex(modbus::trameLecture(o.modele, a, 1)) + "\n");
        return Fait;
    }
    if (op == "read10" && v.size() == 1) {
        bool ok = false;
        const int n = v[0].toInt(&ok);
        if (!ok || n < 1 || n > 10) return Usage;
        ecritSortie(hex(modbus::trameLecture(o.modele, a, n)) + "\n");
        return Fait;
    }
    if ((op == "write" && v.size() == 1) || (op == "write10" && v.size() >= 1 && v.size() <= 10)) {
        const auto valeurs = lesValeurs(v);
        if (!valeurs) return Usage;
        ecritSortie(hex(modbus::trameEcriture(o.modele, a, valeurs->data(), int(valeurs->size()))) + "\n");
        return Fait;
    }
    return Usage;
}

int commandeVariateur(const QString& commande, const OptionsOutil& o) {
    if (!routeNommee(o)) return Usage;
    std::optional<Parametre> p;
    if (commande != "measure") {
        if (o.arguments.isEmpty() || !(p = parametre(o.arguments[0]))) {
            erreur("parameter must be menu.parameter, as 20.29");
            return Usage;
        }
    }
    const QStringList v = commande == "measure" ? o.arguments : o.arguments.mid(1);
    std::vector<int32_t> valeurs;
    int n = 0;
    if (commande == "read" || commande == "measure") {
        if (!v.isEmpty()) return Usage;
    } else if (commande == "read10") {
        bool ok = false;
        if (v.size() != 1 || (n = v[0].toInt(&ok), !ok) || n < 1 || n > 10) return Usage;
    } else {
        if (v.isEmpty() || v.size() > (commande == "write" ? 1 : 10)) return Usage;
        const auto lues = lesValeurs(v);
        if (!lues) return Usage;
        valeurs = *lues;
    }

    DialoguesLiaison dialogues;
    Lien lien(o);
    if (!lien.ouvert()) {
        erreur(Textes().Texte[txt::ErreurLiaison]);
        return Echec;
    }
    Liaison& l = lien.liaison();
    if (commande == "read") {
        const int32_t x = l.ReadRegModbus(p->menu, p->parametre);
        if (!lien.verifie()) return Echec;
        ecritSortie(QString::number(x) + "\n");
    } else if (commande == "read10") {
        Valeurs10 t{};
        l.Read10RegModbus(p->menu, p->parametre, n, t);
        if (!lien.verifie()) return Echec;
        QStringList s;
        for (int i = 0; i < n; ++i)
            s << QString::number(t[i]);
        ecritSortie(s.join(' ') + "\n");
    } else if (commande == "write") {
        l.WriteRegModbus(p->menu, p->parametre, valeurs[0]);
        if (!lien.verifie()) return Echec;
    } else if (commande == "write10") {
        Valeurs10 t{};
        std::copy(valeurs.begin(), valeurs.end(), t.begin());
        l.Write10RegModbus(p->menu, p->parametre, t, int(valeurs.size()));
        if (!lien.verifie()) return Echec;
    } else {
        if (!l.LectureValeurs()) {
            lien.signaleCycleManque();
            return Echec;
        }
        QString s;
        for (int i = 0; i <= 11; ++i)
            s += QString::number(i) + u'\t' + QString::number(l.Mesures[i]) + u'\n';
        ecritSortie(s);
    }
    return Fait;
}

namespace {

volatile std::sig_atomic_t interrompu = 0;

void surSignal(int) {
    interrompu = 1;
}

// Waits until `echeance` ms of the clock, in short slices so that an interrupt ends it soon.
void attendJusqua(const QElapsedTimer& horloge, qint64 echeance) {
    for (qint64 reste; !interrompu && (reste = echeance - horloge.elapsed()) > 0;)
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(reste, 20)));
}

} // namespace

int commandeSuivi(const OptionsOutil& o) {
    if (!routeNommee(o) || !o.arguments.isEmpty()) return Usage;
    DialoguesLiaison dialogues;
    Lien lien(o);
    if (!lien.ouvert()) {
        erreur(Textes().Texte[txt::ErreurLiaison]);
        return Echec;
    }
    interrompu = 0;
    std::signal(SIGINT, surSignal);
    std::signal(SIGTERM, surSignal);

    // The time of the program's time base first, then the measured and derived quantities.
    static constexpr int colonnes[] = {11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    Liaison& l = lien.liaison();
    ecritSortie(EnteteCsvMesures(lien.session(), colonnes));
    l.inittime();
    QElapsedTimer horloge;
    horloge.start();
    qint64 echeance = 0;
    int lignes = 0;
    while (!interrompu && (o.nombre == 0 || lignes < o.nombre)) {
        attendJusqua(horloge, echeance);
        if (interrompu) break;
        if (const Mesure m = l.LectureValeurs()) {
            VecteurMesures mesures{};
            m.reporte(mesures);
            ecritSortie(LigneCsvMesures(lien.session(), mesures, colonnes));
            ++lignes;
        } else {
            lien.signaleCycleManque();
        }
        // Ticks a slow cycle overran are dropped, not caught up in a burst.
        const qint64 maintenant = horloge.elapsed();
        echeance += o.periode;
        if (echeance <= maintenant) echeance += (maintenant - echeance) / o.periode * o.periode + o.periode;
    }
    return Fait;
}

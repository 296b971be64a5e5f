// Commands that build frames or talk to a drive, so that a user can check a drive from a terminal.
#include "Outil.h"

#include "link/Horloge.h"
#include "link/Liaison.h"
#include "link/ModbusRtu.h"
#include "link/PortSerie.h"
#include "shell/ConfigGenerale.h"
#include "shell/Dialogues.h"
#include "shell/Textes.h"
#include "work/Format.h"
#include "work/Travail.h"

#include <QHostAddress>

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

struct Options {
    int modele = 1;
    QString port;
    QString tcp;
    int machine = 0;
    int calibre = 20;
    QStringList reste;
};

std::optional<Options> options(const QStringList& args) {
    Options o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool suivant = i + 1 < args.size();
        bool ok = true;
        if (a == "--model" && suivant) {
            o.modele = args[++i].toInt(&ok);
            ok = ok && (o.modele == 0 || o.modele == 1);
        } else if (a == "--port" && suivant) {
            o.port = args[++i];
        } else if (a == "--tcp" && suivant) {
            o.tcp = args[++i];
        } else if (a == "--machine" && suivant) {
            o.machine = args[++i].toInt(&ok);
            ok = ok && o.machine >= 0 && o.machine <= 7;
        } else if (a == "--range" && suivant) {
            o.calibre = args[++i].toInt(&ok);
            ok = ok && (o.calibre == 2 || o.calibre == 20);
        } else if (a.startsWith("--")) {
            ok = false;
        } else {
            o.reste << a;
        }
        if (!ok) {
            erreur("bad option: " + a);
            return std::nullopt;
        }
    }
    return o;
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
    explicit Lien(const Options& o)
        : m_port(creePortSerieSysteme()), m_reseau(creeBibliothequeModbusTcp(1000, 2000)),
          m_config(TConfigGenerale::defaut()), m_travail(std::make_unique<Travail>()),
          m_liaison(*m_port, *m_reseau, horlogeSysteme(), m_config, *m_travail) {
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
            m_liaison.NomPortImpose = o.port;
        }
        m_travail->ModeleEssai.TypeMachine() = o.machine;
        m_travail->ModeleEssai[TEnteteEssai::MotCalibreCourant] = o.calibre == 2 ? 1 : 0;
        m_ouvert = m_liaison.Ouvre();
    }
    // The tool only reads or writes what it is told: it neither arms nor releases the drive.
    ~Lien() { m_liaison.Relache(); }

    bool ouvert() const { return m_ouvert; }
    Liaison& liaison() { return m_liaison; }
    Travail& travail() { return *m_travail; }
    // The program's message for a failed exchange, with its result code.
    bool verifie() {
        if (!m_liaison.LastFailed) return true;
        erreur(Textes().Texte[228] + " (" + QString::number(m_liaison.LastResult) + ")");
        return false;
    }

private:
    std::unique_ptr<PortSerie> m_port;
    std::unique_ptr<BibliothequeReseau> m_reseau;
    TConfigGenerale m_config;
    std::unique_ptr<Travail> m_travail;
    Liaison m_liaison;
    bool m_ouvert = false;
};

} // namespace

int commandeTrame(const QStringList& args) {
    const auto o = options(args);
    if (!o || o->reste.size() < 2) return Usage;
    const QString op = o->reste[0];
    const auto p = parametre(o->reste[1]);
    if (!p) {
        erreur("parameter must be menu.parameter, as 20.29");
        return Usage;
    }
    const uint16_t a = modbus::adresse(p->menu, p->parametre);
    const QStringList v = o->reste.mid(2);
    if (op == "read" && v.isEmpty()) {
        ecritSortie(hex(modbus::trameLecture(o->modele, a, 1)) + "\n");
        return Fait;
    }
    if (op == "read10" && v.size() == 1) {
        bool ok = false;
        const int n = v[0].toInt(&ok);
        if (!ok || n < 1 || n > 10) return Usage;
        ecritSortie(hex(modbus::trameLecture(o->modele, a, n)) + "\n");
        return Fait;
    }
    if ((op == "write" && v.size() == 1) || (op == "write10" && v.size() >= 1 && v.size() <= 10)) {
        std::vector<int32_t> valeurs;
        for (const QString& t : v) {
            const auto x = valeur(t);
            if (!x) {
                erreur("value out of -32768..65535: " + t);
                return Usage;
            }
            valeurs.push_back(*x);
        }
        ecritSortie(hex(modbus::trameEcriture(o->modele, a, valeurs.data(), int(valeurs.size()))) + "\n");
        return Fait;
    }
    return Usage;
}

int commandeVariateur(const QString& commande, const QStringList& args) {
    const auto o = options(args);
    if (!o) return Usage;
    if (o->port.isEmpty() == o->tcp.isEmpty()) {
        erreur("name the drive with --port DEV or --tcp HOST[:PORT]");
        return Usage;
    }
    std::optional<Parametre> p;
    if (commande != "measure") {
        if (o->reste.isEmpty() || !(p = parametre(o->reste[0]))) {
            erreur("parameter must be menu.parameter, as 20.29");
            return Usage;
        }
    }
    const QStringList v = commande == "measure" ? o->reste : o->reste.mid(1);
    std::vector<int32_t> valeurs;
    int n = 0;
    if (commande == "read" || commande == "measure") {
        if (!v.isEmpty()) return Usage;
    } else if (commande == "read10") {
        bool ok = false;
        if (v.size() != 1 || (n = v[0].toInt(&ok), !ok) || n < 1 || n > 10) return Usage;
    } else {
        if (v.isEmpty() || v.size() > (commande == "write" ? 1 : 10)) return Usage;
        for (const QString& t : v) {
            const auto x = valeur(t);
            if (!x) {
                erreur("value out of -32768..65535: " + t);
                return Usage;
            }
            valeurs.push_back(*x);
        }
    }

    DialoguesLiaison dialogues;
    Lien lien(*o);
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
            lien.verifie();
            if (!l.LastFailed) erreur(Textes().Texte[228]);
            return Echec;
        }
        QString s;
        for (int i = 0; i <= 11; ++i)
            s += QString::number(i) + u'\t' + QString::number(lien.travail().Mesures[i]) + u'\n';
        ecritSortie(s);
    }
    return Fait;
}

#include "ConfigGenerale.h"
#include "FichierAtomique.h"

#include "Dialogues.h"
#include "Octets.h"
#include "Textes.h"

#include <QDir>
#include <QFile>

TConfigGenerale TConfigGenerale::defaut() {
    TConfigGenerale c;
    c.PortCom.setTexte("COM8");
    c.AdresseIP[0].setTexte("192");
    c.AdresseIP[1].setTexte("168");
    c.AdresseIP[2].setTexte("1");
    c.AdresseIP[3].setTexte("100");
    return c;
}

QByteArray TConfigGenerale::octets() const {
    QByteArray b;
    EcrivainOctets e(b);
    e.i32(ClassePuissance);
    e.u8(SchemaCouleurs);
    e.octets(Reserve5);
    e.i32(TypeLiaison);
    e.octets(PortCom.octets);
    for (const auto& a : AdresseIP)
        e.octets(a.octets);
    e.u8(Reserve67);
    e.i32(LangueConfig);
    e.i32(FrequenceReseau);
    e.i32(TypeVariateur);
    return b;
}

void TConfigGenerale::depuisOctets(const QByteArray& lus) {
    QByteArray b = octets();
    const qsizetype n = std::min<qsizetype>(lus.size(), taille);
    std::copy_n(lus.constData(), n, b.data());
    LecteurOctets l(b);
    ClassePuissance = l.i32();
    SchemaCouleurs = l.u8();
    l.octets(Reserve5);
    TypeLiaison = l.i32();
    l.octets(PortCom.octets);
    for (auto& a : AdresseIP)
        l.octets(a.octets);
    Reserve67 = l.u8();
    LangueConfig = l.i32();
    FrequenceReseau = l.i32();
    TypeVariateur = l.i32();
}

TConfigGenerale& ConfigGenerale() {
    static TConfigGenerale c = TConfigGenerale::defaut();
    return c;
}

bool ChargeConfig(const QString& dossier) {
    TConfigGenerale& c = ConfigGenerale();
    c = TConfigGenerale::defaut();
    QFile f(QDir(dossier).filePath(NOM_FICHIER_CONFIG));
    // No file at all is a first start, not a failure: the defaults, and the file written at the end.
    bool complet = !f.exists();
    if (!complet && f.open(QIODevice::ReadOnly)) {
        const QByteArray lus = f.read(TConfigGenerale::taille);
        c.depuisOctets(lus);
        complet = lus.size() == TConfigGenerale::taille;
    }
    AppliqueLangue(c.LangueConfig);
    if (!complet) dialogues().avertissement(Textes().Texte[txt::ErreurLecture]);
    return complet;
}

namespace {

struct LiaisonUtilisateur {
    bool demo = false;
    int32_t TypeLiaison = 0;
    ChaineCourte<10> PortCom;
};

LiaisonUtilisateur& liaisonUtilisateur() {
    static LiaisonUtilisateur l;
    return l;
}

} // namespace

void EntreModeDemo() {
    LiaisonUtilisateur& l = liaisonUtilisateur();
    if (!l.demo) l = {true, ConfigGenerale().TypeLiaison, ConfigGenerale().PortCom};
    ConfigGenerale().TypeLiaison = 1;
}

bool ModeDemo() {
    return liaisonUtilisateur().demo;
}

void QuitteModeDemo() {
    LiaisonUtilisateur& l = liaisonUtilisateur();
    if (!l.demo) return;
    ConfigGenerale().TypeLiaison = l.TypeLiaison;
    ConfigGenerale().PortCom = l.PortCom;
    l = {};
}

QString MentionBancSimule() {
    return ModeDemo() ? Traduit("Banc simulé", "Simulated bench", "Banco simulado") : QString();
}

QString LegendeFenetre(const QString& legende) {
    const QString mention = MentionBancSimule();
    return mention.isEmpty() ? legende : legende + QString::fromUtf8(" — ") + mention;
}

bool SauveConfig(const QString& dossier) {
    TConfigGenerale c = ConfigGenerale();
    // The demo bench is never written as the user's link.
    if (ModeDemo()) {
        c.TypeLiaison = liaisonUtilisateur().TypeLiaison;
        c.PortCom = liaisonUtilisateur().PortCom;
    }
    const QByteArray b = c.octets();
    const bool ok = EcritFichierAtomique(QDir(dossier).filePath(NOM_FICHIER_CONFIG), b);
    if (!ok) dialogues().avertissement(Textes().Texte[txt::ErreurEcriture]);
    return ok;
}

QString TexteAdresseIP(const TConfigGenerale& c) {
    return "(" + c.AdresseIP[0].texte() + "." + c.AdresseIP[1].texte() + "." + c.AdresseIP[2].texte() + "." +
           c.AdresseIP[3].texte() + ")";
}

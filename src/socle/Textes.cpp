#include "Textes.h"

#include "TraductionsQt.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <stdexcept>

namespace {

struct Copies {
    TTextesVimra vimra;
    TTextesKorlan korlan;
};

// The texts are data compiled into the program; a faulty copy is a build fault, not a user's.
Copies charge(const char* ressource) {
    QFile f(QString::fromLatin1(ressource));
    if (!f.open(QIODevice::ReadOnly)) throw std::logic_error(std::string("texts missing: ") + ressource);
    const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
    const QJsonArray champs = o.value("champs").toArray();
    const QJsonArray grandeurs = o.value("grandeurs").toArray();
    const QJsonArray textes = o.value("textes").toArray();
    const QJsonArray korlan = o.value("korlan").toArray();
    const QJsonArray messages = o.value("messages").toArray();
    if (champs.size() != 5 || grandeurs.size() != NB_GRANDEURS || textes.size() != NB_TEXTES ||
        korlan.size() != NB_TEXTES_KORLAN || messages.size() != int(TTextesVimra{}.Message.size()))
        throw std::logic_error(std::string("texts incomplete: ") + ressource);

    Copies c;
    c.vimra.FichierCatalogue = champs[0].toString();
    c.vimra.DossierTravaux = champs[1].toString();
    c.vimra.MotEssai = champs[2].toString();
    c.vimra.DossierFiches = champs[3].toString();
    c.vimra.DossierCablage = champs[4].toString();
    for (int i = 0; i < NB_GRANDEURS; ++i) {
        const QJsonArray g = grandeurs[i].toArray();
        c.vimra.Grandeurs[i] = TGrandeur{g[0].toString(), g[1].toString(), g[2].toString(),
                                         g[3].toInt(),    g[4].toInt(),    g[5].toInt()};
    }
    for (int i = 0; i < NB_TEXTES; ++i)
        c.vimra.Texte[i] = textes[i].toString();
    for (int i = 0; i < NB_TEXTES_KORLAN; ++i)
        c.korlan.Texte[i] = korlan[i].toString();
    for (int i = 0; i < int(c.vimra.Message.size()); ++i)
        c.vimra.Message[i] = messages[i].toString();
    return c;
}

const Copies& copies(Langue l) {
    static const Copies fr = charge(":/textes/fr.json");
    static const Copies en = charge(":/textes/en.json");
    static const Copies es = charge(":/textes/es.json");
    switch (l) {
    case Langue::Anglais:
        return en;
    case Langue::Espagnol:
        return es;
    case Langue::Francais:
        break;
    }
    return fr;
}

struct Courants {
    TTextesVimra vimra = copies(Langue::Francais).vimra;
    TTextesKorlan korlan = copies(Langue::Francais).korlan;
    Langue langue = Langue::Francais;
};

Courants& courants() {
    static Courants c;
    return c;
}

} // namespace

Langue langueDuCode(int code) {
    if (code == 3) return Langue::Espagnol;
    if (code == 2) return Langue::Anglais;
    return Langue::Francais;
}

const TTextesVimra& TextesConstants(Langue langue) {
    return copies(langue).vimra;
}
const TTextesKorlan& TextesKorlanConstants(Langue langue) {
    return copies(langue).korlan;
}

void AppliqueLangue(int code) {
    const Copies& c = copies(langueDuCode(code));
    const bool change = courants().langue != langueDuCode(code);
    courants().vimra = c.vimra;
    courants().korlan = c.korlan;
    courants().langue = langueDuCode(code);
    TraduitQt(courants().langue);
    // Every open window takes its texts again (Qt hands the event to each window).
    if (change && QCoreApplication::instance()) {
        QEvent e(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &e);
    }
}

const TTextesVimra& Textes() {
    return courants().vimra;
}
const TTextesKorlan& TextesKorlan() {
    return courants().korlan;
}
Langue LangueCourante() {
    return courants().langue;
}

QString Traduit(const char* francais, const char* anglais, const char* espagnol) {
    switch (LangueCourante()) {
    case Langue::Anglais:
        return QString::fromUtf8(anglais);
    case Langue::Espagnol:
        return QString::fromUtf8(espagnol);
    case Langue::Francais:
        break;
    }
    return QString::fromUtf8(francais);
}

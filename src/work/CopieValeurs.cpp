#include "CopieValeurs.h"

#include "Format.h"
#include "SessionTravail.h"

#include <QStringList>

namespace {

const QString crlf = QStringLiteral("\r\n");

void bloc(QString& s, const SessionTravail& session, const TEssai& essai, int derniere) {
    s += session.Colonnes[0].Symbole;
    for (int c = 1; c <= derniere; ++c)
        s += u'\t' + session.Colonnes[c].Symbole;
    s += crlf;
    s += session.Colonnes[0].Unite;
    for (int c = 1; c <= derniere; ++c) {
        s += u'\t';
        if (!session.Colonnes[c].Unite.isEmpty()) s += u'(' + session.Colonnes[c].Unite + u')';
    }
    s += crlf;
    const int n = std::clamp(essai.nbPoints(), 0, NB_POINTS_MAX);
    s.reserve(s.size() + qsizetype(n) * (derniere + 1) * 8);
    for (int j = 0; j < n; ++j) {
        AjouteTexteValeur(s, essai.valeur(0, j), session.Colonnes[0].Decimales);
        for (int c = 1; c <= derniere; ++c) {
            s += u'\t';
            AjouteTexteValeur(s, essai.valeur(c, j), session.Colonnes[c].Decimales);
        }
        s += crlf;
    }
}

QString champCsv(const QString& v) {
    if (!v.contains(u',') && !v.contains(u'"') && !v.contains(u'\r') && !v.contains(u'\n')) return v;
    QString q = v;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

QString champEntete(const TGrandeur& g) {
    return champCsv(g.Unite.isEmpty() ? g.Symbole : g.Symbole + QStringLiteral(" (") + g.Unite + u')');
}

} // namespace

QString TexteValeurs(const Travail& t, const SessionTravail& session, int essai, int derniere) {
    QString s;
    if (essai < 1) {
        s.reserve(1 << 16);
        for (int k = 1; k <= NB_ESSAIS_MAX; ++k) {
            const TEssai& e = t.Essais[k];
            if (e.Entete.DernierPoint() < 0) continue;
            s += Textes().MotEssai + u' ' + QString::number(k) + u'\t' + e.Entete.Commentaire() + crlf;
            bloc(s, session, e, derniere);
        }
    } else if (essai <= NB_ESSAIS_MAX) {
        bloc(s, session, t.Essais[essai], derniere);
    }
    return s;
}

QString CsvValeurs(const Travail& t, const SessionTravail& session, int essai, int derniere) {
    QString s = champCsv(Textes().MotEssai);
    for (int c = 0; c <= derniere; ++c)
        s += u',' + champEntete(session.Colonnes[c]);
    s += crlf;
    for (int k = 1; k <= t.EnteteTravail.NbEssais && k <= NB_ESSAIS_MAX; ++k) {
        if (essai >= 1 && k != essai) continue;
        const TEssai& e = t.Essais[k];
        const int n = std::clamp(e.nbPoints(), 0, NB_POINTS_MAX);
        for (int j = 0; j < n; ++j) {
            s += QString::number(k);
            for (int c = 0; c <= derniere; ++c) {
                s += u',';
                AjouteTexteValeur(s, e.valeur(c, j), session.Colonnes[c].Decimales, u'.');
            }
            s += crlf;
        }
    }
    return s;
}

QString EnteteCsvMesures(const SessionTravail& session, std::span<const int> colonnes) {
    QStringList champs;
    for (int c : colonnes)
        champs << champEntete(session.Colonnes[c]);
    return champs.join(u',') + crlf;
}

QString LigneCsvMesures(const SessionTravail& session, const VecteurMesures& mesures,
                        std::span<const int> colonnes) {
    QString s;
    for (std::size_t i = 0; i < colonnes.size(); ++i) {
        const int c = colonnes[i];
        if (i > 0) s += u',';
        AjouteTexteValeur(s, mesures[c], session.Colonnes[c].Decimales, u'.');
    }
    return s + crlf;
}

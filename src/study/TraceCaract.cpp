#include "TraceCaract.h"

#include "graph/Couleurs.h"
#include "graph/Marqueurs.h"
#include "socle/Dialogues.h"
#include "socle/Textes.h"
#include "work/SessionTravail.h"

#include <QFontMetrics>
#include <QPainter>

std::array<QRect, 4> calculposition(int l, int t, int largeur, int hauteur, int nombre) {
    const int w = largeur / 2, h = hauteur / 2;
    std::array<QRect, 4> r{};
    switch (nombre) {
    case 1:
        r[0] = {l, t, largeur, hauteur};
        break;
    case 2:
        r = {QRect(l, t, w, hauteur), QRect(l + w, t, w, hauteur), QRect(), QRect()};
        break;
    case 3:
        r = {QRect(l, t, w, h), QRect(l, t + h, w, h), QRect(l + w, t, w, hauteur), QRect()};
        break;
    case 4:
        r = {QRect(l, t, w, h), QRect(l, t + h, w, h), QRect(l + w, t, w, h), QRect(l + w, t + h, w, h)};
        break;
    default:
        break;
    }
    return r;
}

bool Setcourbe(Travail& t, SessionTravail& s) {
    // Only a test the work counts is reused: a selection past the tests (a new work, the last test
    // deleted) would record points that no save writes.
    if (t.essaiValide(s.EssaiCourant) && t.EssaiConforme(s.EssaiCourant, s.ModeleEssai)) {
        TEnteteEssai& entete = t.Essais[s.EssaiCourant].Entete;
        // The points recorded so far are the test's, whatever the template says of them.
        const int32_t dernier = entete.DernierPoint();
        entete = s.ModeleEssai;
        entete.DernierPoint() = dernier;
        return true;
    }
    t.AjouteEssai(s);
    return false;
}

QString titreTraceCaract(int typeCharge, int typeMachine) {
    const auto& x = Textes().Texte;
    int titre = 0;
    switch (groupeMode(typeCharge)) {
    case GroupeMode::Acquisition:
        titre = 4;
        break;
    case GroupeMode::ChargeStatique:
        titre = 6;
        break;
    case GroupeMode::Oscilloscope:
        titre = 8;
        break;
    case GroupeMode::Inchange:
        return {};
    }
    const int machine = typeMachine >= 0 && typeMachine <= 7 ? typeMachine : 0;
    return x[titre] + " : " + x[txt::TypeMachineLong + machine] + x[txt::TypeChargeLong + typeCharge];
}

QSize tailleCopieCaract(int dpi) {
    return {dpi * 19000 / 2540, (dpi * 28000 / 2540) / 2};
}

MiseEnPage miseEnPageImpression(int largeurPage, int hauteurPage) {
    MiseEnPage m;
    m.largeur = largeurPage * 28 / 30;
    m.marge = largeurPage * 28 / 840;
    m.hauteur = std::min(hauteurPage, m.largeur);
    m.panneaux = QRect(m.marge, m.hauteur / 20, m.largeur, m.hauteur * 17 / 20);
    return m;
}

void imprimeEnTete(QPainter& p, QPaintDevice& imprimante, const Travail& t, const MiseEnPage& m) {
    QFont titre("arial");
    titre.setPointSize(12);
    p.setFont(titre);
    p.setPen(Qt::black);
    const QString texte = t.EnteteTravail.Commentaire.texte();
    const QFontMetrics mt(titre, &imprimante);
    p.drawText((m.largeur - mt.horizontalAdvance(texte)) / 2, mt.height(), texte);
    QFont legende("arial");
    legende.setPointSize(9);
    p.setFont(legende);
    const std::array<CouleurLegende, 5> couleurs = CouleursLegende();
    // Each test's marker before its name: the tests are told apart without their colours.
    const QFontMetrics ml(legende, &imprimante);
    const int b = DemiTailleMarqueur(imprimante.logicalDpiX());
    for (int k = 1; k <= t.EnteteTravail.NbEssais && k <= NB_ESSAIS_MAX; ++k) {
        p.setPen(couleurs[k - 1].marqueur);
        p.setBrush(Qt::NoBrush);
        StyleMarqueur(p);
        TraceMarqueur(p, k, b, QPoint(m.legendeX(k) - 2 * b - 2, m.legendeY() - ml.ascent() / 3));
        p.setPen(couleurs[k - 1].nom);
        p.drawText(m.legendeX(k), m.legendeY(), Textes().MotEssai + " " + QString::number(k));
        p.drawText(m.legendeX(k), m.commentaireY(), t.Essais[k].Entete.Commentaire());
    }
}

// The wiring diagrams: the supply of the machine under study, the bench's voltage and current
// inputs, the machine coupled through the torque and speed sensor to the load machine, the active
// load drive with its function inputs, and the link to the computer.
#include "Documents.h"
#include "commun/DocumentsAide.h"

#include <QDir>
#include <QFileInfo>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace {

using page::T3;

const QColor encre(30, 34, 40);
const QColor puissance(176, 40, 36); // power wiring
const QColor mesure(30, 110, 60);    // measurement wiring
const QColor commande(30, 84, 150);  // control and signals
const QColor fondBoite(246, 248, 251);
const QColor teinte(70, 90, 120);

enum class Source {
    InduitExcitation,
    Serie,
    Triphase,
    TriphaseExcitation,
    VariateurCC,
    VariateurAC3,
    VariateurAC1
};

struct Machine {
    Source source;
    T3 titre;
    T3 remarque; // what is particular to this machine
};

const Machine machines[NB_MACHINES_CABLAGE] = {
    {Source::InduitExcitation,
     {"Machine à courant continu à excitation indépendante", "DC machine with separate excitation",
      "Máquina de corriente continua con excitación independiente"},
     {"Établir l'excitation avant l'induit et ne jamais la couper en marche : la machine s'emballerait.",
      "Set up the excitation before the armature and never cut it while running: the machine would race.",
      "Establecer la excitación antes del inducido y no cortarla nunca en marcha: la máquina se "
      "embalaría."}},
    {Source::Serie,
     {"Machine à courant continu à excitation série", "DC machine with series excitation",
      "Máquina de corriente continua con excitación serie"},
     {"Ne jamais alimenter la machine série sans charge : mettre la charge active en marche avant "
      "d'augmenter "
      "la tension.",
      "Never supply the series machine without a load: start the active load before raising the voltage.",
      "No alimentar nunca la máquina serie sin carga: poner en marcha la carga activa antes de subir la "
      "tensión."}},
    {Source::Triphase,
     {"Machine asynchrone triphasée", "Three-phase asynchronous machine", "Máquina asíncrona trifásica"},
     {"Coupler le stator en étoile ou en triangle d'après la plaque signalétique et la tension du réseau, "
      "et indiquer ce couplage dans Vimra (Etoile / Triangle).",
      "Connect the stator in star or delta after the rating plate and the supply voltage, and give this "
      "coupling in Vimra (Star / Delta).",
      "Conectar el estátor en estrella o en triángulo según la placa de características y la tensión de "
      "red, e indicar esta conexión en Vimra (Estrella / Triángulo)."}},
    {Source::TriphaseExcitation,
     {"Machine synchrone triphasée", "Three-phase synchronous machine", "Máquina síncrona trifásica"},
     {"Coupler le stator en étoile ou en triangle et l'indiquer dans Vimra ; régler le courant d'excitation "
      "une fois la machine accrochée au réseau.",
      "Connect the stator in star or delta and give it in Vimra; set the excitation current once the "
      "machine is locked to the network.",
      "Conectar el estátor en estrella o triángulo e indicarlo en Vimra; ajustar la corriente de "
      "excitación una vez la máquina enganchada a la red."}},
    {Source::VariateurCC,
     {"Motovariateur alimenté en continu", "DC-supplied motor drive", "Motovariador alimentado en continua"},
     {"La tension et le courant sont mesurés à l'entrée du variateur de la machine étudiée : le rendement "
      "relevé est celui de l'ensemble variateur + moteur.",
      "Voltage and current are measured at the input of the drive of the machine under study: the "
      "efficiency found is that of drive and motor together.",
      "La tensión y la corriente se miden a la entrada del variador de la máquina estudiada: el "
      "rendimiento obtenido es el del conjunto variador + motor."}},
    {Source::VariateurAC3,
     {"Motovariateur alimenté en triphasé", "Three-phase-supplied motor drive",
      "Motovariador alimentado en trifásico"},
     {"La tension et le courant sont mesurés à l'entrée du variateur de la machine étudiée (phase L1) : le "
      "rendement relevé est celui de l'ensemble variateur + moteur.",
      "Voltage and current are measured at the input of the drive of the machine under study (phase L1): "
      "the efficiency found is that of drive and motor together.",
      "La tensión y la corriente se miden a la entrada del variador de la máquina estudiada (fase L1): el "
      "rendimiento obtenido es el del conjunto variador + motor."}},
    {Source::VariateurAC1,
     {"Motovariateur alimenté en monophasé", "Single-phase-supplied motor drive",
      "Motovariador alimentado en monofásico"},
     {"La tension et le courant sont mesurés à l'entrée du variateur de la machine étudiée : le rendement "
      "relevé est celui de l'ensemble variateur + moteur.",
      "Voltage and current are measured at the input of the drive of the machine under study: the "
      "efficiency found is that of drive and motor together.",
      "La tensión y la corriente se miden a la entrada del variador de la máquina estudiada: el "
      "rendimiento obtenido es el del conjunto variador + motor."}},
};

// Drawing pieces, in points.
void fil(QPainter& p, const QPolygonF& trajet, const QColor& c, bool pointilles = false, double e = 1.4) {
    p.save();
    QPen crayon(c, e);
    crayon.setJoinStyle(Qt::RoundJoin);
    if (pointilles) crayon.setStyle(Qt::DashLine);
    p.setPen(crayon);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(trajet);
    p.restore();
}

void borne(QPainter& p, const QPointF& c, const QString& nom, Qt::Alignment cote = Qt::AlignLeft) {
    p.save();
    p.setPen(QPen(encre, 0.9));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 2.6, 2.6);
    p.setFont(page::police(7));
    const QRectF r = cote == Qt::AlignLeft    ? QRectF(c.x() - 44, c.y() - 7, 40, 14)
                     : cote == Qt::AlignRight ? QRectF(c.x() + 4, c.y() - 7, 40, 14)
                     : cote == Qt::AlignTop   ? QRectF(c.x() - 20, c.y() - 16, 40, 12)
                                              : QRectF(c.x() - 20, c.y() + 4, 40, 12);
    const int a = cote == Qt::AlignLeft    ? Qt::AlignRight | Qt::AlignVCenter
                  : cote == Qt::AlignRight ? Qt::AlignLeft | Qt::AlignVCenter
                                           : Qt::AlignCenter;
    p.drawText(r, a, nom);
    p.restore();
}

void boite(QPainter& p, const QRectF& r, const QString& titre, const QColor& c = teinte) {
    p.save();
    p.setPen(QPen(c, 1.2));
    p.setBrush(fondBoite);
    p.drawRoundedRect(r, 5, 5);
    p.setPen(c);
    p.setFont(page::police(8, true));
    p.drawText(r.adjusted(6, 4, -6, -4), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, titre);
    p.restore();
}

// A machine: a circle with its symbol.
void machine(QPainter& p, const QPointF& c, double r, const QString& symbole, const QString& nom) {
    p.save();
    p.setPen(QPen(encre, 1.6));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.setFont(page::police(15, true));
    p.drawText(QRectF(c.x() - r, c.y() - r * 0.75, 2 * r, r), Qt::AlignCenter, "M");
    p.setFont(page::police(9));
    p.drawText(QRectF(c.x() - r, c.y() + r * 0.05, 2 * r, r * 0.6), Qt::AlignCenter, symbole);
    p.setFont(page::police(8, true));
    p.drawText(QRectF(c.x() - 70, c.y() - r - 16, 140, 14), Qt::AlignHCenter | Qt::AlignBottom, nom);
    p.restore();
}

// A measuring instrument in a line: a small circle with its letter.
void appareil(QPainter& p, const QPointF& c, const QString& lettre) {
    p.save();
    p.setPen(QPen(mesure, 1.3));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 9, 9);
    p.setFont(page::police(9, true));
    p.drawText(QRectF(c.x() - 9, c.y() - 9, 18, 18), Qt::AlignCenter, lettre);
    p.restore();
}

void texte(QPainter& p, const QRectF& r, const QString& t, double taille = 7.5, const QColor& c = encre,
           int a = Qt::AlignLeft | Qt::AlignTop, bool gras = false) {
    p.save();
    p.setPen(c);
    p.setFont(page::police(taille, gras));
    p.drawText(r, a | Qt::TextWordWrap, t);
    p.restore();
}

void ecritSchema(const QString& chemin, const Machine& m, int l) {
    page::Document d(chemin, m.titre(l), true);
    QPainter& p = d.p();
    const double W = d.largeur(), H = d.hauteur();
    page::bandeau(p, W,
                  T3{"VIMRA · SCHÉMA DE CÂBLAGE", "VIMRA · WIRING DIAGRAM", "VIMRA · ESQUEMA DE CABLEADO"}(l),
                  m.titre(l), QColor(150, 50, 40));

    const bool variateur = m.source == Source::VariateurCC || m.source == Source::VariateurAC3 ||
                           m.source == Source::VariateurAC1;
    // Conductors of the supply of the machine under study (the first one carries the ammeter) and
    // the terminals they reach.
    QStringList conducteurs, bornesMachine;
    QString sourceTitre, symbole = "3~";
    switch (m.source) {
    case Source::InduitExcitation:
        conducteurs = {"+", "−"};
        bornesMachine = {"A1", "A2"};
        sourceTitre = T3{"Alimentation d'induit 0 – 220 V continu", "Armature supply 0 – 220 V DC",
                         "Alimentación de inducido 0 – 220 V continua"}(l);
        symbole = "=";
        break;
    case Source::Serie:
        conducteurs = {"+", "−"};
        bornesMachine = {"A1", "D2"};
        sourceTitre = T3{"Alimentation continue 0 – 220 V", "DC supply 0 – 220 V",
                         "Alimentación continua 0 – 220 V"}(l);
        symbole = "=";
        break;
    case Source::Triphase:
    case Source::TriphaseExcitation:
        conducteurs = {"L1", "L2", "L3"};
        bornesMachine = {"U1", "V1", "W1"};
        sourceTitre = T3{"Réseau triphasé 3 × 400 V ou autotransformateur",
                         "Three-phase network 3 × 400 V or autotransformer",
                         "Red trifásica 3 × 400 V o autotransformador"}(l);
        break;
    case Source::VariateurCC:
        conducteurs = {"+", "−"};
        sourceTitre = T3{"Alimentation continue du variateur", "DC supply of the drive",
                         "Alimentación continua del variador"}(l);
        break;
    case Source::VariateurAC3:
        conducteurs = {"L1", "L2", "L3"};
        sourceTitre =
            T3{"Réseau triphasé 3 × 400 V", "Three-phase network 3 × 400 V", "Red trifásica 3 × 400 V"}(l);
        break;
    case Source::VariateurAC1:
        conducteurs = {"L", "N"};
        sourceTitre = T3{"Réseau monophasé 230 V", "Single-phase network 230 V", "Red monofásica 230 V"}(l);
        break;
    }
    if (variateur) bornesMachine = conducteurs;
    const int n = int(conducteurs.size());

    // Top row: supply, bench measurement inputs, the machine under study, the sensor, the load machine.
    const double yHaut = 132, pas = 26;
    const auto yConducteur = [&](int i) { return yHaut + 12 + i * pas; };
    const QRectF source(36, yHaut - 30, 118, 50 + pas * n);
    boite(p, source, sourceTitre, puissance);
    const QRectF blocMesure(196, yHaut - 30, 150, 72 + pas * n);
    boite(p, blocMesure,
          T3{"Entrées de mesure du banc", "Bench measurement inputs", "Entradas de medida del banco"}(l),
          mesure);
    const QPointF centreMachine(variateur ? 540 : 470, yConducteur(0) + pas * (n - 1) / 2.0);
    const double r = 36;
    const QPointF capteur(centreMachine.x() + 94, centreMachine.y());
    const QPointF charge(variateur ? 740 : 700, centreMachine.y());

    // Where the supply conductors end: the machine's terminal strip, or its own drive.
    const double xBornier = variateur ? 392 : centreMachine.x() - r - 40;
    if (variateur) {
        const QRectF var(392, yHaut - 20, 80, 28 + pas * n);
        boite(p, var,
              T3{"Variateur de la machine étudiée", "Drive of the machine under study",
                 "Variador de la máquina estudiada"}(l),
              teinte);
        for (int i = 0; i < 3; ++i) {
            const double y = centreMachine.y() + (i - 1) * 14;
            fil(p,
                {QPointF(var.right(), y),
                 QPointF(centreMachine.x() -
                             std::sqrt(r * r - (y - centreMachine.y()) * (y - centreMachine.y())),
                         y)},
                puissance);
            borne(p, QPointF(var.right(), y), QStringList{"U", "V", "W"}[i], Qt::AlignRight);
        }
    }
    for (int i = 0; i < n; ++i) {
        const double y = yConducteur(i);
        const QPointF depart(source.right(), y);
        const double xa = blocMesure.left() + 48;
        if (i == 0) {
            fil(p, {depart, QPointF(xa - 9, y)}, puissance);
            fil(p, {QPointF(xa + 9, y), QPointF(xBornier, y)}, puissance);
            appareil(p, QPointF(xa, y), "A");
        } else {
            fil(p, {depart, QPointF(xBornier, y)}, puissance);
        }
        borne(p, depart, conducteurs[i], Qt::AlignLeft);
        if (!variateur) {
            // Into the machine's side, level with its terminal.
            const double dy = std::clamp(y - centreMachine.y(), -r * 0.8, r * 0.8);
            const QPointF entree(centreMachine.x() - std::sqrt(r * r - dy * dy), centreMachine.y() + dy);
            fil(p, {QPointF(xBornier, y), QPointF(xBornier + 16, y), entree}, puissance);
        }
        borne(p, QPointF(xBornier, y), bornesMachine[i], Qt::AlignTop);
    }
    // Voltmeter across the first two conductors.
    {
        const double y1 = yConducteur(0), y2 = yConducteur(1), xv = blocMesure.left() + 104;
        fil(p, {QPointF(xv, y1), QPointF(xv, (y1 + y2) / 2 - 9)}, mesure);
        fil(p, {QPointF(xv, (y1 + y2) / 2 + 9), QPointF(xv, y2)}, mesure);
        appareil(p, QPointF(xv, (y1 + y2) / 2), "V");
        p.save();
        p.setBrush(mesure);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(xv, y1), 2.2, 2.2);
        p.drawEllipse(QPointF(xv, y2), 2.2, 2.2);
        p.restore();
    }
    texte(p, QRectF(blocMesure.left() + 6, blocMesure.bottom() - 30, blocMesure.width() - 12, 28),
          T3{"A : entrée courant, calibre 2 A ou 20 A\nV : entrée tension",
             "A: current input, 2 A or 20 A range\nV: voltage input",
             "A: entrada de corriente, calibre 2 A o 20 A\nV: entrada de tensión"}(l),
          7, mesure);
    // Separate excitation supplies, into the bottom of the machine.
    if (m.source == Source::InduitExcitation || m.source == Source::TriphaseExcitation) {
        const double y0 = std::max(blocMesure.bottom(), centreMachine.y() + r + 30) + 16;
        const QRectF exc(36, y0, 118, 50);
        boite(p, exc,
              T3{"Alimentation d'excitation continue", "Excitation supply (DC)",
                 "Alimentación de excitación continua"}(l),
              puissance);
        const bool dc = m.source == Source::InduitExcitation;
        const QStringList b = dc ? QStringList{"E1", "E2"} : QStringList{"F1", "F2"};
        for (int i = 0; i < 2; ++i) {
            const double y = y0 + 30 + i * 12, x = centreMachine.x() - 8 + i * 16;
            const double yb =
                centreMachine.y() + std::sqrt(r * r - (x - centreMachine.x()) * (x - centreMachine.x()));
            fil(p, {QPointF(exc.right(), y), QPointF(x, y), QPointF(x, yb)}, puissance);
            borne(p, QPointF(exc.right(), y), i == 0 ? "+" : "−", Qt::AlignLeft);
            borne(p, QPointF(x, y0 - 2 + i * 0), b[i], Qt::AlignRight);
        }
    }
    if (m.source == Source::Serie)
        texte(p, QRectF(centreMachine.x() - 80, centreMachine.y() + r + 6, 160, 24),
              T3{"induit A1-A2 en série avec l'inducteur D1-D2", "armature A1-A2 in series with field D1-D2",
                 "inducido A1-A2 en serie con el inductor D1-D2"}(l),
              7, encre, Qt::AlignHCenter);

    p.save();
    p.setPen(QPen(encre, 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(centreMachine + QPointF(r, 0), charge - QPointF(r, 0));
    p.restore();
    machine(p, centreMachine, r, symbole,
            T3{"Machine étudiée", "Machine under study", "Máquina estudiada"}(l));
    boite(p, QRectF(capteur.x() - 20, capteur.y() - 18, 40, 36), "C / n", commande);
    machine(p, charge, r, "3~", T3{"Machine de charge", "Load machine", "Máquina de carga"}(l));

    // The active load drive under the load machine.
    const QRectF drive(charge.x() - 100, 300, 180, 100);
    boite(p, drive, T3{"Variateur de charge active", "Active load drive", "Variador de carga activa"}(l),
          commande);
    for (int i = 0; i < 3; ++i) {
        const double x = charge.x() - 22 + i * 22;
        const double yb = charge.y() + std::sqrt(r * r - (x - charge.x()) * (x - charge.x()));
        fil(p, {QPointF(x, drive.top()), QPointF(x, yb)}, puissance);
        borne(p, QPointF(x, drive.top()), QStringList{"U", "V", "W"}[i], Qt::AlignRight);
    }
    // Its own supply.
    const double xr = drive.right() - 14;
    fil(p, {QPointF(xr, drive.top()), QPointF(xr, drive.top() - 40)}, puissance);
    borne(p, QPointF(xr, drive.top() - 40), "", Qt::AlignTop);
    texte(p, QRectF(xr - 84, drive.top() - 50, 80, 20),
          T3{"réseau 3 × 400 V", "3 × 400 V network", "red 3 × 400 V"}(l), 7, puissance, Qt::AlignRight);
    // The torque and speed measurement.
    fil(p,
        {QPointF(capteur.x(), capteur.y() + 18), QPointF(capteur.x(), drive.top() + 50),
         QPointF(drive.left(), drive.top() + 50)},
        commande, true);
    texte(
        p, QRectF(capteur.x() + 6, drive.top() - 84, charge.x() - 30 - capteur.x(), 24),
        T3{"mesure de couple et de vitesse", "torque and speed measurement", "medida de par y velocidad"}(l),
        7, commande);

    // Function inputs, wired into the automation of the machine under study.
    const QRectF automate(36, 318, 210, 74);
    boite(p, automate,
          T3{"Automatisme de commande du moteur étudié", "Control automation of the motor under study",
             "Automatismo de control del motor estudiado"}(l),
          teinte);
    const QStringList entrees = {"EF1", "EF2", "0 V"};
    const QStringList roles =
        T3{"marche avant / montée\nmarche arrière / descente\ncommun", "forward / up\nreverse / down\ncommon",
           "marcha adelante / subida\nmarcha atrás / bajada\ncomún"}(l)
            .split('\n');
    for (int i = 0; i < 3; ++i) {
        const double y = automate.top() + 34 + i * 14;
        texte(p, QRectF(automate.left() + 8, y - 6, automate.width() - 16, 12), roles[i], 7);
        fil(p, {QPointF(automate.right(), y), QPointF(drive.left(), y + 10)}, commande);
        borne(p, QPointF(automate.right(), y), "", Qt::AlignTop);
        borne(p, QPointF(drive.left(), y + 10), entrees[i], Qt::AlignRight);
    }
    texte(p, QRectF(automate.right() + 10, automate.top() + 4, drive.left() - automate.right() - 20, 14),
          T3{"bornes « ENTREE FONCTION » du variateur",
             "drive's \"ENTREE FONCTION\" (function input) terminals",
             "bornas «ENTRADA FUNCIÓN» del variador"}(l),
          7.5, commande, Qt::AlignLeft, true);

    // Link to the computer.
    const QRectF pc(drive.left() + 30, 436, 120, 30);
    boite(p, pc, T3{"Ordinateur : Vimra", "Computer: Vimra", "Ordenador: Vimra"}(l), commande);
    fil(p, {QPointF(pc.center().x(), drive.bottom()), QPointF(pc.center().x(), pc.top())}, commande, true,
        1.6);
    texte(
        p, QRectF(pc.center().x() + 6, drive.bottom() + 6, 130, 28),
        T3{"liaison série Modbus ou réseau", "Modbus serial link or network", "enlace serie Modbus o red"}(l),
        7, commande);

    // Notes.
    const QStringList notes = {
        T3{"Câbler hors tension ; vérifier l'arrêt d'urgence du banc avant la mise sous tension.",
           "Wire with the power off; check the bench's emergency stop before switching on.",
           "Cablear sin tensión; comprobar la parada de emergencia del banco antes de conectar."}(l),
        m.remarque(l),
        T3{"Choisir le calibre de courant (2 A ou 20 A) avant de démarrer ; l'indiquer dans Vimra.",
           "Choose the current range (2 A or 20 A) before starting; give it in Vimra.",
           "Elegir el calibre de corriente (2 A o 20 A) antes de arrancar; indicarlo en Vimra."}(l),
        T3{"Pour les charges qui le demandent (levage, positionnement, convoyeurs, coupe), câbler les bornes "
           "« ENTREE FONCTION » dans l'automatisme : Vimra le rappelle par un avertissement.",
           "For the loads that need them (lifting, positioning, conveyors, cutting), wire the \"ENTREE "
           "FONCTION\" terminals into the automation: Vimra reminds you with a warning.",
           "Para las cargas que lo piden (elevación, posicionamiento, transportadores, corte), cablear las "
           "bornas «ENTRADA FUNCIÓN» en el automatismo: Vimra lo recuerda con un aviso."}(l)};
    double y = 408;
    const double xn = 36, ln = drive.left() - 30 - xn;
    texte(p, QRectF(xn, y, ln, 14), T3{"À retenir", "Remember", "Recordar"}(l), 9, QColor(150, 50, 40),
          Qt::AlignLeft, true);
    y += 15;
    for (int i = 0; i < notes.size(); ++i) {
        const QString t = QString("%1. %2").arg(i + 1).arg(notes[i]);
        texte(p, QRectF(xn, y, ln, 40), t, 7.5);
        y += QFontMetricsF(page::police(7.5), p.device())
                 .boundingRect(QRectF(0, 0, ln, 200), Qt::TextWordWrap, t)
                 .height() +
             3;
    }
    // Legend, one row under the notes.
    const std::pair<QColor, T3> legende[] = {
        {puissance, {"puissance", "power", "potencia"}},
        {mesure, {"mesure", "measurement", "medida"}},
        {commande, {"commande et signaux", "control and signals", "mando y señales"}}};
    const double yl = std::max(y + 8, 536.0);
    for (int i = 0; i < 3; ++i) {
        const double xl = xn + i * 120;
        fil(p, {QPointF(xl, yl), QPointF(xl + 22, yl)}, legende[i].first, false, 2);
        texte(p, QRectF(xl + 28, yl - 6, 90, 12), legende[i].second(l), 7.5);
    }
    page::pied(p, W, H, QString("Vimra 1.7 · %1").arg(m.titre(l)), QFileInfo(chemin).fileName());
    if (!d.fin()) throw std::runtime_error(("cannot write " + chemin).toStdString());
}

} // namespace

void ecritSchemas(const QString& dossier) {
    for (int l = 1; l <= 3; ++l) {
        const QString d = DossierCablageLangue(dossier, l);
        if (!QDir().mkpath(d)) throw std::runtime_error(("cannot create " + d).toStdString());
        for (int type = 1; type <= NB_MACHINES_CABLAGE; ++type) {
            const QString chemin = CheminDocument(d, SchemaCablage(type, l));
            ecritSchema(chemin, machines[type - 1], l);
            std::printf("wrote %s (%lld bytes)\n", qPrintable(chemin),
                        static_cast<long long>(QFileInfo(chemin).size()));
        }
    }
}

// The panel's characteristic on the clipboard, as a picture and as values, and on a printed page.
#include "CaractMachine.h"
#include "work/EtatEtude.h"

#include "CaractTravail.h"
#include "work/Travail.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

void TCaractMachine::dessineCaract(TGraphe& g) {
    cfgaxe(g);
    g.Dispose();
    g.TraceCadre();
    for (int k = 1; k <= NB_ESSAIS_MAX; ++k) {
        if (m_travail.Essais[k].Entete.DernierPoint() < 0) continue;
        RemplitCourbe(*m_courbe, m_travail, m_n, k, m_etat.AcquisitionEnCours);
        g.TraceCourbe(*m_courbe);
    }
}

void TCaractMachine::Copiercaract() {
    // 19 cm x 14 cm at the screen's resolution.
    const int ppi = PaintBox1->logicalDpiX();
    const int w = ppi * 19000 / 2540;
    const int h = (ppi * 28000 / 2540) / 2;
    auto dessine = [&](QPainter& p) {
        p.setClipRect(0, 0, w, h);
        m_graphePressePapiers.Surface = &p;
        m_graphePressePapiers.Cadre = {0, 0, w, h};
        m_graphePressePapiers.setSchemaCouleurs(0);
        m_graphePressePapiers.NomPolice = QStringLiteral("Arial");
        m_graphePressePapiers.TaillePolice = 0;
        dessineCaract(m_graphePressePapiers);
        m_graphePressePapiers.Surface = nullptr;
    };

    // A vector picture for the programs that take one, and the same drawing as pixels beside it.
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generateur;
        generateur.setOutputDevice(&svg);
        generateur.setSize(QSize(w, h));
        generateur.setViewBox(QRect(0, 0, w, h));
        generateur.setResolution(ppi);
        generateur.setTitle(TextCaract->text());
        QPainter p(&generateur);
        dessine(p);
    }
    QImage image(w, h, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(ppi / 0.0254));
    image.setDotsPerMeterY(qRound(ppi / 0.0254));
    {
        QPainter p(&image);
        dessine(p);
    }
    auto* donnees = new QMimeData;
    donnees->setData(QStringLiteral("image/svg+xml"), svg.data());
    donnees->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(donnees);
}

void TCaractMachine::Imprimercaract() {
    if (!GrapheImprimante.Surface) return;
    dessineCaract(GrapheImprimante);
}

void TCaractMachine::imprimeDans(QPainter& p, const QRect& r, int taillePolice) {
    p.save();
    p.setClipRect(r);
    GrapheImprimante.Surface = &p;
    GrapheImprimante.Cadre = {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    GrapheImprimante.NomPolice = QStringLiteral("arial");
    GrapheImprimante.TaillePolice = taillePolice;
    Imprimercaract();
    GrapheImprimante.Surface = nullptr;
    p.restore();
}

void TCaractMachine::CopierValeurs() {
    QGuiApplication::clipboard()->setText(TexteValeursCaract(m_travail, m_session, m_n));
}

#include "Documents.h"

#include <QPageLayout>
#include <QPageSize>

#include <stdexcept>

namespace page {

QString T3::operator()(int langue) const {
    return QString::fromUtf8(langue == 2 ? en : langue == 3 ? es : fr);
}

Document::Document(const QString& chemin, const QString& titre, bool paysage)
    : m_ecrivain(std::make_unique<QPdfWriter>(chemin)) {
    m_ecrivain->setCreator(QStringLiteral("Vimra 1.7"));
    m_ecrivain->setTitle(titre);
    m_ecrivain->setResolution(72);
    m_ecrivain->setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                          paysage ? QPageLayout::Landscape : QPageLayout::Portrait,
                                          QMarginsF(0, 0, 0, 0)));
    if (!m_p.begin(m_ecrivain.get())) throw std::runtime_error(("cannot write " + chemin).toStdString());
    m_p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = m_ecrivain->pageLayout().fullRectPoints();
    m_largeur = r.width();
    m_hauteur = r.height();
}

Document::~Document() {
    if (m_p.isActive()) m_p.end();
}

void Document::nouvellePage() {
    m_ecrivain->newPage();
}

bool Document::fin() {
    return m_p.end();
}

QFont police(double points, bool gras, bool italique) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(points);
    f.setBold(gras);
    f.setItalic(italique);
    return f;
}

double paragraphe(QPainter& p, const QRectF& r, const QString& texte, const QFont& f, const QColor& c,
                  int alignement) {
    p.save();
    p.setFont(f);
    p.setPen(c);
    QRectF utilise;
    p.drawText(QRectF(r.x(), r.y(), r.width(), 2000), alignement | Qt::AlignTop | Qt::TextWordWrap, texte,
               &utilise);
    p.restore();
    return utilise.height();
}

double bandeau(QPainter& p, double largeur, const QString& surTitre, const QString& titre,
               const QColor& couleur) {
    const double h = 74;
    p.save();
    QLinearGradient g(0, 0, largeur, 0);
    g.setColorAt(0, couleur);
    g.setColorAt(1, couleur.lighter(135));
    p.fillRect(QRectF(0, 0, largeur, h), g);
    p.setPen(Qt::white);
    p.setFont(police(10, true));
    p.drawText(QRectF(36, 14, largeur - 72, 16), Qt::AlignLeft | Qt::AlignVCenter, surTitre);
    p.setFont(police(21, true));
    p.drawText(QRectF(36, 32, largeur - 72, 32), Qt::AlignLeft | Qt::AlignVCenter, titre);
    p.restore();
    return h;
}

void pied(QPainter& p, double largeur, double hauteur, const QString& gauche, const QString& droite) {
    p.save();
    p.setPen(QPen(QColor(150, 156, 164), 0.6));
    p.drawLine(QPointF(36, hauteur - 34), QPointF(largeur - 36, hauteur - 34));
    p.setFont(police(7.5));
    p.setPen(QColor(100, 106, 114));
    p.drawText(QRectF(36, hauteur - 30, largeur - 72, 14), Qt::AlignLeft | Qt::AlignVCenter, gauche);
    p.drawText(QRectF(36, hauteur - 30, largeur - 72, 14), Qt::AlignRight | Qt::AlignVCenter, droite);
    p.restore();
}

double intertitre(QPainter& p, double x, double y, double largeur, const QString& texte, const QColor& c) {
    p.save();
    p.setFont(police(12, true));
    p.setPen(c);
    p.drawText(QRectF(x, y, largeur, 18), Qt::AlignLeft | Qt::AlignVCenter, texte);
    p.setPen(QPen(c, 0.8));
    p.drawLine(QPointF(x, y + 19), QPointF(x + largeur, y + 19));
    p.restore();
    return 26;
}

} // namespace page

void ecritFiches(const QString& dossier);
void ecritSchemas(const QString& dossier);

void ecritDocuments(const QString& dossier) {
    ecritFiches(dossier);
    ecritSchemas(dossier);
}

#include "Documents.h"

#include <QDateTime>
#include <QPageLayout>
#include <QPageSize>
#include <QRegularExpression>
#include <QSaveFile>

#include <stdexcept>

namespace page {

QString T3::operator()(int langue) const {
    return QString::fromUtf8(langue == 2 ? en : langue == 3 ? es : fr);
}

namespace {

// The documents are made again by `make donnees`: the same sources must give the same bytes, so the
// creation date Qt writes (the time of the run, in UTC: main sets TZ) becomes SOURCE_DATE_EPOCH's
// or a fixed one. Same length: the cross-reference offsets stay right.
QByteArray dateFixe(QByteArray pdf) {
    const qint64 epoque = qEnvironmentVariableIsSet("SOURCE_DATE_EPOCH")
                              ? qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong()
                              : QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    const QByteArray date =
        QDateTime::fromSecsSinceEpoch(epoque, Qt::UTC).toString("yyyyMMddhhmmss").toLatin1();
    static const QRegularExpression creation(QStringLiteral("/CreationDate \\(D:(\\d{14})Z\\)"));
    const QRegularExpressionMatch m = creation.match(QString::fromLatin1(pdf));
    if (m.hasMatch()) pdf.replace(m.capturedStart(1), 14, date);
    return pdf;
}

} // namespace

Document::Document(const QString& chemin, const QString& titre, bool paysage)
    : m_chemin(chemin), m_ecrivain(std::make_unique<QPdfWriter>(&m_tampon)) {
    m_tampon.open(QIODevice::WriteOnly);
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
    if (!m_p.end()) return false;
    QSaveFile f(m_chemin);
    return f.open(QIODevice::WriteOnly) && f.write(dateFixe(m_tampon.data())) == m_tampon.size() &&
           f.commit();
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

#pragma once
// The help documents delivered beside the program: one sheet per application and language, and one
// wiring diagram per machine type in the folder of each language. Vector pages (QPdfWriter).

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <memory>

// Writes every sheet and diagram under `dossier`; prints what it wrote. Throws std::runtime_error.
void ecritDocuments(const QString& dossier);

namespace page {

// One of three spellings, French, English, Spanish.
struct T3 {
    const char* fr;
    const char* en;
    const char* es;
    QString operator()(int langue) const;
};

// A PDF file being written, in points (1/72 in), origin at the top left of the paper.
class Document {
public:
    Document(const QString& chemin, const QString& titre, bool paysage);
    ~Document();
    QPainter& p() { return m_p; }
    double largeur() const { return m_largeur; }
    double hauteur() const { return m_hauteur; }
    void nouvellePage();
    bool fin(); // false when the file could not be written

private:
    QString m_chemin;
    QBuffer m_tampon; // the document is written whole, its date made fixed, then saved
    std::unique_ptr<QPdfWriter> m_ecrivain;
    QPainter m_p;
    double m_largeur, m_hauteur;
};

QFont police(double points, bool gras = false, bool italique = false);
// Text wrapped into the width of `r` from its top; returns the height used.
double paragraphe(QPainter& p, const QRectF& r, const QString& texte, const QFont& f,
                  const QColor& c = QColor(30, 34, 40), int alignement = Qt::AlignLeft);
// The coloured band at the top of a page with a title and a subtitle; returns its bottom.
double bandeau(QPainter& p, double largeur, const QString& surTitre, const QString& titre,
               const QColor& couleur);
// The footer line at the bottom of a page.
void pied(QPainter& p, double largeur, double hauteur, const QString& gauche, const QString& droite);
// A section heading with a rule; returns the height used.
double intertitre(QPainter& p, double x, double y, double largeur, const QString& texte, const QColor& c);

} // namespace page

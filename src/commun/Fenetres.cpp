#include "Fenetres.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

FenetreVide::FenetreVide(const QString& nom, QWidget* menu) : m_nom(nom), m_menu(menu) {
    setObjectName(nom);
    setWindowTitle(nom);
    resize(480, 240);
    auto* l = new QVBoxLayout(this);
    auto* t = new QLabel(QStringLiteral("%1\n\nCette fenêtre n'est pas encore construite.").arg(nom), this);
    t->setAlignment(Qt::AlignCenter);
    l->addWidget(t);
}

// Escape and the close box end here as well as a close.
void FenetreVide::done(int resultat) {
    if (m_menu && !isModal()) m_menu->show();
    QDialog::done(resultat);
}

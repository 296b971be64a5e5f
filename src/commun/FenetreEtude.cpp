#include "FenetreEtude.h"

#include "socle/Aide.h"

#include <QVBoxLayout>

FenetreEtude::FenetreEtude(QWidget* parent, const char* nom, QSize minimum, int contexteAide)
    : QMainWindow(parent) {
    setObjectName(nom);
    setProperty(aide::Propriete, contexteAide);
    setMinimumSize(minimum);
}

QVBoxLayout* FenetreEtude::colonneCentrale(int marge) {
    auto* centre = new QWidget(this);
    setCentralWidget(centre);
    auto* colonne = new QVBoxLayout(centre);
    colonne->setContentsMargins(marge, marge, marge, marge);
    colonne->setSpacing(marge);
    return colonne;
}

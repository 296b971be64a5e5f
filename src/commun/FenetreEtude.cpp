#include "FenetreEtude.h"

#include "socle/Aide.h"

#include <QEvent>
#include <QVBoxLayout>

FenetreEtude::FenetreEtude(QWidget* parent, const char* nom, QSize minimum, int contexteAide,
                           Travail& travail, SessionTravail& session)
    : QMainWindow(parent), MenuFichier(travail, session, m_etat), EssaisEtude(travail, session),
      m_travail(travail), m_session(session), m_minimum(minimum) {
    setObjectName(nom);
    setProperty(aide::Propriete, contexteAide);
    setMinimumSize(minimum);
}

bool FenetreEtude::event(QEvent* e) {
    const bool traite = QMainWindow::event(e);
    // Only while shown: before, every mode bar is still laid out side by side.
    if ((e->type() == QEvent::Show || e->type() == QEvent::LayoutRequest) && isVisible() && layout())
        setMinimumSize(m_minimum.expandedTo(layout()->minimumSize()));
    return traite;
}

QVBoxLayout* FenetreEtude::colonneCentrale(int marge) {
    auto* centre = new QWidget(this);
    setCentralWidget(centre);
    auto* colonne = new QVBoxLayout(centre);
    colonne->setContentsMargins(marge, marge, marge, marge);
    colonne->setSpacing(marge);
    return colonne;
}

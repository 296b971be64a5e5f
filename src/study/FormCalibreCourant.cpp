#include "FormCalibreCourant.h"

#include "BoutonsCalibre.h"
#include "TriPoints.h"
#include "socle/Aide.h"
#include "socle/Textes.h"
#include "work/Travail.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TFormCalibreCourant::TFormCalibreCourant(Travail& travail, SessionTravail& session, QWidget* parent)
    : QDialog(parent), m_travail(travail), m_session(session) {
    setObjectName("FormCalibreCourant");
    setProperty(aide::Propriete, aide::CalibreCourant);
    setModal(true);

    const BoutonsCalibre b = creeBoutonsCalibre(this);
    GroupBoxCalibre = b.GroupBoxCalibre;
    ButtonCalibre2A = b.ButtonCalibre2A;
    ButtonCalibre20A = b.ButtonCalibre20A;
    connect(ButtonCalibre2A, &QToolButton::clicked, this, &TFormCalibreCourant::ButtonCalibre2AClick);
    connect(ButtonCalibre20A, &QToolButton::clicked, this, &TFormCalibreCourant::ButtonCalibre20AClick);

    BitBtn1 = new QPushButton(this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn1->setMinimumWidth(BitBtn1->fontMetrics().averageCharWidth() * 14);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto* l = new QVBoxLayout(this);
    l->addWidget(GroupBoxCalibre);
    l->addWidget(BitBtn1, 0, Qt::AlignRight);
    Langue();
}

void TFormCalibreCourant::Langue() {
    const auto& t = Textes().Texte;
    setWindowTitle(t[236]);
    // Room for the title beside the frame's buttons.
    setMinimumWidth(fontMetrics().horizontalAdvance(t[236]) + 8 * fontMetrics().height());
    GroupBoxCalibre->setTitle(t[252]);
    ButtonCalibre2A->setText(t[237].trimmed());
    ButtonCalibre20A->setText(t[238].trimmed());
    BitBtn1->setText(t[0]);
}

void TFormCalibreCourant::showEvent(QShowEvent* e) {
    FormShow();
    QDialog::showEvent(e);
}

void TFormCalibreCourant::FormShow() {
    Langue();
    QToolButton* presse = CalibreEssaiCourant(m_travail, m_session) == 1 ? ButtonCalibre2A : ButtonCalibre20A;
    presse->setChecked(true);
    presse->setFocus();
}

void TFormCalibreCourant::ButtonCalibre2AClick() {
    ChoisitCalibreEssaiCourant(m_travail, m_session, 1);
}

void TFormCalibreCourant::ButtonCalibre20AClick() {
    ChoisitCalibreEssaiCourant(m_travail, m_session, 0);
}

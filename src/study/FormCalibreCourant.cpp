#include "FormCalibreCourant.h"

#include "TriPoints.h"
#include "shell/Textes.h"
#include "work/Travail.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* bouton(const char* nom, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(nom);
    b->setCheckable(true);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    b->setMinimumHeight(b->fontMetrics().height() * 2);
    return b;
}

} // namespace

TFormCalibreCourant::TFormCalibreCourant(QWidget* parent) : QDialog(parent) {
    setObjectName("FormCalibreCourant");
    setModal(true);

    GroupBoxCalibre = new QGroupBox(this);
    GroupBoxCalibre->setObjectName("GroupBoxCalibre");
    auto* g = new QHBoxLayout(GroupBoxCalibre);
    ButtonCalibre2A = bouton("ButtonCalibre2A", GroupBoxCalibre);
    ButtonCalibre20A = bouton("ButtonCalibre20A", GroupBoxCalibre);
    g->addWidget(ButtonCalibre2A);
    g->addWidget(ButtonCalibre20A);
    auto* groupe = new QButtonGroup(this);
    groupe->addButton(ButtonCalibre2A);
    groupe->addButton(ButtonCalibre20A);
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
    QToolButton* presse = CalibreEssaiCourant(travail()) == 1 ? ButtonCalibre2A : ButtonCalibre20A;
    presse->setChecked(true);
    presse->setFocus();
}

void TFormCalibreCourant::ButtonCalibre2AClick() {
    ChoisitCalibreEssaiCourant(travail(), 1);
}

void TFormCalibreCourant::ButtonCalibre20AClick() {
    ChoisitCalibreEssaiCourant(travail(), 0);
}

#include "Avertissements.h"

#include "socle/Aide.h"
#include "socle/Textes.h"
#include "work/Applications.h"
#include "work/LoisCharge.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

bool TestAvertissement(int code) {
    if (const DescriptionApplication* a = DescriptionDApplication(code)) return a->avertissement;
    return DescriptionLoiCharge(code).avertissement;
}

TAvertissements::TAvertissements(QWidget* parent) : QDialog(parent) {
    setObjectName("Avertissements");
    setProperty(aide::Propriete, aide::Avertissements);
    setModal(true);
    auto* l = new QVBoxLayout(this);
    auto* haut = new QHBoxLayout;
    Icone = new QLabel(this);
    Icone->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
    haut->addWidget(Icone, 0, Qt::AlignTop);
    auto* textes = new QVBoxLayout;
    TextAttention = new QLabel(this);
    QFont gras = TextAttention->font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.4);
    TextAttention->setFont(gras);
    TextLigne1 = new QLabel(this);
    TextLigne2 = new QLabel(this);
    for (QLabel* t : {TextAttention, TextLigne1, TextLigne2})
        textes->addWidget(t);
    haut->addLayout(textes, 1);
    l->addLayout(haut);
    BoutonOK = new QPushButton("OK", this);
    BoutonOK->setDefault(true);
    connect(BoutonOK, &QPushButton::clicked, this, &QDialog::accept);
    l->addWidget(BoutonOK, 0, Qt::AlignRight);
}

void TAvertissements::FormShow() {
    const auto& t = Textes().Texte;
    setWindowTitle(t[362]);
    TextAttention->setText(t[363]);
    Icone->setAccessibleName(Traduit("Avertissement", "Warning", "Advertencia"));
    TextLigne1->setText(t[364]);
    TextLigne2->setText(t[365]);
    BoutonOK->setText(t[0]);
}

void TAvertissements::showEvent(QShowEvent* e) {
    FormShow();
    QDialog::showEvent(e);
}

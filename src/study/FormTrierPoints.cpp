#include "FormTrierPoints.h"

#include "socle/Aide.h"
#include "socle/Textes.h"
#include "work/SessionTravail.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFormTrierPoints::TFormTrierPoints(const Travail& travail, const SessionTravail& session, QWidget* parent)
    : QDialog(parent), m_travail(travail), m_session(session) {
    setObjectName("FormTrierPoints");
    setProperty(aide::Propriete, aide::TrierPoints);
    setModal(true);

    RadioGroupSelect = new QGroupBox(this);
    RadioGroupSelect->setObjectName("RadioGroupSelect");
    auto* select = new QVBoxLayout(RadioGroupSelect);
    select->addStretch();
    m_boutonsSelect = new QButtonGroup(this);

    RadioGroupOrdre = new QGroupBox(this);
    RadioGroupOrdre->setObjectName("RadioGroupOrdre");
    auto* ordre = new QVBoxLayout(RadioGroupOrdre);
    OrdreCroissant = new QRadioButton(RadioGroupOrdre);
    OrdreCroissant->setObjectName("OrdreCroissant");
    OrdreDecroissant = new QRadioButton(RadioGroupOrdre);
    OrdreDecroissant->setObjectName("OrdreDecroissant");
    m_boutonsOrdre = new QButtonGroup(this);
    m_boutonsOrdre->addButton(OrdreCroissant, 0);
    m_boutonsOrdre->addButton(OrdreDecroissant, 1);
    ordre->addWidget(OrdreCroissant);
    ordre->addWidget(OrdreDecroissant);
    ordre->addStretch();

    BitBtnOK = new QPushButton(this);
    BitBtnOK->setObjectName("BitBtnOK");
    BitBtnOK->setDefault(true);
    BitBtnCancel = new QPushButton(this);
    BitBtnCancel->setObjectName("BitBtnCancel");
    connect(BitBtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* droite = new QVBoxLayout;
    droite->addWidget(RadioGroupOrdre);
    droite->addStretch();
    for (QPushButton* b : {BitBtnOK, BitBtnCancel}) {
        b->setMinimumWidth(b->fontMetrics().averageCharWidth() * 14);
        droite->addWidget(b);
    }
    auto* l = new QHBoxLayout(this);
    l->addWidget(RadioGroupSelect);
    l->addLayout(droite);
    Langue();
}

void TFormTrierPoints::Langue() {
    const auto& t = Textes().Texte;
    setWindowTitle(t[231]);
    RadioGroupSelect->setTitle(t[235]);
    RadioGroupOrdre->setTitle(t[232]);
    OrdreCroissant->setText(t[233]);
    OrdreDecroissant->setText(t[234]);
    BitBtnOK->setText(t[0]);
    BitBtnCancel->setText(t[1]);
}

void TFormTrierPoints::showEvent(QShowEvent* e) {
    FormShow();
    QDialog::showEvent(e);
}

void TFormTrierPoints::FormShow() {
    Langue();
    for (QAbstractButton* b : m_boutonsSelect->buttons()) {
        m_boutonsSelect->removeButton(b);
        delete b;
    }
    m_colonnes = ColonnesTri(m_session.ModeleEssai.TypeMachine());
    auto* l = static_cast<QVBoxLayout*>(RadioGroupSelect->layout());
    for (int i = 0; i < static_cast<int>(m_colonnes.size()); ++i) {
        auto* r = new QRadioButton(m_session.Colonnes[m_colonnes[i]].Nom, RadioGroupSelect);
        r->setObjectName(QString("RadioGroupSelect_%1").arg(i));
        m_boutonsSelect->addButton(r, i);
        l->insertWidget(i, r);
    }
    if (QAbstractButton* premier = m_boutonsSelect->button(0)) {
        premier->setChecked(true);
        premier->setFocus();
    }
    OrdreCroissant->setChecked(true);
    // The list changes length with the machine: lay it out now and fit the window to it.
    l->activate();
    RadioGroupSelect->updateGeometry();
    layout()->activate();
    adjustSize();
}

ChoixTri TFormTrierPoints::Choix() const {
    const int i = m_boutonsSelect->checkedId();
    ChoixTri c;
    c.colonne = i >= 0 && i < static_cast<int>(m_colonnes.size()) ? m_colonnes[i] : 0;
    c.ordre = OrdreDecroissant->isChecked() ? 1 : 0;
    return c;
}

std::optional<ChoixTri> TFormTrierPoints::Demande() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Choix();
}

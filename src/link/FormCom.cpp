#include "FormCom.h"

#include "Liaison.h"
#include "ListePorts.h"
#include "PortSerie.h"
#include "socle/Aide.h"
#include "socle/ConfigGenerale.h"
#include "socle/Dialogues.h"
#include "socle/Dossiers.h"
#include "socle/Textes.h"
#include "work/SessionTravail.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TComSelection::TComSelection(QWidget* parent) : QWidget(parent) {
    setObjectName("ComSelection");
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    m_groupe = new QGroupBox(this);
    m_groupe->setObjectName("RadioGroupCom");
    m_defilement = new QScrollArea(m_groupe);
    m_defilement->setFrameShape(QFrame::NoFrame);
    m_defilement->setWidgetResizable(true);
    auto* contenu = new QWidget;
    m_liste = new QVBoxLayout(contenu);
    m_liste->addStretch();
    m_defilement->setWidget(contenu);
    auto* g = new QVBoxLayout(m_groupe);
    g->addWidget(m_defilement);
    l->addWidget(m_groupe);
    m_boutons = new QButtonGroup(this);
    m_boutons->setExclusive(true);
}

void TComSelection::setTitre(const QString& titre) {
    m_groupe->setTitle(titre);
}

void TComSelection::remplit(const QStringList& items) {
    for (QAbstractButton* b : m_boutons->buttons()) {
        m_boutons->removeButton(b);
        delete b;
    }
    m_items = items;
    // Tab reaches the ports right after their list, not after the window's buttons.
    QWidget* precedent = m_defilement;
    for (int i = 0; i < items.size(); ++i) {
        auto* r = new QRadioButton(items[i]);
        m_boutons->addButton(r, i);
        m_liste->insertWidget(i, r);
        QWidget::setTabOrder(precedent, r);
        precedent = r;
    }
}

int TComSelection::Setnumcomport(const QString& nom) {
    QStringList items = m_items;
    EnumComPorts(items);
    remplit(items);
    const int index = IndexPort(m_items, nom);
    // An exclusive group cannot be cleared by unchecking its button.
    m_boutons->setExclusive(false);
    for (QAbstractButton* b : m_boutons->buttons())
        b->setChecked(false);
    m_boutons->setExclusive(true);
    if (index >= 0) m_boutons->button(index)->setChecked(true);
    return index;
}

int TComSelection::NumComportSelect() const {
    return m_boutons->checkedId();
}

QString TComSelection::NomComportSelect() const {
    const int i = NumComportSelect();
    return i >= 0 && i < m_items.size() ? m_items[i] : QString();
}

namespace {

QToolButton* bascule(const QString& nom, const QString& texte, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(nom);
    b->setText(texte);
    b->setCheckable(true);
    b->setAutoExclusive(true);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return b;
}

void presse(QToolButton* b) {
    if (b) b->setChecked(true);
}

} // namespace

TFormCom::TFormCom(Liaison& liaison, Travail& travail, SessionTravail& session, QWidget* parent)
    : QDialog(parent), m_liaison(liaison), m_travail(travail), m_session(session) {
    setObjectName("FormCom");
    setProperty(aide::Propriete, aide::Liaison);
    setModal(true);
    setFixedSize(384, 539);

    auto* l = new QVBoxLayout(this);
    m_titre = new QLabel(this);
    m_titre->setObjectName("PanelTitreCom");
    m_titre->setAlignment(Qt::AlignCenter);
    m_titre->setFrameShape(QFrame::StyledPanel);
    m_titre->setMinimumHeight(34);
    QFont gras = m_titre->font();
    gras.setBold(true);
    m_titre->setFont(gras);
    l->addWidget(m_titre);

    PageControlCom = new QTabWidget(this);
    PageControlCom->setObjectName("PageControlCom");
    ComSelection = new TComSelection;
    PageControlCom->addTab(ComSelection, QString());
    auto* reseau = new QWidget;
    auto* r = new QVBoxLayout(reseau);
    m_libelleAdresse = new QLabel(reseau);
    r->addWidget(m_libelleAdresse);
    auto* adresse = new QHBoxLayout;
    const char* initiaux[4] = {"192", "168", "12", "55"};
    for (int i = 0; i < 4; ++i) {
        EditTC[i] = new QLineEdit(initiaux[i], reseau);
        EditTC[i]->setObjectName(QString("EditTC%1").arg(i + 1));
        EditTC[i]->setMaxLength(3);
        EditTC[i]->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), EditTC[i]));
        EditTC[i]->setAlignment(Qt::AlignCenter);
        EditTC[i]->setMaximumWidth(56);
        adresse->addWidget(EditTC[i]);
        if (i < 3) adresse->addWidget(new QLabel(".", reseau));
        connect(EditTC[i], &QLineEdit::textChanged, this, [this, i] { EditTCChange(i); });
    }
    adresse->addStretch();
    r->addLayout(adresse);
    r->addStretch();
    PageControlCom->addTab(reseau, "TCPIP");
    l->addWidget(PageControlCom, 1);

    m_groupeLangue = new QGroupBox("Langue", this);
    auto* gl = new QHBoxLayout(m_groupeLangue);
    ButtonFR = bascule("ButtonFR", QString(), m_groupeLangue);
    ButtonUK = bascule("ButtonUK", QString(), m_groupeLangue);
    ButtonSP = bascule("ButtonSP", QString(), m_groupeLangue);
    for (QToolButton* b : {ButtonFR, ButtonUK, ButtonSP})
        gl->addWidget(b);
    connect(ButtonFR, &QToolButton::clicked, this, [this] { ButtonLangueClick(1); });
    connect(ButtonUK, &QToolButton::clicked, this, [this] { ButtonLangueClick(2); });
    connect(ButtonSP, &QToolButton::clicked, this, [this] { ButtonLangueClick(3); });
    l->addWidget(m_groupeLangue);

    m_groupeFrequence = new QGroupBox(this);
    m_groupeFrequence->setObjectName("GroupBoxFrequence");
    auto* gf = new QHBoxLayout(m_groupeFrequence);
    Button50Hz = bascule("Button50Hz", "50 Hz", m_groupeFrequence);
    Button60Hz = bascule("Button60Hz", "60 Hz", m_groupeFrequence);
    gf->addWidget(Button50Hz);
    gf->addWidget(Button60Hz);
    l->addWidget(m_groupeFrequence);

    GroupBoxVariateur = new QGroupBox("Variateur", this);
    GroupBoxVariateur->setObjectName("GroupBoxVariateur");
    auto* gv = new QHBoxLayout(GroupBoxVariateur);
    ButtonUniSP = bascule("ButtonUniSP", "Tervane SP", GroupBoxVariateur);
    ButtonUniM = bascule("ButtonUniM", "Tervane M", GroupBoxVariateur);
    gv->addWidget(ButtonUniSP);
    gv->addWidget(ButtonUniM);
    l->addWidget(GroupBoxVariateur);
    GroupBoxVariateur->setVisible(false);

    auto* bas = new QHBoxLayout;
    m_ok = new QPushButton("OK", this);
    m_ok->setObjectName("BoutonOK");
    m_annuler = new QPushButton(this);
    m_annuler->setObjectName("BoutonANNULER");
    for (QPushButton* b : {m_ok, m_annuler}) {
        b->setMinimumSize(110, 32);
        bas->addWidget(b);
    }
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &TFormCom::BoutonOKClick);
    connect(m_annuler, &QPushButton::clicked, this, &QDialog::reject);
    l->addLayout(bas);
    Langue();
}

void TFormCom::Langue() {
    const auto& t = Textes().Texte;
    setWindowTitle(t[348]);
    m_titre->setText(t[349]);
    PageControlCom->setTabText(0, t[350]);
    PageControlCom->setAccessibleName(
        Traduit("Route vers le variateur", "Route to the drive", "Vía hacia el variador"));
    PageControlCom->setTabText(1, t[351]);
    ComSelection->setTitre(t[352]);
    m_libelleAdresse->setText(t[353]);
    ButtonFR->setText(t[358]);
    ButtonUK->setText(t[359]);
    ButtonSP->setText(t[360]);
    m_groupeFrequence->setTitle(t[361]);
    m_annuler->setText(t[1]);
}

void TFormCom::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormShow();
}

void TFormCom::FormShow() {
    const TConfigGenerale& c = ConfigGenerale();
    if (c.LangueConfig == 0 || c.LangueConfig == 1)
        presse(ButtonFR);
    else if (c.LangueConfig == 2)
        presse(ButtonUK);
    else if (c.LangueConfig == 3)
        presse(ButtonSP);
    if (c.FrequenceReseau == 50)
        presse(Button50Hz);
    else if (c.FrequenceReseau == 60)
        presse(Button60Hz);
    if (c.TypeVariateur == 0)
        presse(ButtonUniSP);
    else if (c.TypeVariateur == 1)
        presse(ButtonUniM);
    Langue();
    PageControlCom->setVisible(true);
    PageControlCom->setCurrentIndex(c.TypeLiaison > 0 ? 0 : 1);
    m_corrige = true; // loading the edits is not typing
    for (int i = 0; i < 4; ++i)
        EditTC[i]->setText(c.AdresseIP[i].texte());
    m_corrige = false;
    ComSelection->Setnumcomport(c.PortCom.texte());
    m_liaison.Ferme();
}

void TFormCom::EditTCChange(int i) {
    if (m_corrige) return;
    if (EditTC[i]->text().toInt() > 255) {
        m_corrige = true;
        dialogues().avertissement(Textes().Texte[txt::AdresseHorsBornes]);
        EditTC[i]->setText("255");
        m_corrige = false;
    }
}

void TFormCom::ButtonLangueClick(int langue) {
    AppliqueLangue(langue);
    Langue();
}

void TFormCom::BoutonOKClick() {
    TConfigGenerale& c = ConfigGenerale();
    for (int i = 0; i < 4; ++i)
        c.AdresseIP[i].setTexte(EditTC[i]->text().left(10));
    if (PageControlCom->currentIndex() == 0) {
        c.TypeLiaison = 1;
        c.PortCom.setTexte(ComSelection->NomComportSelect().left(10));
        m_liaison.FermePortSerie();
    } else {
        c.TypeLiaison = 0;
    }
    if (ButtonFR->isChecked())
        c.LangueConfig = 1;
    else if (ButtonUK->isChecked())
        c.LangueConfig = 2;
    else if (ButtonSP->isChecked())
        c.LangueConfig = 3;
    if (Button50Hz->isChecked())
        c.FrequenceReseau = 50;
    else if (Button60Hz->isChecked())
        c.FrequenceReseau = 60;
    if (ButtonUniSP->isChecked())
        c.TypeVariateur = 0;
    else if (ButtonUniM->isChecked())
        c.TypeVariateur = 1;
    dossiers().suitLangue();
    const auto& g = Textes().Grandeurs;
    std::copy_n(g.begin(), 12, m_session.Colonnes.begin());
    // The demo bench stays on its serial line whatever page was confirmed.
    if (ModeDemo()) EntreModeDemo();
    m_liaison.Initialise();
    accept();
}

void TFormCom::Espion() {
    QApplication::clipboard()->setText(TexteEspion(m_liaison.SpyLog));
    m_liaison.SpyLog.vide();
}

// OK, cancel, Escape and the close box all end here.
void TFormCom::done(int resultat) {
    PageControlCom->setVisible(false);
    QDialog::done(resultat);
}

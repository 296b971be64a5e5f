#include "ChoixMachine.h"

#include "ReglagesApplication.h"
#include "socle/Aide.h"
#include "socle/CouleursFenetres.h"
#include "socle/DialoguesFichiers.h"
#include "socle/Pictogrammes.h"
#include "socle/Textes.h"
#include "work/SessionTravail.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* nomsMachine[7] = {"ButtonMCCI", "ButtonMCCS",   "ButtonMAS",    "ButtonMS",
                              "ButtonMVC",  "ButtonMVAtri", "ButtonMVAmono"};

} // namespace

TChoixMachine::TChoixMachine(Travail& travail, SessionTravail& session, QWidget& catalogue,
                             QWidget& ecranApplication, QWidget* menu)
    : QDialog(menu), m_travail(travail), m_session(session), m_catalogue(catalogue),
      m_ecranApplication(ecranApplication), m_menu(menu) {
    setObjectName("ChoixMachine");
    setProperty(aide::Propriete, aide::ChoixMachine);
    // A fixed window without close box: the way back is the cancel button (or Escape).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    TextTitreSelection = new QLabel(this);
    TextTitreSelection->setObjectName("TextTitreSelection");
    QFont titre = TextTitreSelection->font();
    titre.setBold(true);
    titre.setPointSizeF(titre.pointSizeF() * 1.3);
    TextTitreSelection->setFont(titre);

    // At most one machine down, and the one down can be released again.
    auto* groupe = new QButtonGroup(this);
    groupe->setExclusive(false);
    connect(groupe, &QButtonGroup::buttonToggled, this, [groupe](QAbstractButton* b, bool presse) {
        if (!presse) return;
        for (QAbstractButton* autre : groupe->buttons())
            if (autre != b) autre->setChecked(false);
    });
    // The chosen machine stands out from the others.
    setStyleSheet(QString("#ChoixMachine > QToolButton:checked { background-color: %1; color: %2;"
                          " border: 1px solid %3; border-radius: 3px; font-weight: bold; }")
                      .arg(QColor(couleurs::fondMachineChoisie).name(), QColor(couleurs::texteBande).name(),
                           QColor(couleurs::bordMachineChoisie).name()));
    auto* machines = new QVBoxLayout;
    machines->setSpacing(4);
    machines->addWidget(TextTitreSelection);
    for (int i = 0; i < 7; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(nomsMachine[i]);
        b->setCheckable(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setMinimumHeight(fontMetrics().height() * 2 + 6);
        groupe->addButton(b);
        machines->addWidget(b);
        connect(b, &QToolButton::clicked, this, &TChoixMachine::Action);
        // Keys 1 to 7 press (or release) the machines in their order.
        auto* touche = new QShortcut(QKeySequence(Qt::Key_1 + i), this);
        connect(touche, &QShortcut::activated, b, &QToolButton::click);
        BoutonsMachine[i] = b;
    }
    machines->addStretch();

    const auto bouton = [this](const char* nom, pictogrammes::Icone icone) {
        auto* b = new QPushButton(this);
        b->setObjectName(nom);
        b->setIcon(pictogrammes::icone(icone));
        b->setIconSize(QSize(40, 40));
        b->setMinimumHeight(64);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        return b;
    };
    ButtonApplication = bouton("ButtonApplication", pictogrammes::Icone::Application);
    ButtonOuvrir = bouton("ButtonOuvrir", pictogrammes::Icone::Ouvrir);
    BitBtnCancel = new QPushButton(this);
    BitBtnCancel->setObjectName("BitBtnCancel");
    BitBtnCancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(ButtonApplication, &QPushButton::clicked, this, &TChoixMachine::ButtonApplicationClick);
    connect(ButtonOuvrir, &QPushButton::clicked, this, &TChoixMachine::ButtonOuvrirClick);
    connect(BitBtnCancel, &QPushButton::clicked, this, &TChoixMachine::BitBtnCancelClick);
    auto* suite = new QVBoxLayout;
    suite->setSpacing(10);
    suite->addSpacing(TextTitreSelection->sizeHint().height() + 4);
    suite->addWidget(ButtonApplication);
    suite->addWidget(ButtonOuvrir);
    suite->addStretch();
    suite->addWidget(BitBtnCancel, 0, Qt::AlignRight);

    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(16, 14, 16, 14);
    l->setSpacing(20);
    l->addLayout(machines, 3);
    l->addLayout(suite, 2);
    Langue();
}

void TChoixMachine::Langue() {
    const auto& t = Textes().Texte;
    setWindowTitle(t[173]);
    TextTitreSelection->setText(t[174]);
    for (int i = 0; i < 7; ++i)
        BoutonsMachine[std::size_t(i)]->setText(t[txt::TypeMachineLong + i + 1]);
    ButtonApplication->setText(t[176]);
    ButtonOuvrir->setText(t[175]);
    BitBtnCancel->setText(t[1]);
    // Room for the longest caption beside the machine buttons, and for the title in the frame.
    int large = fontMetrics().horizontalAdvance(t[173]) + 12 * fontMetrics().height();
    int colonne = 0;
    for (QToolButton* b : BoutonsMachine)
        colonne = std::max(colonne, b->sizeHint().width() + 24);
    large = std::max(large, colonne * 5 / 3 + 52);
    setFixedSize(large, sizeHint().height());
}

void TChoixMachine::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) FormShow();
    QDialog::showEvent(e);
}

void TChoixMachine::initialise() {
    for (QToolButton* b : BoutonsMachine)
        b->setChecked(false);
    m_session.MachineApplication = 0;
    m_session.ModeleEssai = TEnteteEssai::defaut();
}

void TChoixMachine::FormShow() {
    Langue();
    for (int i = 0; i < 7; ++i)
        BoutonsMachine[std::size_t(i)]->setChecked(m_session.MachineApplication == i + 1);
    // A type outside 1..7 presses nothing: it counts as no choice.
    m_choix = m_session.MachineApplication >= 1 && m_session.MachineApplication <= 7
                  ? m_session.MachineApplication
                  : 0;
    m_session.ModeleEssai.TypeMachine() = m_choix;
    const bool choisie = m_choix > 0;
    ButtonApplication->setEnabled(choisie);
    ButtonOuvrir->setEnabled(choisie);
    (choisie ? static_cast<QWidget*>(ButtonApplication) : BoutonsMachine[0])->setFocus();
}

void TChoixMachine::Action() {
    m_choix = 0;
    for (int i = 0; i < 7; ++i)
        if (BoutonsMachine[std::size_t(i)]->isChecked()) m_choix = i + 1;
    m_session.ModeleEssai.TypeMachine() = m_choix;
    m_session.MachineApplication = m_choix;
    ButtonApplication->setEnabled(m_choix > 0);
    ButtonOuvrir->setEnabled(m_choix > 0);
}

void TChoixMachine::ButtonApplicationClick() {
    Action();
    m_catalogue.show();
    accept();
}

void TChoixMachine::ButtonOuvrirClick() {
    m_session.MachineApplication = m_choix;
    const QString nom = dialoguesFichiers().OpenDialogApplication.ouvre();
    if (nom.isEmpty()) return;
    Travail& t = m_travail;
    // A file that cannot be read has said so; the user stays here to choose again.
    if (!LitApplication(t, m_session, nom)) return;
    t.ParamApplication = m_session.ParamApplicationSauve;
    m_ecranApplication.show();
    accept();
}

void TChoixMachine::BitBtnCancelClick() {
    reject();
}

void TChoixMachine::reject() {
    if (m_menu) m_menu->show();
    QDialog::reject();
}

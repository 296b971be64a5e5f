#include "BarreOscillo.h"

#include "Controles.h"
#include "socle/Textes.h"
#include "work/Travail.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>

void BarreOscillo::construitBarreOscillo(QWidget* barre, QHBoxLayout* l, const char* nomAcqui,
                                         const char* nomStop, Durees durees) {
    m_durees = std::move(durees);
    StaticTextModeOscillo = new QLabel(barre);
    StaticTextModeOscillo->setObjectName("StaticTextModeOscillo");
    StaticTextModeOscillo->setFrameShape(QFrame::StyledPanel);
    StaticTextModeOscillo->setAlignment(Qt::AlignCenter);
    StaticTextModeOscillo->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QFont gras = StaticTextModeOscillo->font();
    gras.setBold(true);
    StaticTextModeOscillo->setFont(gras);
    AcquiOscillo = BoutonTexte(nomAcqui, barre);
    StopOscillo = BoutonTexte(nomStop, barre);
    StopOscillo->setText("Stop");

    PanelConfOscillo = new QWidget(barre);
    PanelConfOscillo->setObjectName("PanelConfOscillo");
    auto* conf = new QHBoxLayout(PanelConfOscillo);
    conf->setContentsMargins(0, 0, 0, 0);
    ButtonSynchro = BoutonTexte("ButtonSynchro", PanelConfOscillo, true);
    ButtonSynchro->setChecked(true);
    TextSynchro = new QLabel(PanelConfOscillo);
    ComboBoxVariable = new QComboBox(PanelConfOscillo);
    ComboBoxVariable->setObjectName("ComboBoxVariable");
    ScrollBarDureeOscillo = new QScrollBar(Qt::Horizontal, PanelConfOscillo);
    ScrollBarDureeOscillo->setObjectName("ScrollBarDureeOscillo");
    ScrollBarDureeOscillo->setRange(0, m_durees.dernierIndex);
    ScrollBarDureeOscillo->setValue(5);
    ScrollBarDureeOscillo->setMinimumWidth(150);
    TextDureeSynchro = new QLabel(texteDuree(5), PanelConfOscillo);
    TextDureeSynchro->setBuddy(ScrollBarDureeOscillo); // the bar is read by its duration
    // Room for the longest duration of the table.
    TextDureeSynchro->setMinimumWidth(
        TextDureeSynchro->fontMetrics().horizontalAdvance(texteDuree(ScrollBarDureeOscillo->maximum())) + 8);
    for (QWidget* w : std::initializer_list<QWidget*>{ButtonSynchro, TextSynchro, ComboBoxVariable,
                                                      ScrollBarDureeOscillo, TextDureeSynchro})
        conf->addWidget(w);
    for (QWidget* w :
         std::initializer_list<QWidget*>{StaticTextModeOscillo, AcquiOscillo, StopOscillo, PanelConfOscillo})
        l->addWidget(w);
}

void BarreOscillo::LangueOscillo() {
    const auto& t = Textes().Texte;
    AcquiOscillo->setText(t[327]);
    // As wide as the longest of its states (configuration, waiting, recording): it does not jump.
    int etat = 110;
    for (int k : {91, 92, 93})
        etat = std::max(etat, StaticTextModeOscillo->fontMetrics().horizontalAdvance(t[k]) + 16);
    StaticTextModeOscillo->setMinimumWidth(etat);
    AcquiOscillo->setToolTip(t[328]);
    StopOscillo->setToolTip(t[334]);
    ButtonSynchro->setText(Traduit("Synchro", "Sync", "Sincro"));
    ButtonSynchro->setToolTip(t[343].trimmed().remove(':').trimmed());
    ComboBoxVariable->setToolTip(t[339]);
    ScrollBarDureeOscillo->setToolTip(t[340]);
    TextDureeSynchro->setToolTip(t[341]);
    const int choix = ComboBoxVariable->currentIndex();
    ComboBoxVariable->blockSignals(true);
    ComboBoxVariable->clear();
    ComboBoxVariable->addItems({Traduit("Vitesse", "Speed", "Velocidad"), Traduit("Couple", "Torque", "Par"),
                                Traduit("Tension", "Voltage", "Tensión"),
                                Traduit("Courant", "Current", "Corriente")});
    ComboBoxVariable->setCurrentIndex(std::max(choix, 0));
    ComboBoxVariable->blockSignals(false);
    montreSynchro();
}

void BarreOscillo::montreSynchro() {
    const bool synchro = ButtonSynchro->isChecked();
    TextSynchro->setText(Textes().Texte[synchro ? 343 : 342]);
    ComboBoxVariable->setVisible(synchro);
}

void BarreOscillo::montreOscillo(const TEnteteEssai& e) {
    ComboBoxVariable->setCurrentIndex(std::clamp(e[TEnteteEssai::MotVariableSynchro] - 1, 0, 3));
    ScrollBarDureeOscillo->blockSignals(true);
    ScrollBarDureeOscillo->setValue(
        std::clamp(e[TEnteteEssai::MotDureeOscillo], 0, ScrollBarDureeOscillo->maximum()));
    ScrollBarDureeOscillo->blockSignals(false);
    TextDureeSynchro->setText(texteDuree(ScrollBarDureeOscillo->value()));
}

QString BarreOscillo::texteDuree(int index) const {
    return QString("T = %1 s").arg(m_durees.secondes(index));
}

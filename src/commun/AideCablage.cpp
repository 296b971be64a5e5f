#include "AideCablage.h"

#include "DocumentsAide.h"
#include "socle/Aide.h"
#include "socle/ConfigGenerale.h"
#include "socle/Dossiers.h"
#include "socle/Textes.h"
#include "work/SessionTravail.h"

#include <QPushButton>

TFormAideCablage::TFormAideCablage(const Travail& travail, const SessionTravail& session, QWidget* parent)
    : TFenetreDocument(parent, {}), m_travail(travail), m_session(session) {
    setObjectName("FormAideCablage");
    setProperty(aide::Propriete, aide::SchemaCablage);
    resize(1000, 700);
}

void TFormAideCablage::FormShow() {
    setWindowTitle(Traduit("Aide au câblage", "Wiring help", "Ayuda al cableado"));
    ButtonFermer->setText(QStringLiteral(" ") + Textes().Texte[txt::Fermer]);
    const int langue = ConfigGenerale().LangueConfig;
    choisit(DossierCablageLangue(dossiers().DossierProgramme, langue),
            SchemaCablage(m_session.MachineApplication, langue));
}

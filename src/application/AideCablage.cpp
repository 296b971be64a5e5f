#include "AideCablage.h"

#include "DocumentsAide.h"
#include "shell/Aide.h"
#include "shell/ConfigGenerale.h"
#include "shell/Dossiers.h"
#include "shell/Textes.h"
#include "work/Travail.h"

#include <QPushButton>

TFormAideCablage::TFormAideCablage(QWidget* parent) : TFenetreDocument(parent, {}) {
    setObjectName("FormAideCablage");
    setProperty(aide::Propriete, aide::SchemaCablage);
    resize(1000, 700);
}

void TFormAideCablage::FormShow() {
    setWindowTitle(Traduit("Aide au câblage", "Wiring help", "Ayuda al cableado"));
    ButtonFermer->setText(QStringLiteral(" ") + Textes().Texte[246]);
    const int langue = ConfigGenerale().LangueConfig;
    choisit(DossierCablageLangue(dossiers().DossierProgramme, langue),
            SchemaCablage(travail().MachineApplication, langue));
}

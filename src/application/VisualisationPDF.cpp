#include "VisualisationPDF.h"

#include "ConfigurationApplication.h"
#include "FormApplication.h"
#include "commun/DocumentsAide.h"
#include "socle/Aide.h"
#include "socle/ConfigGenerale.h"
#include "socle/Dossiers.h"
#include "socle/Textes.h"
#include "work/Travail.h"

#include <QHBoxLayout>
#include <QPushButton>

TFormVisualisationPDF::TFormVisualisationPDF(const Travail& travail, TConfigurationApplication& configuration,
                                             TFormApplication& ecranApplication, QWidget* parent)
    : TFenetreDocument(parent, Qt::WindowStaysOnTopHint), m_travail(travail), m_configuration(configuration),
      m_ecranApplication(ecranApplication) {
    setObjectName("FormVisualisationPDF");
    setProperty(aide::Propriete, aide::FicheApplication);
    ButtonConfiguration = new QPushButton(PanelBoutons);
    ButtonConfiguration->setObjectName("ButtonConfiguration");
    barre()->insertWidget(0, ButtonConfiguration);
    connect(ButtonConfiguration, &QPushButton::clicked, this,
            &TFormVisualisationPDF::ButtonConfigurationClick);
}

void TFormVisualisationPDF::FormShow() {
    setWindowTitle(Textes().Texte[txt::AideApplication]);
    ButtonFermer->setText(QStringLiteral(" ") + Textes().Texte[txt::Fermer]);
    ButtonConfiguration->setText(QStringLiteral("Configuration"));
    const int langue = ConfigGenerale().LangueConfig;
    // From the run screen's configuration dialog the code carries 100 more.
    int code = m_travail.ApplicationCourante;
    if (code > 100) code -= 100;
    choisit(DossierFichesLangue(dossiers().DossierProgramme, langue), FicheApplication(code, langue));
}

void TFormVisualisationPDF::ButtonConfigurationClick() {
    TConfigurationApplication& d = m_configuration;
    if (d.isVisible()) {
        d.raise();
        d.activateWindow();
        return;
    }
    // From the run screen the dialog goes through the run screen, which takes the new parameters;
    // it refuses while the load runs.
    if (m_ecranApplication.isVisible()) {
        m_ecranApplication.ButtonConfigurationClick();
        return;
    }
    d.show();
}

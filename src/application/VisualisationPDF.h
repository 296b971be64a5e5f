#pragma once
// The help sheet of the current application, kept above the other windows while it is open.

#include "commun/VuePdf.h"

class TConfigurationApplication;
class TFormApplication;
class Travail;

class TFormVisualisationPDF : public TFenetreDocument {
    Q_OBJECT
public:
    // The sheet of `travail`'s application; its button opens `configuration`, through
    // `ecranApplication` while that is on view.
    TFormVisualisationPDF(const Travail& travail, TConfigurationApplication& configuration,
                          TFormApplication& ecranApplication, QWidget* parent = nullptr);

    void FormShow() override;
    void ButtonConfigurationClick();

    QPushButton* ButtonConfiguration;

private:
    const Travail& m_travail;
    TConfigurationApplication& m_configuration;
    TFormApplication& m_ecranApplication;
};

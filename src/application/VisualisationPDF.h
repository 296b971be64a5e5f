#pragma once
// The help sheet of the current application, kept above the other windows while it is open.

#include "commun/VuePdf.h"

class TFormVisualisationPDF : public TFenetreDocument {
    Q_OBJECT
public:
    explicit TFormVisualisationPDF(QWidget* parent = nullptr);

    void FormShow() override;
    void ButtonConfigurationClick();

    QPushButton* ButtonConfiguration;
};

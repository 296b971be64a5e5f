#pragma once
// The wiring diagram of the machine chosen for the application study.

#include "VuePdf.h"

class TFormAideCablage : public TFenetreDocument {
    Q_OBJECT
public:
    explicit TFormAideCablage(QWidget* parent = nullptr);

    void FormShow() override;
};

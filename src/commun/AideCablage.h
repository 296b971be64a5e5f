#pragma once
// The wiring diagram of the machine chosen for the application study.

#include "VuePdf.h"

class Travail;
struct SessionTravail;

class TFormAideCablage : public TFenetreDocument {
    Q_OBJECT
public:
    // Shows the diagram of the machine `travail` studies.
    explicit TFormAideCablage(const Travail& travail, const SessionTravail& session,
                              QWidget* parent = nullptr);

    void FormShow() override;

private:
    const Travail& m_travail;
    const SessionTravail& m_session;
};

#pragma once
// The simulated bench behind the serial route without any line, for the demo mode where the system
// has no pseudo-terminals: each request goes straight to the drive's Modbus slave, and its reply
// waits to be read. The bench follows the wall clock.

#include "link/PortSerie.h"
#include "simulator/TrameModbus.h"

#include <QElapsedTimer>

#include <optional>

class TBanc;

class PortBanc final : public PortSerie {
public:
    // Answers nothing until the bench is plugged in.
    void branche(TBanc& banc, int modele);

    bool ouvre(const QString& nom) override;
    void ferme() override { m_ouvert = false; }
    bool estOuvert() const override { return m_ouvert; }
    void purge() override;
    bool ecrit(const QByteArray& octets) override;
    bool lit(int k, QByteArray& recu) override;

    // Brings the bench up to the wall clock; also called between exchanges.
    void suitHorloge();

private:
    TBanc* m_banc = nullptr;
    std::optional<TEsclaveModbus> m_esclave;
    QElapsedTimer m_horloge;
    QByteArray m_requete;
    QByteArray m_reponse;
    bool m_ouvert = false;
};

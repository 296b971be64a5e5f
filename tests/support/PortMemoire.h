#pragma once
// A serial port in memory, wired to a scripted slave.

#include "EsclaveScripte.h"
#include "link/PortSerie.h"

class PortMemoire final : public PortSerie {
public:
    EsclaveScripte esclave;
    bool ouvrable = true;
    bool echecEcriture = false;
    QString nomOuvert;
    int purges = 0;
    int ouvertures = 0;

    bool ouvre(const QString& nom) override {
        ++ouvertures;
        m_ouvert = ouvrable && !nom.isEmpty();
        if (m_ouvert) nomOuvert = nom;
        return m_ouvert;
    }
    void ferme() override { m_ouvert = false; }
    bool estOuvert() const override { return m_ouvert; }
    void purge() override {
        ++purges;
        m_attente.clear();
    }
    bool ecrit(const QByteArray& octets) override {
        if (!m_ouvert || echecEcriture) return false;
        m_attente = esclave.repond(octets);
        return true;
    }
    bool lit(int k, QByteArray& recu) override {
        recu.clear();
        const bool ok = m_attente.size() >= k;
        if (ok) recu = m_attente.left(k);
        m_attente.clear();
        return ok;
    }

private:
    bool m_ouvert = false;
    QByteArray m_attente;
};

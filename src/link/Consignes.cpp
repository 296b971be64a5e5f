// Set-points: the control word, the constant K and the parameter block of the load law.
#include "FilEchanges.h"
#include "Horloge.h"
#include "Liaison.h"

void Liaison::EmissionControle(int32_t mot) {
    WriteRegModbus(variateur::controle, mot);
    // The drive takes each change before the next exchange; the wait holds with the link closed too.
    m_horloge.delay100();
}

void Liaison::EmissionConstanteK(int32_t valeur) {
    WriteRegModbus(variateur::constanteK, valeur);
}

void Liaison::EmissionConstanteKEnFond(int32_t valeur) {
    if (!m_fil) {
        EmissionConstanteK(valeur);
        return;
    }
    if (m_kEnAttente.exchange(valeur) == aucunK)
        m_fil->poste([this] { EmissionConstanteK(m_kEnAttente.exchange(aucunK)); });
}

void Liaison::EmissionParam() {
    Valeurs10 v{};
    std::copy(ParamBlock.begin(), ParamBlock.end(), v.begin());
    Write10RegModbus(variateur::blocParametres, v, variateur::nbMotsBloc);
    m_horloge.delay100();
}

void Liaison::setParam0() {
    std::fill_n(ParamBlock.begin(), 5, 0);
    EmissionParam();
    ErrorCount = 0;
}

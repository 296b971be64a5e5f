// Set-points: the control word, the constant K and the parameter block of the load law.
#include "Horloge.h"
#include "Liaison.h"

void Liaison::EmissionControle(int32_t mot) {
    WriteRegModbus(20, 29, mot);
    // The drive takes each change before the next exchange; the wait holds with the link closed too.
    m_horloge.delay100();
}

void Liaison::EmissionConstanteK(int32_t valeur) {
    WriteRegModbus(19, 20, valeur);
}

void Liaison::EmissionParam() {
    Valeurs10 v{};
    std::copy(ParamBlock.begin(), ParamBlock.end(), v.begin());
    Write10RegModbus(19, 20, v, 6);
    m_horloge.delay100();
}

void Liaison::setParam0() {
    std::fill_n(ParamBlock.begin(), 5, 0);
    EmissionParam();
    ErrorCount = 0;
}

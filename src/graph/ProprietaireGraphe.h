#pragma once
// What a graph panel asks of the window that holds it: the plot window for characteristics 1..4,
// the application run screen for 5..8. Actions that change the work belong to that window.

class ProprietaireGraphe {
public:
    virtual ~ProprietaireGraphe() = default;
    // Context menu entries.
    virtual void SupprimePointSelectionne() = 0;
    virtual void SupprimeTousLesPoints() = 0;
    virtual void NouvelEssai() = 0;
    // Shows the characteristic definition dialog, modally, on definition n in modification mode.
    virtual void ModifieCaract(int n) = 0;
    // The window's refresh of its controls from the work.
    virtual void Action() = 0;
    // The window's cursor routine: every panel's cursor to the present measurement.
    virtual void Curseur() = 0;
};

#pragma once
// The oscilloscope bar both study windows carry (they derive from it, so that its controls are theirs): the
// state text, "Acqui." and "Stop", and the configuration (synchronisation toggle, its variable, the duration
// bar and its text), over the duration table the window records on: the short one in the plot window, the
// long one in the run screen.

#include <QString>

#include <functional>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QScrollBar;
class QToolButton;
class QWidget;
struct TEnteteEssai;

class BarreOscillo {
public:
    // The duration table: seconds of each index 0..dernierIndex.
    struct Durees {
        int dernierIndex;
        std::function<int(int)> secondes;
    };
    // Lays the bar out in `barre`, whose layout is `l`; the two buttons take the names given.
    void construitBarreOscillo(QWidget* barre, QHBoxLayout* l, const char* nomAcqui, const char* nomStop,
                               Durees durees);

    // Captions and hints in the current language; the chosen variable stays.
    void LangueOscillo();
    // "Synchronisation sur : " and the variable list with the toggle down, "Sans synchronisation"
    // without.
    void montreSynchro();
    // The duration and the variable of the test's header, without a change signal.
    void montreOscillo(const TEnteteEssai& entete);
    // "T = " + the duration of `index` + " s".
    QString texteDuree(int index) const;

    QLabel* StaticTextModeOscillo = nullptr;
    QToolButton* AcquiOscillo = nullptr;
    QToolButton* StopOscillo = nullptr;
    QWidget* PanelConfOscillo = nullptr;
    QToolButton* ButtonSynchro = nullptr;
    QLabel* TextSynchro = nullptr;
    QComboBox* ComboBoxVariable = nullptr;
    QScrollBar* ScrollBarDureeOscillo = nullptr;
    QLabel* TextDureeSynchro = nullptr;

private:
    Durees m_durees{0, {}};
};

#pragma once
// The link configuration window: serial port or network address, language, mains frequency and
// (hidden) drive model. Showing it closes the link; OK stores the choices and starts it again.

#include <QDialog>

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabWidget;
class QToolButton;
class QVBoxLayout;
class Liaison;
class Travail;
struct SessionTravail;

// The radio group of the system's serial ports.
class TComSelection : public QWidget {
    Q_OBJECT
public:
    explicit TComSelection(QWidget* parent = nullptr);
    // Refills the group from the system and selects the item equal to `nom`; its index or -1.
    int Setnumcomport(const QString& nom);
    int NumComportSelect() const;
    QString NomComportSelect() const;
    QStringList items() const { return m_items; }
    void setTitre(const QString& titre);
    // For tests: the items as if the system listed them.
    void remplit(const QStringList& items);

private:
    QGroupBox* m_groupe;
    QScrollArea* m_defilement;
    QVBoxLayout* m_liste;
    QButtonGroup* m_boutons;
    QStringList m_items;
};

class TFormCom : public QDialog {
    Q_OBJECT
public:
    // Confirming writes the quantity names of the chosen language into `travail`.
    TFormCom(Liaison& liaison, Travail& travail, SessionTravail& session, QWidget* parent = nullptr);

    void FormShow();
    void BoutonOKClick();
    void Langue();
    void EditTCChange(int i);
    void ButtonLangueClick(int langue);
    // Copies the exchange log to the clipboard as text and empties it.
    void Espion();

    // Controls, named as the window has them.
    QTabWidget* PageControlCom;
    TComSelection* ComSelection;
    std::array<QLineEdit*, 4> EditTC;
    QToolButton* ButtonFR;
    QToolButton* ButtonUK;
    QToolButton* ButtonSP;
    QToolButton* Button50Hz;
    QToolButton* Button60Hz;
    QToolButton* ButtonUniSP;
    QToolButton* ButtonUniM;
    QGroupBox* GroupBoxVariateur;

protected:
    void showEvent(QShowEvent* e) override;
    void done(int resultat) override;

private:
    Liaison& m_liaison;
    Travail& m_travail;
    SessionTravail& m_session;
    QLabel* m_titre;
    QLabel* m_libelleAdresse;
    QGroupBox* m_groupeLangue;
    QGroupBox* m_groupeFrequence;
    QPushButton* m_ok;
    QPushButton* m_annuler;
    bool m_corrige = false;
};

#pragma once
// The sort dialog: the column to sort the points by and the order. It only asks; the plot
// window applies the answer to the selected test or to all of them (TriPoints.h).

#include "TriPoints.h"

#include <QDialog>

#include <optional>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;
class Travail;
struct SessionTravail;

class TFormTrierPoints : public QDialog {
    Q_OBJECT
public:
    // Offers the columns of `travail`'s machine under their names.
    explicit TFormTrierPoints(const Travail& travail, const SessionTravail& session,
                              QWidget* parent = nullptr);

    // Shows the dialog modally; the chosen column and order on OK, nothing on Cancel.
    std::optional<ChoixTri> Demande();
    // The choice the controls hold now.
    ChoixTri Choix() const;
    // Column of each list entry, as built at the last showing.
    const std::vector<int>& colonnes() const { return m_colonnes; }

    void FormShow();
    void Langue();

    // Controls, named as the window has them.
    QGroupBox* RadioGroupSelect;
    QGroupBox* RadioGroupOrdre;
    QRadioButton* OrdreCroissant;
    QRadioButton* OrdreDecroissant;
    QPushButton* BitBtnOK;
    QPushButton* BitBtnCancel;

protected:
    void showEvent(QShowEvent* e) override;

private:
    const Travail& m_travail;
    const SessionTravail& m_session;
    std::vector<int> m_colonnes;
    QButtonGroup* m_boutonsSelect;
    QButtonGroup* m_boutonsOrdre;
};

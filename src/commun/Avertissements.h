#pragma once
// The reminder to wire the drive's function inputs before a load that needs them.

#include <QDialog>

class QLabel;
class QPushButton;

// Whether the load type or application code needs the drive's function inputs wired.
bool TestAvertissement(int typeOuApplication);

class TAvertissements : public QDialog {
    Q_OBJECT
public:
    explicit TAvertissements(QWidget* parent = nullptr);

    // The load type or application code to check, set by the caller.
    int Code = 0;
    bool test() const { return TestAvertissement(Code); }
    void FormShow();

    QLabel* Icone; // the warning sign
    QLabel* TextAttention;
    QLabel* TextLigne1;
    QLabel* TextLigne2;
    QPushButton* BoutonOK;

protected:
    void showEvent(QShowEvent* e) override;
};

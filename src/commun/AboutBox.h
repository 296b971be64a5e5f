#pragma once
// The about box: the program's full name, its rights notice and version.

#include <QDialog>

class QLabel;
class QPushButton;

class QMenu;
struct Fenetres;

// The "A propos" entry of a window's "?" menu: the about box of `fenetres`, modal.
void EntreeAPropos(QMenu* aide, QObject* contexte, const Fenetres& fenetres);

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    void FormShow();
    void OKButtonClick() { accept(); }

    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Copyright;
    QLabel* Comments;
    QLabel* Image;
    QPushButton* OKButton;

protected:
    void showEvent(QShowEvent* e) override;
};

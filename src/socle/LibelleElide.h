#pragma once
// A one-line text that gives way to the controls beside it: when its room is short it ends in "…"
// and shows whole as its tooltip; a screen reader reads it whole.

#include <QLabel>

class LibelleElide : public QLabel {
public:
    explicit LibelleElide(QWidget* parent = nullptr);
    // Whether the text is shown cut.
    bool elide() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool event(QEvent* e) override;

private:
    QRect zoneTexte() const;
};

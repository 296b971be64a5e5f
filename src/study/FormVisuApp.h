#pragma once
// The industrial applications viewer: photographs of machines whose load follows the chosen load
// law, one at a time, with "previous" and "next". The characteristic choice screen opens it on
// the group of its load type.

#include "socle/CouleursFenetres.h"
#include "study/Catalogue.h"

#include <QColor>
#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;

// The picture, scaled to fit and centred, or the message that says why there is none.
class TVueImage : public QWidget {
    Q_OBJECT
public:
    explicit TVueImage(QWidget* parent = nullptr);
    void montreImage(const QImage& image);
    void montreMessage(const QString& message);
    // The colour around the picture and behind the message (dark unless told).
    void setFond(const QColor& fond);
    const QImage& image() const { return m_image; }
    QString message() const { return m_message; }
    // Where the picture is drawn, in the widget's coordinates.
    QRect cadreImage() const;
    QSize sizeHint() const override { return {720, 504}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QImage m_image;
    QString m_message;
    QColor m_fond{couleurs::fondVisionneuse};
};

class TFormVisuApp : public QDialog {
    Q_OBJECT
public:
    explicit TFormVisuApp(QWidget* parent = nullptr);

    // The caller's choice of group (1..7); the viewer restarts at the first entry.
    void setGroupe(int groupe);
    int Groupe() const { return m_visionneuse.Groupe(); }
    int Index() const { return m_visionneuse.Index(); }
    // Sets the group and shows the viewer, or restarts it when it is already on view. The choice
    // screen passes GroupeApplications(load type): a number outside 1..7 (no load chosen) opens
    // nothing and returns false.
    bool Montre(int groupe);

    void FormShow();
    void Action();
    void APPMoinsClick();
    void APPPlusClick();
    void ButtonCloseClick();

    // Controls, named as the window has them.
    QLabel* StaticText1;
    TVueImage* Image1;
    QPushButton* APPMoins;
    QPushButton* APPPlus;
    QPushButton* ButtonClose;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    VisionneuseApplications m_visionneuse;
};

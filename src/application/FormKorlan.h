#pragma once
// The application catalogue: an industrial site with its production plant and its technical room,
// each with a clickable picture of the applications it holds. A picture shows the application's
// illustration, from which the user starts the run screen with default parameters, configures the
// application first, or goes back. The choice is ApplicationCourante.

#include "CatalogueKorlan.h"
#include "study/FormVisuApp.h"

#include <QImage>
#include <QWidget>

#include <map>

class QLabel;
class QPushButton;
class Travail;
struct Fenetres;

// A clickable picture on an area: opaque and framed while it is under the mouse (or has the
// keyboard focus), see-through otherwise. A picture that cannot be read shows its name instead.
class TImageKorlan : public QWidget {
    Q_OBJECT
public:
    TImageKorlan(const QString& nom, QWidget* parent);
    void montreImage(const QImage& image);
    // No picture: the name, and why, on a plain box that can still be clicked.
    void montreMessage(const QString& message);
    const QImage& image() const { return m_image; }
    QString message() const { return m_message; }
    // The picture's text: the panel shows it while the picture is under the mouse, and the
    // picture shows it in place of a missing file.
    void setLegende(const QString& legende);
    QString legende() const { return m_legende; }
    bool opaque() const { return m_opaque; }
    void setOpaque(bool opaque);

signals:
    void clique();
    // The mouse or the keyboard focus came onto the picture.
    void survole();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QImage m_image;
    QString m_message;
    QString m_legende;
    bool m_opaque = false;
    bool m_presse = false;
};

// The picture of an area, under its clickable pictures: tells when the mouse is over the
// background itself, or has left it.
class TFondKorlan : public TVueImage {
    Q_OBJECT
public:
    TFondKorlan(const QString& nom, QWidget* parent);
    QSize sizeHint() const override { return {LARGEUR_VUE_KORLAN, HAUTEUR_VUE_KORLAN}; }

signals:
    void survole();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
};

class TFormKorlan : public QWidget {
    Q_OBJECT
public:
    // Chooses the application of `travail` and starts it through the windows of `fenetres`; `menu`,
    // the parent, is shown again when the catalogue closes without a run.
    TFormKorlan(Travail& travail, Fenetres& fenetres, QWidget* menu);

    void FormCreate();
    void FormShow();
    void PanelPrincipalShow();
    void ImageSelectUsineClick();
    void ImageSelectLocalClick();
    // The click of any application picture: `code` is its application.
    void ImageApplicationClick(int code);
    void Animate();
    // The hover of each panel: `image` is the picture under the mouse, nullptr over the background.
    void Image1MouseMove(TImageKorlan* image);
    void ImageUsineMouseMove(TImageKorlan* image);
    void ImageLocalTechniqueMouseMove(TImageKorlan* image);
    void ButtonRetour1Click();
    void ButtonRetourAnimClick();
    void ButtonValideClick();
    void ButtonConfigureClick();
    void ButtonFermerClick();
    void FormClose();
    void Langue();

    // The panel on view.
    PanneauKorlan Panneau() const;
    QWidget* panneau(PanneauKorlan p) const;
    // The picture of application `code`, nullptr for a code without one.
    TImageKorlan* ImageDuCode(int code) const;

    // Controls, named as the window has them.
    QWidget* PanelPrincipal;
    QWidget* PanelUsine;
    QWidget* PanelLocalTechnique;
    QWidget* PanelAnimation;
    TFondKorlan* Image1;
    TImageKorlan* ImageSelectUsine;
    TImageKorlan* ImageSelectLocal;
    QLabel* TextTitrePrincipal;
    QLabel* TextUsineVirtuelle;
    QPushButton* ButtonFermer;
    TFondKorlan* ImageUsine;
    QLabel* TextTitreUsine;
    QLabel* TextProduction;
    QPushButton* ButtonRetour1;
    TFondKorlan* ImageLocalTechnique;
    QLabel* TextTitreLocal;
    QLabel* TextLocal;
    QPushButton* ButtonRetour2;
    TVueImage* ImageApplication; // the illustration
    QLabel* TextTitreAnimation;
    QPushButton* ButtonRetourAnim;
    QPushButton* ButtonValide;
    QPushButton* ButtonConfigure;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void montrePanneau(PanneauKorlan p);
    // Makes `image` the only opaque picture among `images`, and its text the panel's hover text.
    void survol(const std::vector<TImageKorlan*>& images, TImageKorlan* image, QLabel* texte);
    std::vector<TImageKorlan*> imagesZone(PanneauKorlan zone) const;
    // Reads the pictures of the folder on view; called at every showing (the folder follows the
    // program's, the files may have been replaced).
    void chargeImages();

    Travail& m_travail;
    Fenetres& m_fenetres;
    QWidget* m_menu;
    std::map<int, TImageKorlan*> m_applications;
};

#include "FormVisuApp.h"

#include "socle/Aide.h"
#include "socle/CouleursFenetres.h"
#include "socle/Dossiers.h"
#include "socle/Textes.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

TVueImage::TVueImage(QWidget* parent) : QWidget(parent) {
    setObjectName("Image1");
    setMinimumSize(320, 224);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TVueImage::montreImage(const QImage& image) {
    m_image = image;
    m_message.clear();
    update();
}

void TVueImage::montreMessage(const QString& message) {
    m_image = QImage();
    m_message = message;
    update();
}

void TVueImage::setFond(const QColor& fond) {
    m_fond = fond;
    update();
}

QRect TVueImage::cadreImage() const {
    if (m_image.isNull()) return {};
    const QSize taille = m_image.size().scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - taille.width()) / 2, (height() - taille.height()) / 2), taille);
}

void TVueImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_fond);
    if (!m_image.isNull()) {
        // Drawn from the full picture into device pixels: sharp at any screen scale.
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(cadreImage(), m_image);
        return;
    }
    // The first line says what failed, the others name the file and the cause.
    const QStringList lignes = m_message.split('\n');
    const QRect zone = rect().adjusted(24, 24, -24, -24);
    QFont grand = font();
    grand.setPointSizeF(grand.pointSizeF() * 1.4);
    grand.setBold(true);
    const QFontMetrics mg(grand), mp(font());
    const int hauteur = mg.height() + int(lignes.size() - 1) * (mp.height() + 4) + 8;
    int y = zone.top() + std::max(0, (zone.height() - hauteur) / 2);
    // A transparent view shows its window's background.
    const QColor dessous = m_fond.alpha() == 0 ? palette().color(QPalette::Window) : m_fond;
    const bool clair = dessous.lightness() > 128;
    p.setPen(QColor(clair ? couleurs::titreMessageClair : couleurs::titreMessageSombre));
    p.setFont(grand);
    p.drawText(QRect(zone.left(), y, zone.width(), mg.height()), Qt::AlignCenter,
               mg.elidedText(lignes.value(0), Qt::ElideRight, zone.width()));
    y += mg.height() + 8;
    p.setPen(QColor(clair ? couleurs::texteMessageClair : couleurs::texteMessageSombre));
    p.setFont(font());
    for (qsizetype i = 1; i < lignes.size(); ++i) {
        const QString l = mp.elidedText(lignes[i], Qt::ElideMiddle, zone.width());
        p.drawText(QRect(zone.left(), y, zone.width(), mp.height()), Qt::AlignCenter, l);
        y += mp.height() + 4;
    }
}

TFormVisuApp::TFormVisuApp(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint),
      m_visionneuse(CatalogueApplications()) {
    setObjectName("FormVisuApp");
    setProperty(aide::Propriete, aide::VisuApp);
    resize(760, 600);

    StaticText1 = new QLabel(this);
    StaticText1->setObjectName("StaticText1");
    StaticText1->setAlignment(Qt::AlignCenter);
    StaticText1->setAutoFillBackground(true);
    QPalette bande = StaticText1->palette();
    bande.setColor(QPalette::Window, QColor(couleurs::bandeVisionneuse));
    bande.setColor(QPalette::WindowText, QColor(couleurs::texteBande));
    StaticText1->setPalette(bande);
    QFont titre = StaticText1->font();
    titre.setPointSizeF(titre.pointSizeF() * 1.5);
    titre.setBold(true);
    StaticText1->setFont(titre);
    StaticText1->setMargin(6);

    Image1 = new TVueImage(this);

    const auto bouton = [this](const char* nom) {
        auto* b = new QPushButton(this);
        b->setObjectName(nom);
        b->setAutoDefault(false);
        b->setMinimumWidth(180);
        return b;
    };
    APPMoins = bouton("APPMoins");
    APPPlus = bouton("APPPlus");
    ButtonClose = bouton("ButtonClose");
    ButtonClose->setMinimumWidth(120);

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 8);
    colonne->setSpacing(0);
    colonne->addWidget(StaticText1);
    colonne->addWidget(Image1, 1);
    auto* boutons = new QHBoxLayout;
    boutons->setContentsMargins(8, 8, 8, 0);
    boutons->addWidget(APPMoins);
    boutons->addStretch();
    boutons->addWidget(ButtonClose);
    boutons->addStretch();
    boutons->addWidget(APPPlus);
    colonne->addLayout(boutons);

    connect(APPMoins, &QPushButton::clicked, this, &TFormVisuApp::APPMoinsClick);
    connect(APPPlus, &QPushButton::clicked, this, &TFormVisuApp::APPPlusClick);
    connect(ButtonClose, &QPushButton::clicked, this, &TFormVisuApp::ButtonCloseClick);
}

void TFormVisuApp::setGroupe(int groupe) {
    m_visionneuse.setGroupe(groupe);
}

bool TFormVisuApp::Montre(int groupe) {
    if (groupe < 1 || groupe > NB_GROUPES_APPLICATIONS) return false;
    setGroupe(groupe);
    if (isVisible())
        FormShow();
    else
        show();
    raise();
    activateWindow();
    return true;
}

void TFormVisuApp::FormShow() {
    const auto& t = Textes().Texte;
    setWindowTitle(t[239]);
    APPMoins->setText(t[240]);
    APPMoins->setToolTip(t[241]);
    APPPlus->setText(t[242]);
    APPPlus->setToolTip(t[243]);
    ButtonClose->setText(t[246]);
    ButtonClose->setToolTip(t[247]);
    m_visionneuse.Debut();
    Action();
}

void TFormVisuApp::Action() {
    const VueApplication v = m_visionneuse.Vue(dossiers().DossierApplications);
    APPMoins->setEnabled(v.precedente);
    APPPlus->setEnabled(v.suivante);
    StaticText1->setText(v.titre);
    if (v.image.isNull())
        Image1->montreMessage(v.message);
    else
        Image1->montreImage(v.image);
    // The focus leaves a button that has just been disabled for the one still usable.
    if (!focusWidget() || !focusWidget()->isEnabled())
        (v.suivante ? APPPlus : v.precedente ? APPMoins : ButtonClose)->setFocus();
}

void TFormVisuApp::APPMoinsClick() {
    if (m_visionneuse.Precedente()) Action();
}

void TFormVisuApp::APPPlusClick() {
    if (m_visionneuse.Suivante()) Action();
}

void TFormVisuApp::ButtonCloseClick() {
    close();
}

void TFormVisuApp::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormShow();
}

void TFormVisuApp::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_PageUp:
        APPMoinsClick();
        break;
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        APPPlusClick();
        break;
    case Qt::Key_Escape:
        ButtonCloseClick();
        break;
    default:
        QDialog::keyPressEvent(e);
    }
}

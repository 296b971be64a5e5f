#include "FormKorlan.h"

#include "ConfigurationApplication.h"
#include "FormApplication.h"
#include "ReglagesApplication.h"
#include "commun/Avertissements.h"
#include "commun/Fenetres.h"
#include "socle/Aide.h"
#include "socle/ConfigGenerale.h"
#include "socle/CouleursFenetres.h"
#include "socle/Dossiers.h"
#include "socle/Textes.h"
#include "work/Travail.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int HAUTEUR_TITRE = 44;
constexpr int HAUTEUR_BOUTONS = 664 - HAUTEUR_TITRE - HAUTEUR_VUE_KORLAN;
// How much of a picture shows while the mouse is elsewhere.
constexpr qreal OPACITE_TRANSPARENTE = 0.6;
// Stands out from the yellow and black stands the pictures sit on.
const QColor couleurCadre(20, 150, 255);

} // namespace

TImageKorlan::TImageKorlan(const QString& nom, QWidget* parent) : QWidget(parent) {
    setObjectName(nom);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void TImageKorlan::montreImage(const QImage& image) {
    m_image = image;
    m_message.clear();
    setToolTip({});
    update();
}

void TImageKorlan::montreMessage(const QString& message) {
    m_image = QImage();
    m_message = message;
    setToolTip(message);
    update();
}

void TImageKorlan::setLegende(const QString& legende) {
    m_legende = legende;
    setAccessibleName(legende);
    update();
}

void TImageKorlan::setOpaque(bool opaque) {
    if (m_opaque == opaque) return;
    m_opaque = opaque;
    update();
}

void TImageKorlan::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF cadre = QRectF(rect()).adjusted(2, 2, -2, -2);
    p.setOpacity(m_opaque ? 1.0 : OPACITE_TRANSPARENTE);
    if (!m_image.isNull()) {
        // Drawn from the full picture into device pixels: sharp at any screen scale.
        p.drawImage(cadre, m_image);
    } else {
        // No picture: the name on a plain box, still a target for the mouse and the keyboard.
        p.fillRect(cadre, QColor(couleurs::fondSansImage));
        QFont gras = font();
        gras.setBold(true);
        p.setFont(gras);
        p.setPen(QColor(couleurs::nomSansImage));
        const QRectF texte = cadre.adjusted(8, 8, -8, -8);
        p.drawText(texte, Qt::AlignCenter | Qt::TextWordWrap, m_legende);
        p.setFont(font());
        p.setPen(QColor(couleurs::titreMessageSombre));
        p.drawText(texte, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap,
                   m_message.section('\n', 0, 0));
    }
    p.setOpacity(1);
    p.setBrush(Qt::NoBrush);
    if (m_opaque) {
        p.setPen(QPen(couleurCadre, 4));
        p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 3, 3);
    } else {
        p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
        p.drawRect(cadre);
    }
}

void TImageKorlan::mousePressEvent(QMouseEvent* e) {
    m_presse = e->button() == Qt::LeftButton;
    e->accept();
}

void TImageKorlan::mouseReleaseEvent(QMouseEvent* e) {
    // A click is a press and a release on the picture, as for a button.
    const bool clic = m_presse && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    m_presse = false;
    e->accept();
    if (clic) emit clique();
}

void TImageKorlan::mouseMoveEvent(QMouseEvent* e) {
    emit survole();
    e->accept(); // not the background's move
}

void TImageKorlan::enterEvent(QEnterEvent* e) {
    emit survole();
    QWidget::enterEvent(e);
}

void TImageKorlan::focusInEvent(QFocusEvent* e) {
    emit survole();
    QWidget::focusInEvent(e);
}

void TImageKorlan::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clique();
        break;
    default:
        QWidget::keyPressEvent(e);
    }
}

TFondKorlan::TFondKorlan(const QString& nom, QWidget* parent) : TVueImage(parent) {
    setObjectName(nom);
    setMouseTracking(true);
    setFixedSize(LARGEUR_VUE_KORLAN, HAUTEUR_VUE_KORLAN);
}

void TFondKorlan::mouseMoveEvent(QMouseEvent* e) {
    emit survole();
    TVueImage::mouseMoveEvent(e);
}

void TFondKorlan::leaveEvent(QEvent* e) {
    // Leaving for one of its pictures is not leaving: the picture says so itself.
    emit survole();
    TVueImage::leaveEvent(e);
}

TFormKorlan::TFormKorlan(Travail& travail, Fenetres& fenetres, QWidget* menu)
    : QWidget(menu, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_travail(travail), m_fenetres(fenetres), m_menu(menu) {
    setObjectName("FormKorlan");
    setProperty(aide::Propriete, aide::Catalogue);
    FormCreate();
}

void TFormKorlan::FormCreate() {
    setFixedSize(LARGEUR_VUE_KORLAN, HAUTEUR_TITRE + HAUTEUR_VUE_KORLAN + HAUTEUR_BOUTONS);

    const auto titre = [](QWidget* parent, const char* nom) {
        auto* t = new QLabel(parent);
        t->setObjectName(nom);
        t->setAlignment(Qt::AlignCenter);
        t->setAutoFillBackground(true);
        QPalette bande = t->palette();
        bande.setColor(QPalette::Window, QColor(couleurs::bandeCatalogue));
        bande.setColor(QPalette::WindowText, QColor(couleurs::texteBande));
        t->setPalette(bande);
        QFont f = t->font();
        f.setPointSizeF(f.pointSizeF() * 1.5);
        f.setBold(true);
        t->setFont(f);
        t->setFixedHeight(HAUTEUR_TITRE);
        return t;
    };
    const auto texteSurvol = [](QWidget* parent, const char* nom) {
        auto* t = new QLabel(parent);
        t->setObjectName(nom);
        t->setAlignment(Qt::AlignCenter);
        QFont f = t->font();
        f.setPointSizeF(f.pointSizeF() * 1.35);
        f.setBold(true);
        t->setFont(f);
        return t;
    };
    const auto bouton = [this](QWidget* parent, const char* nom, QStyle::StandardPixmap icone) {
        auto* b = new QPushButton(parent);
        b->setObjectName(nom);
        b->setIcon(style()->standardIcon(icone));
        // Enter presses the button that has the focus.
        b->setAutoDefault(true);
        b->setMinimumSize(140, 38);
        return b;
    };
    // A panel: its title, its picture, and a bar of buttons below.
    const auto panneau = [this](const char* nom, QLabel* titre, QWidget* vue, QHBoxLayout*& barre) {
        auto* p = titre->parentWidget();
        p->setObjectName(nom);
        p->setGeometry(0, 0, width(), height());
        auto* l = new QVBoxLayout(p);
        l->setContentsMargins(0, 0, 0, 0);
        l->setSpacing(0);
        l->addWidget(titre);
        l->addWidget(vue);
        auto* bas = new QWidget(p);
        bas->setFixedHeight(HAUTEUR_BOUTONS);
        barre = new QHBoxLayout(bas);
        barre->setContentsMargins(14, 8, 14, 8);
        barre->setSpacing(12);
        l->addWidget(bas);
        return p;
    };
    QHBoxLayout* barre = nullptr;

    // The site, with the two areas to pick.
    PanelPrincipal = new QWidget(this);
    TextTitrePrincipal = titre(PanelPrincipal, "TextTitrePrincipal");
    Image1 = new TFondKorlan("Image1", PanelPrincipal);
    panneau("PanelPrincipal", TextTitrePrincipal, Image1, barre);
    TextUsineVirtuelle = texteSurvol(PanelPrincipal, "TextUsineVirtuelle");
    ButtonFermer = bouton(PanelPrincipal, "ButtonFermer", QStyle::SP_DialogCloseButton);
    barre->addSpacing(ButtonFermer->minimumWidth());
    barre->addWidget(TextUsineVirtuelle, 1);
    barre->addWidget(ButtonFermer);
    ImageSelectUsine = new TImageKorlan("ImageSelectUsine", Image1);
    ImageSelectUsine->setGeometry(CadreSelectUsine());
    ImageSelectLocal = new TImageKorlan("ImageSelectLocal", Image1);
    ImageSelectLocal->setGeometry(CadreSelectLocal());

    // The two areas and their applications.
    PanelUsine = new QWidget(this);
    TextTitreUsine = titre(PanelUsine, "TextTitreUsine");
    ImageUsine = new TFondKorlan("ImageUsine", PanelUsine);
    panneau("PanelUsine", TextTitreUsine, ImageUsine, barre);
    ButtonRetour1 = bouton(PanelUsine, "ButtonRetour1", QStyle::SP_ArrowBack);
    TextProduction = texteSurvol(PanelUsine, "TextProduction");
    barre->addWidget(ButtonRetour1);
    barre->addWidget(TextProduction, 1);
    barre->addSpacing(ButtonRetour1->minimumWidth());

    PanelLocalTechnique = new QWidget(this);
    TextTitreLocal = titre(PanelLocalTechnique, "TextTitreLocal");
    ImageLocalTechnique = new TFondKorlan("ImageLocalTechnique", PanelLocalTechnique);
    panneau("PanelLocalTechnique", TextTitreLocal, ImageLocalTechnique, barre);
    ButtonRetour2 = bouton(PanelLocalTechnique, "ButtonRetour2", QStyle::SP_ArrowBack);
    TextLocal = texteSurvol(PanelLocalTechnique, "TextLocal");
    barre->addWidget(ButtonRetour2);
    barre->addWidget(TextLocal, 1);
    barre->addSpacing(ButtonRetour2->minimumWidth());

    for (const ApplicationKorlan& a : ApplicationsKorlan()) {
        TFondKorlan* fond = a.zone() == PanneauKorlan::Usine ? ImageUsine : ImageLocalTechnique;
        auto* image = new TImageKorlan(a.image, fond);
        image->setGeometry(a.cadre);
        // A hidden application is in the window, never on view.
        image->setVisible(a.visible);
        const int code = a.code;
        connect(image, &TImageKorlan::clique, this, [this, code] { ImageApplicationClick(code); });
        if (a.zone() == PanneauKorlan::Usine)
            connect(image, &TImageKorlan::survole, this, [this, image] { ImageUsineMouseMove(image); });
        else
            connect(image, &TImageKorlan::survole, this,
                    [this, image] { ImageLocalTechniqueMouseMove(image); });
        m_applications[code] = image;
    }

    // The illustration of the chosen application.
    PanelAnimation = new QWidget(this);
    TextTitreAnimation = titre(PanelAnimation, "TextTitreAnimation");
    ImageApplication = new TVueImage(PanelAnimation);
    ImageApplication->setObjectName("ImageApplication");
    ImageApplication->setFixedSize(LARGEUR_VUE_KORLAN, HAUTEUR_VUE_KORLAN);
    panneau("PanelAnimation", TextTitreAnimation, ImageApplication, barre);
    ButtonRetourAnim = bouton(PanelAnimation, "ButtonRetourAnim", QStyle::SP_ArrowBack);
    ButtonConfigure = bouton(PanelAnimation, "ButtonConfigure", QStyle::SP_FileDialogDetailedView);
    ButtonValide = bouton(PanelAnimation, "ButtonValide", QStyle::SP_DialogApplyButton);
    barre->addWidget(ButtonRetourAnim);
    barre->addStretch(1);
    barre->addWidget(ButtonConfigure);
    barre->addWidget(ButtonValide);

    connect(ImageSelectUsine, &TImageKorlan::clique, this, &TFormKorlan::ImageSelectUsineClick);
    connect(ImageSelectLocal, &TImageKorlan::clique, this, &TFormKorlan::ImageSelectLocalClick);
    connect(ImageSelectUsine, &TImageKorlan::survole, this, [this] { Image1MouseMove(ImageSelectUsine); });
    connect(ImageSelectLocal, &TImageKorlan::survole, this, [this] { Image1MouseMove(ImageSelectLocal); });
    connect(Image1, &TFondKorlan::survole, this, [this] { Image1MouseMove(nullptr); });
    connect(ImageUsine, &TFondKorlan::survole, this, [this] { ImageUsineMouseMove(nullptr); });
    connect(ImageLocalTechnique, &TFondKorlan::survole, this,
            [this] { ImageLocalTechniqueMouseMove(nullptr); });
    connect(ButtonFermer, &QPushButton::clicked, this, &TFormKorlan::ButtonFermerClick);
    connect(ButtonRetour1, &QPushButton::clicked, this, &TFormKorlan::ButtonRetour1Click);
    connect(ButtonRetour2, &QPushButton::clicked, this, &TFormKorlan::ButtonRetour1Click);
    connect(ButtonRetourAnim, &QPushButton::clicked, this, &TFormKorlan::ButtonRetourAnimClick);
    connect(ButtonValide, &QPushButton::clicked, this, &TFormKorlan::ButtonValideClick);
    connect(ButtonConfigure, &QPushButton::clicked, this, &TFormKorlan::ButtonConfigureClick);

    // Keyboard order: the pictures in their reading order, then the buttons.
    setTabOrder(ImageSelectUsine, ImageSelectLocal);
    setTabOrder(ImageSelectLocal, ButtonFermer);
    for (PanneauKorlan zone : {PanneauKorlan::Usine, PanneauKorlan::LocalTechnique}) {
        QWidget* precedent = nullptr;
        for (TImageKorlan* i : imagesZone(zone)) {
            if (precedent) setTabOrder(precedent, i);
            precedent = i;
        }
        setTabOrder(precedent, zone == PanneauKorlan::Usine ? ButtonRetour1 : ButtonRetour2);
    }
    setTabOrder(ButtonRetourAnim, ButtonConfigure);
    setTabOrder(ButtonConfigure, ButtonValide);

    montrePanneau(PanneauKorlan::Principal);
    m_travail.ApplicationCourante = 0;
    Langue();
}

void TFormKorlan::Langue() {
    const auto& k = TextesKorlan().Texte;
    setWindowTitle(LegendeFenetre("Korlan"));
    TextTitrePrincipal->setText(k[0]);
    TextTitreUsine->setText(k[2].trimmed());
    TextTitreLocal->setText(k[1].trimmed());
    ImageSelectUsine->setLegende(k[2].trimmed());
    ImageSelectLocal->setLegende(k[1].trimmed());
    for (const auto& [code, image] : m_applications)
        image->setLegende(TexteSurvolApplication(code).trimmed());
    const QString retour = Traduit("Retour", "Back", "Volver");
    for (QPushButton* b : {ButtonRetour1, ButtonRetour2, ButtonRetourAnim})
        b->setText(retour);
    ButtonRetour1->setToolTip(Traduit("Retour au site", "Back to the site", "Volver al sitio"));
    ButtonRetour2->setToolTip(ButtonRetour1->toolTip());
    ButtonRetourAnim->setToolTip(Traduit("Retour à l'atelier de l'application",
                                         "Back to the application's area",
                                         "Volver a la zona de la aplicación"));
    ButtonFermer->setText(Textes().Texte[txt::Fermer]);
    ButtonFermer->setToolTip(Textes().Texte[txt::FermerFenetre]);
    ButtonValide->setText(Traduit("Valider", "Confirm", "Validar"));
    ButtonValide->setToolTip(Traduit("Lance l'application avec ses paramètres par défaut",
                                     "Starts the application with its default parameters",
                                     "Inicia la aplicación con sus parámetros por defecto"));
    ButtonConfigure->setText(Traduit("Configurer", "Configure", "Configurar"));
    ButtonConfigure->setToolTip(Traduit("Règle les paramètres de l'application avant de la lancer",
                                        "Sets the application's parameters before starting it",
                                        "Ajusta los parámetros de la aplicación antes de iniciarla"));
}

void TFormKorlan::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) FormShow();
    QWidget::showEvent(e);
}

void TFormKorlan::FormShow() {
    Langue();
    chargeImages();
    PanelPrincipalShow();
}

void TFormKorlan::chargeImages() {
    const QString& dossier = dossiers().DossierApplications;
    const auto montre = [](auto* vue, const ImageOuMessage& i) {
        if (i.image.isNull())
            vue->montreMessage(i.message);
        else
            vue->montreImage(i.image);
    };
    std::map<int, QImage> vignettes;
    for (const ApplicationKorlan& a : ApplicationsKorlan()) {
        if (!a.vignette) continue;
        const ImageOuMessage v = ChargeImageKorlan(dossier, a.vignette);
        montre(m_applications.at(a.code), v);
        vignettes[a.code] = v.image;
    }
    const ImageOuMessage usine = ChargeImageKorlan(dossier, IMAGE_USINE);
    const ImageOuMessage local = ChargeImageKorlan(dossier, IMAGE_LOCAL);
    montre(Image1, ChargeImageKorlan(dossier, IMAGE_SITE));
    montre(ImageUsine, usine);
    montre(ImageLocalTechnique, local);
    // The site shows each area as it is inside, its applications in their places.
    montre(ImageSelectUsine, {ApercuZone(usine.image, PanneauKorlan::Usine, vignettes), usine.message});
    montre(ImageSelectLocal,
           {ApercuZone(local.image, PanneauKorlan::LocalTechnique, vignettes), local.message});
}

void TFormKorlan::PanelPrincipalShow() {
    m_travail.ApplicationCourante = 0;
    TextTitrePrincipal->setText(TextesKorlan().Texte[txtKorlan::Application]);
    Image1MouseMove(nullptr);
    montrePanneau(PanneauKorlan::Principal);
}

void TFormKorlan::ImageSelectUsineClick() {
    ImageUsineMouseMove(nullptr);
    montrePanneau(PanneauKorlan::Usine);
}

void TFormKorlan::ImageSelectLocalClick() {
    ImageLocalTechniqueMouseMove(nullptr);
    montrePanneau(PanneauKorlan::LocalTechnique);
}

void TFormKorlan::ImageApplicationClick(int code) {
    m_travail.ApplicationCourante = code;
    Animate();
}

void TFormKorlan::Animate() {
    const int code = m_travail.ApplicationCourante;
    montrePanneau(PanneauKorlan::Animation);
    TextTitreAnimation->setText(NomApplication(code).trimmed());
    const QString fichier = IllustrationApplication(code);
    // A code without an illustration shows none, rather than the last application's.
    const ImageOuMessage i = ChargeImageKorlan(dossiers().DossierApplications, fichier);
    if (i.image.isNull())
        ImageApplication->montreMessage(i.message);
    else
        ImageApplication->montreImage(i.image);
}

void TFormKorlan::survol(const std::vector<TImageKorlan*>& images, TImageKorlan* image, QLabel* texte) {
    for (TImageKorlan* i : images)
        i->setOpaque(i == image);
    texte->setText(image ? image->legende() : QString());
}

void TFormKorlan::Image1MouseMove(TImageKorlan* image) {
    survol({ImageSelectUsine, ImageSelectLocal}, image, TextUsineVirtuelle);
}

void TFormKorlan::ImageUsineMouseMove(TImageKorlan* image) {
    survol(imagesZone(PanneauKorlan::Usine), image, TextProduction);
}

void TFormKorlan::ImageLocalTechniqueMouseMove(TImageKorlan* image) {
    survol(imagesZone(PanneauKorlan::LocalTechnique), image, TextLocal);
}

std::vector<TImageKorlan*> TFormKorlan::imagesZone(PanneauKorlan zone) const {
    std::vector<TImageKorlan*> images;
    for (const ApplicationKorlan& a : ApplicationsKorlan())
        if (a.zone() == zone) images.push_back(m_applications.at(a.code));
    return images;
}

void TFormKorlan::ButtonRetour1Click() {
    PanelPrincipalShow();
}

void TFormKorlan::ButtonRetourAnimClick() {
    const std::optional<PanneauKorlan> p = PanneauRetourAnimation(m_travail.ApplicationCourante);
    if (!p) return;
    if (*p == PanneauKorlan::Usine)
        ImageSelectUsineClick();
    else
        ImageSelectLocalClick();
}

void TFormKorlan::ButtonValideClick() {
    ButtonRetourAnimClick();
    if (TConfigurationApplication* c = m_fenetres.ConfigurationApplication) c->SetParamInit();
    if (QWidget* run = m_fenetres.FormApplication) run->show();
    close();
}

void TFormKorlan::ButtonConfigureClick() {
    TConfigurationApplication* c = m_fenetres.ConfigurationApplication;
    if (!c || c->exec() != QDialog::Accepted) return;
    if (QWidget* run = m_fenetres.FormApplication) run->show();
    close();
}

void TFormKorlan::ButtonFermerClick() {
    close();
}

void TFormKorlan::closeEvent(QCloseEvent* e) {
    FormClose();
    QWidget::closeEvent(e);
}

void TFormKorlan::FormClose() {
    QWidget* run = m_fenetres.FormApplication;
    const bool enCours = run && run->isVisible();
    if (TAvertissements* a = m_fenetres.Avertissements) {
        a->Code = m_travail.ApplicationCourante;
        if (enCours && a->test()) a->exec();
    }
    // Closing without a run goes back to the main menu.
    if (m_menu) m_menu->setVisible(!enCours);
}

void TFormKorlan::keyPressEvent(QKeyEvent* e) {
    const PanneauKorlan p = Panneau();
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        if (p == PanneauKorlan::Principal)
            ButtonFermerClick();
        else if (p == PanneauKorlan::Animation)
            ButtonRetourAnimClick();
        else
            ButtonRetour1Click();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && p == PanneauKorlan::Animation) {
        ButtonValideClick();
        return;
    }
    QWidget::keyPressEvent(e);
}

QWidget* TFormKorlan::panneau(PanneauKorlan p) const {
    switch (p) {
    case PanneauKorlan::Principal:
        return PanelPrincipal;
    case PanneauKorlan::Usine:
        return PanelUsine;
    case PanneauKorlan::LocalTechnique:
        return PanelLocalTechnique;
    case PanneauKorlan::Animation:
        return PanelAnimation;
    }
    return PanelPrincipal;
}

PanneauKorlan TFormKorlan::Panneau() const {
    for (PanneauKorlan p : {PanneauKorlan::Usine, PanneauKorlan::LocalTechnique, PanneauKorlan::Animation})
        if (!panneau(p)->isHidden()) return p;
    return PanneauKorlan::Principal;
}

void TFormKorlan::montrePanneau(PanneauKorlan p) {
    QWidget* montre = panneau(p);
    montre->show();
    montre->raise();
    for (PanneauKorlan autre : {PanneauKorlan::Principal, PanneauKorlan::Usine, PanneauKorlan::LocalTechnique,
                                PanneauKorlan::Animation})
        if (autre != p) panneau(autre)->hide();
    // The focus on the panel's way on; Tab then goes through its pictures.
    QPushButton* suite = p == PanneauKorlan::Principal   ? ButtonFermer
                         : p == PanneauKorlan::Usine     ? ButtonRetour1
                         : p == PanneauKorlan::Animation ? ButtonValide
                                                         : ButtonRetour2;
    suite->setFocus();
}

TImageKorlan* TFormKorlan::ImageDuCode(int code) const {
    const auto i = m_applications.find(code);
    return i == m_applications.end() ? nullptr : i->second;
}

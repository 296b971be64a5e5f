#include "AboutBox.h"

#include <QMenu>

#include "Fenetres.h"

#include "Controles.h"

#include "socle/Pictogrammes.h"
#include "socle/Textes.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setModal(true);
    const QIcon icone = pictogrammes::icone(pictogrammes::Icone::Caracteristiques);
    setWindowIcon(icone);
    auto* l = new QGridLayout(this);
    l->setHorizontalSpacing(14);
    ProgramIcon = new QLabel(this);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setPixmap(icone.pixmap(48, 48));
    l->addWidget(ProgramIcon, 0, 0, 2, 1, Qt::AlignTop);
    ProductName = new QLabel(this);
    ProductName->setObjectName("ProductName");
    ProductName->setWordWrap(true);
    QFont gras = ProductName->font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.25);
    ProductName->setFont(gras);
    l->addWidget(ProductName, 0, 1);
    Version = new QLabel(QStringLiteral("Version 1.7"), this);
    Version->setObjectName("Version");
    l->addWidget(Version, 1, 1);
    Image = new QLabel(this);
    Image->setObjectName("Image");
    Image->setFrameShape(QFrame::StyledPanel);
    // The banner is drawn when the box shows, for the screen it shows on.
    Image->setFixedSize(QSize(420, 120) + QSize(2, 2) * Image->frameWidth());
    l->addWidget(Image, 2, 0, 1, 2, Qt::AlignCenter);
    Copyright = new QLabel(this);
    Copyright->setObjectName("Copyright");
    Copyright->setWordWrap(true);
    l->addWidget(Copyright, 3, 0, 1, 2);
    Comments = new QLabel(this);
    Comments->setObjectName("Comments");
    Comments->setWordWrap(true);
    l->addWidget(Comments, 4, 0, 1, 2);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    l->addWidget(OKButton, 5, 0, 1, 2, Qt::AlignRight);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
    l->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::FormShow() {
    setWindowTitle(QStringLiteral("A propos"));
    ProductName->setText(Textes().Texte[txt::NomProduit]);
    ProgramIcon->setAccessibleName(Traduit("Icône de Vimra", "Vimra's icon", "Icono de Vimra"));
    Image->setAccessibleName(Traduit("Bannière de Vimra", "Vimra's banner", "Banner de Vimra"));
    if (Image->pixmap().isNull() || Image->pixmap().devicePixelRatio() != devicePixelRatioF())
        Image->setPixmap(pictogrammes::banniere(420, 120, devicePixelRatioF(), QString()));
    Copyright->setText(Traduit("© Les auteurs de Vimra. Logiciel d'enseignement du banc à charge active.",
                               "© The Vimra authors. Teaching software of the active-load bench.",
                               "© Los autores de Vimra. Programa de enseñanza del banco de carga activa."));
    Comments->setText(Traduit("Étude des machines électriques et de leurs applications industrielles.",
                              "Study of electric machines and of their industrial applications.",
                              "Estudio de las máquinas eléctricas y de sus aplicaciones industriales."));
}

void TAboutBox::showEvent(QShowEvent* e) {
    FormShow();
    QDialog::showEvent(e);
}

void EntreeAPropos(QMenu* aide, QObject* contexte, const Fenetres& fenetres) {
    EntreeTexte(aide->addAction(QString(), contexte,
                                [&fenetres] {
                                    if (TAboutBox* a = fenetres.AboutBox) a->exec();
                                }),
                286);
}

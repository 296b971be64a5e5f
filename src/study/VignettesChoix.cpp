#include "VignettesChoix.h"

#include "Catalogue.h"
#include "FormVisuApp.h"
#include "SchemasChoix.h"
#include "socle/Dossiers.h"
#include "socle/IconeDessinee.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>

namespace {

void montreImage(TVueImage* vue, const QString& nom) {
    const ImageOuMessage i = ChargeImageApplications(dossiers().DossierApplications, nom);
    if (i.image.isNull())
        vue->montreMessage(i.message);
    else
        vue->montreImage(i.image);
}

// A picture of the screen keeps the proportions of the pictures delivered.
class VueVignette : public TVueImage {
public:
    using TVueImage::TVueImage;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int w) const override { return w * 5 / 8; }
    QSize sizeHint() const override { return {320, 200}; }
};

QIcon glyphe(std::function<void(QPainter&, const QRectF&)> dessine) {
    return IconeDessinee(QSizeF(TailleGlyphe), std::move(dessine));
}

} // namespace

TVignettesChoix::TVignettesChoix(QLabel* nomMachine, QLabel* nomCharge, Qt::Orientation sens, QWidget* parent)
    : QWidget(parent) {
    auto* l = new QGridLayout(this);
    l->setContentsMargins(0, 4, 0, 4);
    ImageMachine = new VueVignette(this);
    ImageMachine->setObjectName("ImageMachine");
    ImageCharge = new VueVignette(this);
    ImageCharge->setObjectName("ImageCharge");
    for (TVueImage* v : {ImageMachine, ImageCharge}) {
        v->setFond(Qt::transparent);
        v->setMinimumSize(160, 100);
        v->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    }
    for (QLabel* n : {nomMachine, nomCharge}) {
        n->setParent(this);
        n->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        n->setWordWrap(true);
    }
    const bool cote = sens == Qt::Horizontal;
    l->addWidget(ImageMachine, 0, 0);
    l->addWidget(nomMachine, 1, 0);
    l->addWidget(ImageCharge, cote ? 0 : 2, cote ? 1 : 0);
    l->addWidget(nomCharge, cote ? 1 : 3, cote ? 1 : 0);
    l->setRowStretch(cote ? 2 : 4, 1);
}

void TVignettesChoix::Montre(int machine, int charge) {
    // Only what changed is read again.
    if (machine != m_machine) montreImage(ImageMachine, ImageMachineChoix(machine));
    if (charge != m_charge) montreImage(ImageCharge, ImageChargeChoix(charge));
    m_machine = machine;
    m_charge = charge;
}

QIcon GlypheMachine(int typeMachine) {
    StyleSchema s;
    s.detaille = false;
    return glyphe([=](QPainter& p, const QRectF& r) { DessineSymboleMachine(p, r, typeMachine, s); });
}

QIcon GlypheCharge(int typeCharge) {
    StyleSchema s;
    s.detaille = false;
    return glyphe([=](QPainter& p, const QRectF& r) { DessineAllureCharge(p, r, typeCharge, s); });
}

#include "CatalogueKorlan.h"

#include "ReglagesApplication.h"
#include "socle/ImageJpeg.h"
#include "socle/Textes.h"
#include "work/Applications.h"

#include <QPainter>

#include <array>

namespace {

// The application pictures on an area picture: 200 x 140, the proportions of the illustrations.
constexpr int L = 200;
constexpr int H = 140;

const std::array<ApplicationKorlan, 14> applications{{
    {51, "ImageBanderol", true, "vignette_banderole.jpg", QRect(84, 92, L, H)},
    {52, "ImagePalette", true, "vignette_palette.jpg", QRect(382, 92, L, H)},
    {53, "ImageConvoyeur", true, "vignette_convoyeur.jpg", QRect(680, 92, L, H)},
    {54, "ImagePosrelatif", false, nullptr, QRect()},
    {55, "ImageEnrouleur", false, nullptr, QRect()},
    {56, "ImageSynchronisation", false, nullptr, QRect()},
    {57, "ImageCoupe", true, "vignette_coupe.jpg", QRect(233, 322, L, H)},
    {58, "ImageLevage", true, "vignette_levage.jpg", QRect(531, 322, L, H)},
    {60, "ImageAlternateur", false, nullptr, QRect()},
    {61, "ImagePompe", true, "vignette_pompe.jpg", QRect(150, 96, L, H)},
    {62, "ImageVentilation", true, "vignette_ventilation.jpg", QRect(614, 96, L, H)},
    {63, "ImageCompresseur", false, nullptr, QRect()},
    {64, "ImageDesenfumage", true, "vignette_desenfumage.jpg", QRect(614, 330, L, H)},
    {66, "ImageTapisRoulant", true, "vignette_tapis_roulant.jpg", QRect(150, 330, L, H)},
}};

} // namespace

QRect CadreSelectUsine() {
    return {72, 214, 430, 250};
}

QRect CadreSelectLocal() {
    return {606, 262, 296, 172};
}

std::span<const ApplicationKorlan> ApplicationsKorlan() {
    return applications;
}

const ApplicationKorlan* ApplicationKorlanDuCode(int code) {
    for (const ApplicationKorlan& a : applications)
        if (a.code == code) return &a;
    return nullptr;
}

QString IllustrationApplication(int code) {
    const DescriptionApplication* a = DescriptionDApplication(code);
    return a ? QString::fromLatin1(a->illustration) : QString();
}

std::optional<PanneauKorlan> PanneauRetourAnimation(int code) {
    const DescriptionApplication* a = DescriptionDApplication(code);
    if (!a) return std::nullopt;
    return a->zone == ZoneApplication::Usine ? PanneauKorlan::Usine : PanneauKorlan::LocalTechnique;
}

QString TexteSurvolApplication(int code) {
    return ApplicationKorlanDuCode(code) ? NomApplication(code) : QString();
}

std::vector<QString> ImagesKorlan() {
    std::vector<QString> noms{IMAGE_SITE, IMAGE_USINE, IMAGE_LOCAL};
    for (const ApplicationKorlan& a : applications)
        if (a.vignette) noms.emplace_back(QString::fromLatin1(a.vignette));
    for (const DescriptionApplication& a : DescriptionsApplications())
        noms.emplace_back(QString::fromLatin1(a.illustration));
    return noms;
}

QImage ApercuZone(const QImage& fond, PanneauKorlan zone, const std::map<int, QImage>& vignettes) {
    if (fond.isNull()) return {};
    QImage vue = fond.convertToFormat(QImage::Format_RGB32);
    // The places are in logical pixels of the panel; the picture may have more of them.
    const qreal ex = qreal(vue.width()) / LARGEUR_VUE_KORLAN, ey = qreal(vue.height()) / HAUTEUR_VUE_KORLAN;
    QPainter p(&vue);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const ApplicationKorlan& a : applications) {
        const auto v = vignettes.find(a.code);
        if (a.zone() != zone || !a.visible || v == vignettes.end() || v->second.isNull()) continue;
        const QRectF c = a.cadre.toRectF();
        p.drawImage(QRectF(c.x() * ex, c.y() * ey, c.width() * ex, c.height() * ey), v->second);
    }
    return vue;
}

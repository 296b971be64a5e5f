#include "CatalogueKorlan.h"

#include "ConfigApplication.h"
#include "socle/ImageJpeg.h"
#include "socle/Textes.h"

#include <QPainter>

#include <array>

namespace {

// The application pictures on an area picture: 200 x 140, the proportions of the illustrations.
constexpr int L = 200;
constexpr int H = 140;

using P = PanneauKorlan;

const std::array<ApplicationKorlan, 14> applications{{
    {51, "ImageBanderol", P::Usine, true, "vignette_banderole.jpg", QRect(84, 92, L, H)},
    {52, "ImagePalette", P::Usine, true, "vignette_palette.jpg", QRect(382, 92, L, H)},
    {53, "ImageConvoyeur", P::Usine, true, "vignette_convoyeur.jpg", QRect(680, 92, L, H)},
    {54, "ImagePosrelatif", P::Usine, false, nullptr, QRect()},
    {55, "ImageEnrouleur", P::Usine, false, nullptr, QRect()},
    {56, "ImageSynchronisation", P::Usine, false, nullptr, QRect()},
    {57, "ImageCoupe", P::Usine, true, "vignette_coupe.jpg", QRect(233, 322, L, H)},
    {58, "ImageLevage", P::Usine, true, "vignette_levage.jpg", QRect(531, 322, L, H)},
    {60, "ImageAlternateur", P::LocalTechnique, false, nullptr, QRect()},
    {61, "ImagePompe", P::LocalTechnique, true, "vignette_pompe.jpg", QRect(150, 96, L, H)},
    {62, "ImageVentilation", P::LocalTechnique, true, "vignette_ventilation.jpg", QRect(614, 96, L, H)},
    {63, "ImageCompresseur", P::LocalTechnique, false, nullptr, QRect()},
    {64, "ImageDesenfumage", P::LocalTechnique, true, "vignette_desenfumage.jpg", QRect(614, 330, L, H)},
    {66, "ImageTapisRoulant", P::LocalTechnique, true, "vignette_tapis_roulant.jpg", QRect(150, 330, L, H)},
}};

// Illustrations of the codes 51 to 66, in order.
constexpr const char* illustrations[] = {
    "conditionnement.jpg", "pos_absolu.jpg",  "convoyeur.jpg", "pos_relatif.jpg",
    "deroulage.jpg",       "synchro.jpg",     "coupe.jpg",     "pont_roulant.jpg",
    "reseau.jpg",          "alternateur.jpg", "pompes.jpg",    "ventilation.jpg",
    "compresseur.jpg",     "desenfumage.jpg", "atex_gaz.jpg",  "atex_poussiere.jpg",
};
static_assert(std::size(illustrations) == 66 - 51 + 1);

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
    if (code < 51 || code > 66) return {};
    return QString::fromLatin1(illustrations[code - 51]);
}

std::optional<PanneauKorlan> PanneauRetourAnimation(int code) {
    if (code >= 51 && code <= 59) return PanneauKorlan::Usine;
    if (code >= 60 && code <= 66) return PanneauKorlan::LocalTechnique;
    return std::nullopt;
}

QString TexteSurvolApplication(int code) {
    return ApplicationKorlanDuCode(code) ? NomApplication(code) : QString();
}

std::vector<QString> ImagesKorlan() {
    std::vector<QString> noms{IMAGE_SITE, IMAGE_USINE, IMAGE_LOCAL};
    for (const ApplicationKorlan& a : applications)
        if (a.vignette) noms.emplace_back(QString::fromLatin1(a.vignette));
    for (const char* i : illustrations)
        noms.emplace_back(QString::fromLatin1(i));
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
        if (a.zone != zone || !a.visible || v == vignettes.end() || v->second.isNull()) continue;
        const QRectF c = a.cadre.toRectF();
        p.drawImage(QRectF(c.x() * ex, c.y() * ey, c.width() * ex, c.height() * ey), v->second);
    }
    return vue;
}

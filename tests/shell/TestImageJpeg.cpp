// The JPEG loader on good, truncated, corrupt and oversized files: a picture or an error, never a
// crash, an exit or a read past the buffer (this test also runs under the sanitizers).
#include "socle/ImageJpeg.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <jpeglib.h>

#include <gtest/gtest.h>

#include <random>

namespace {

// A picture with edges, gradients and flat areas, like the application pictures.
QImage motif(int largeur = 96, int hauteur = 64) {
    QImage im(largeur, hauteur, QImage::Format_RGB32);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x)
            im.setPixel(x, y, qRgb(x * 255 / largeur, y * 255 / hauteur, (x / 16 + y / 16) % 2 ? 200 : 40));
    return im;
}

// Mean absolute difference of the channels.
double ecart(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    double s = 0;
    for (int j = 0; j < x.height(); ++j)
        for (int i = 0; i < x.width(); ++i) {
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            s +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return s / (3.0 * x.width() * x.height());
}

// A decoded picture is whole and within the bounds; a refused one has no picture and says why.
void estCoherent(const ImageJpeg& r, const LimitesJpeg& l = {}) {
    if (r.ok()) {
        ASSERT_FALSE(r.image.isNull());
        ASSERT_TRUE(r.detail.isEmpty());
        ASSERT_LE(r.image.width(), l.coteMax);
        ASSERT_LE(r.image.height(), l.coteMax);
    } else {
        ASSERT_TRUE(r.image.isNull());
        ASSERT_FALSE(r.detail.isEmpty());
    }
}

struct Variante {
    const char* nom;
    OptionsJpeg options;
};

class Jpeg : public testing::TestWithParam<Variante> {
protected:
    QByteArray fichier() const {
        QString e;
        const QByteArray b = EncodeJpeg(motif(), GetParam().options, &e);
        EXPECT_FALSE(b.isEmpty()) << e.toStdString();
        return b;
    }
};

TEST_P(Jpeg, DecodesWhatWasEncoded) {
    const ImageJpeg r = DecodeJpeg(fichier());
    ASSERT_TRUE(r.ok()) << r.detail.toStdString();
    EXPECT_EQ(r.image.size(), QSize(96, 64));
    if (GetParam().options.niveauxDeGris) {
        EXPECT_EQ(r.image.format(), QImage::Format_Grayscale8);
        EXPECT_LT(ecart(r.image, motif().convertToFormat(QImage::Format_Grayscale8)), 4.0);
    } else {
        EXPECT_EQ(r.image.format(), QImage::Format_RGB888);
        EXPECT_LT(ecart(r.image, motif()), 6.0);
    }
}

TEST_P(Jpeg, EveryTruncationIsRefused) {
    const QByteArray b = fichier();
    for (qsizetype n = 0; n < b.size(); ++n) {
        const ImageJpeg r = DecodeJpeg(b.left(n));
        ASSERT_EQ(r.erreur, ErreurJpeg::Corrompu) << "length " << n << " of " << b.size();
        estCoherent(r);
    }
}

TEST_P(Jpeg, CorruptBytesGiveAPictureOrAnError) {
    const QByteArray b = fichier();
    std::mt19937 alea(20240611);
    std::uniform_int_distribution<qsizetype> position(0, b.size() - 1);
    std::uniform_int_distribution<int> octet(0, 255), combien(1, 8);
    int refuses = 0, decodes = 0;
    for (int essai = 0; essai < 3000; ++essai) {
        QByteArray c = b;
        for (int k = combien(alea); k > 0; --k)
            c[position(alea)] = char(octet(alea));
        const ImageJpeg r = DecodeJpeg(c);
        estCoherent(r);
        (r.ok() ? decodes : refuses) += 1;
    }
    // Damage in the entropy data still decodes; damage in the markers is refused.
    EXPECT_GT(refuses, 100);
    EXPECT_GT(decodes, 100);
}

TEST_P(Jpeg, HeadersClaimingHugePicturesAreRefusedBeforeDecoding) {
    QByteArray b = fichier();
    const qsizetype sof = std::max(b.indexOf("\xFF\xC0"), b.indexOf("\xFF\xC2"));
    ASSERT_GT(sof, 0);
    // Height and width, big-endian, after the marker, the length and the precision.
    b[sof + 5] = b[sof + 6] = b[sof + 7] = b[sof + 8] = char(0xFE);
    const ImageJpeg r = DecodeJpeg(b);
    EXPECT_EQ(r.erreur, ErreurJpeg::TropGrand);
    EXPECT_TRUE(r.detail.contains("65278 x 65278")) << r.detail.toStdString();
    estCoherent(r);
}

INSTANTIATE_TEST_SUITE_P(Variantes, Jpeg,
                         testing::Values(Variante{"Baseline", {90, false, false}},
                                         Variante{"Progressive", {90, true, false}},
                                         Variante{"Grey", {90, false, true}}),
                         [](const auto& i) { return std::string(i.param.nom); });

struct CasLimite {
    const char* nom;
    bool progressif;
    LimitesJpeg limites;
    ErreurJpeg attendu;
};

class Limites : public testing::TestWithParam<CasLimite> {};

TEST_P(Limites, BoundsAreApplied) {
    const QByteArray b = EncodeJpeg(motif(), {80, GetParam().progressif, false});
    const ImageJpeg r = DecodeJpeg(b, GetParam().limites);
    EXPECT_EQ(r.erreur, GetParam().attendu) << r.detail.toStdString();
    estCoherent(r, GetParam().limites);
}

LimitesJpeg avec(qint64 octets, int cote, qint64 pixels, int passes, long memoire) {
    return {octets, cote, pixels, passes, memoire};
}

const LimitesJpeg l0;

INSTANTIATE_TEST_SUITE_P(
    Cas, Limites,
    testing::Values(
        CasLimite{"DefaultBounds", true, l0, ErreurJpeg::Aucune},
        CasLimite{"FileLargerThanAllowed", false, avec(100, l0.coteMax, l0.pixelsMax, 300, l0.memoireMax),
                  ErreurJpeg::TropGrand},
        CasLimite{"WiderThanAllowed", false, avec(l0.octetsMax, 95, l0.pixelsMax, 300, l0.memoireMax),
                  ErreurJpeg::TropGrand},
        CasLimite{"ExactlyAsWideAsAllowed", false, avec(l0.octetsMax, 96, 96 * 64, 300, l0.memoireMax),
                  ErreurJpeg::Aucune},
        CasLimite{"MorePixelsThanAllowed", false,
                  avec(l0.octetsMax, l0.coteMax, 96 * 64 - 1, 300, l0.memoireMax), ErreurJpeg::TropGrand},
        CasLimite{"MoreScansThanAllowed", true,
                  avec(l0.octetsMax, l0.coteMax, l0.pixelsMax, 3, l0.memoireMax), ErreurJpeg::TropGrand},
        CasLimite{"OneScanIsNeverTooMany", false,
                  avec(l0.octetsMax, l0.coteMax, l0.pixelsMax, 1, l0.memoireMax), ErreurJpeg::Aucune}),
    [](const auto& i) { return std::string(i.param.nom); });

// A progressive picture keeps all its coefficients in libjpeg's memory, which is bounded too.
TEST(JpegMemoire, MoreWorkingMemoryThanAllowedIsRefused) {
    const QByteArray b = EncodeJpeg(motif(1000, 800), {80, true, false});
    LimitesJpeg l;
    EXPECT_TRUE(DecodeJpeg(b, l).ok());
    l.memoireMax = 1000 * 800;
    const ImageJpeg r = DecodeJpeg(b, l);
    EXPECT_EQ(r.erreur, ErreurJpeg::TropGrand) << r.detail.toStdString();
    estCoherent(r);
}

TEST(JpegRefuse, WhatIsNotAJpeg) {
    std::mt19937 alea(7);
    QByteArray bruit(4096, '\0');
    for (auto& c : bruit)
        c = char(alea());
    for (const QByteArray& b : {QByteArray(), QByteArray("\xFF\xD8"), QByteArray("\x89PNG\r\n\x1A\n rest"),
                                bruit, QByteArray(100000, '\xFF')}) {
        const ImageJpeg r = DecodeJpeg(b);
        EXPECT_EQ(r.erreur, ErreurJpeg::Corrompu) << b.left(8).toHex().toStdString();
        estCoherent(r);
    }
}

// Adobe's CMYK files store the inks inverted: 255 is no ink.
TEST(JpegCmjn, AdobeInvertedInksGiveTheirColour) {
    unsigned char* sortie = nullptr;
    unsigned long taille = 0;
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    jpeg_mem_dest(&c, &sortie, &taille);
    c.image_width = 16;
    c.image_height = 16;
    c.input_components = 4;
    c.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    jpeg_start_compress(&c, TRUE);
    // Full cyan and yellow, no magenta, no black: a green.
    std::vector<unsigned char> ligne;
    for (int x = 0; x < 16; ++x)
        ligne.insert(ligne.end(), {0, 255, 0, 255});
    while (c.next_scanline < c.image_height) {
        JSAMPROW r = ligne.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    const QByteArray b(reinterpret_cast<const char*>(sortie), qsizetype(taille));
    std::free(sortie);

    const ImageJpeg r = DecodeJpeg(b);
    ASSERT_TRUE(r.ok()) << r.detail.toStdString();
    const QRgb p = r.image.pixel(8, 8);
    EXPECT_LT(qRed(p), 12);
    EXPECT_GT(qGreen(p), 243);
    EXPECT_LT(qBlue(p), 12);
}

TEST(JpegFichier, LoadsAndReportsFiles) {
    QTemporaryDir d;
    const QDir dossier(d.path());
    EXPECT_TRUE(EnregistreJpeg(motif(), dossier.filePath("a.jpg")));
    const ImageJpeg a = ChargeJpeg(dossier.filePath("a.jpg"));
    ASSERT_TRUE(a.ok()) << a.detail.toStdString();
    EXPECT_EQ(a.image.size(), QSize(96, 64));

    const ImageJpeg absent = ChargeJpeg(dossier.filePath("absent.jpg"));
    EXPECT_EQ(absent.erreur, ErreurJpeg::Absent);
    EXPECT_TRUE(absent.detail.contains("absent.jpg"));
    estCoherent(absent);

    EXPECT_EQ(ChargeJpeg(d.path()).erreur, ErreurJpeg::Illisible);
    LimitesJpeg petit;
    petit.octetsMax = 64;
    EXPECT_EQ(ChargeJpeg(dossier.filePath("a.jpg"), petit).erreur, ErreurJpeg::TropGrand);

    QString e;
    EXPECT_FALSE(EnregistreJpeg(motif(), dossier.filePath("absent/b.jpg"), {}, &e));
    EXPECT_FALSE(e.isEmpty());
}

TEST(JpegEncode, RefusesWhatItCannotEncode) {
    QString e;
    EXPECT_TRUE(EncodeJpeg(QImage(), {}, &e).isEmpty());
    EXPECT_FALSE(e.isEmpty());
    e.clear();
    EXPECT_TRUE(EncodeJpeg(motif(), {0, false, false}, &e).isEmpty());
    EXPECT_FALSE(e.isEmpty());
}

} // namespace

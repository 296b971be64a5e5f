#include "ImageJpeg.h"
#include "FichierAtomique.h"

#include <QFile>
#include <QFileInfo>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

// jpeglib.h needs FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

// libjpeg reports a fatal error by calling error_exit, whose default ends the process. Ours jumps
// back to the function that called libjpeg. The jump crosses only libjpeg's C frames and the
// callbacks below: the functions that hold a setjmp own no object with a destructor, so that no
// destructor is skipped.

namespace {

// More warnings than this is a damaged file, not a camera's quirk.
constexpr int avertissementsMax = 100;

struct GestionErreurs {
    jpeg_error_mgr mgr; // first: libjpeg hands back a pointer to it
    std::jmp_buf saut;
    char message[JMSG_LENGTH_MAX];
    int avertissements;
    int passesMax;
    bool tropGrand;
};

GestionErreurs* gestion(j_common_ptr c) {
    return reinterpret_cast<GestionErreurs*>(c->err);
}

[[noreturn]] void sort(j_common_ptr c) {
    GestionErreurs* g = gestion(c);
    (*c->err->format_message)(c, g->message);
    std::longjmp(g->saut, 1);
}

void erreurFatale(j_common_ptr c) {
    // Out of the memory allowed, or no backing store to spill to: the picture is too large.
    const int code = c->err->msg_code;
    if (code == JERR_OUT_OF_MEMORY || code == JERR_NO_BACKING_STORE || code == JERR_TFILE_CREATE)
        gestion(c)->tropGrand = true;
    sort(c);
}

void message(j_common_ptr c, int niveau) {
    if (niveau >= 0) return; // trace messages
    GestionErreurs* g = gestion(c);
    ++g->avertissements;
    // A truncated file would show a half-grey picture as if it were whole.
    if (c->err->msg_code == JWRN_JPEG_EOF || g->avertissements > avertissementsMax) sort(c);
}

// A progressive file of thousands of tiny scans would keep the window busy for minutes.
void progression(j_common_ptr c) {
    if (!c->is_decompressor) return;
    GestionErreurs* g = gestion(c);
    if (reinterpret_cast<j_decompress_ptr>(c)->input_scan_number > g->passesMax) {
        std::snprintf(g->message, sizeof g->message, "Too many scans (more than %d)", g->passesMax);
        g->tropGrand = true;
        std::longjmp(g->saut, 1);
    }
}

void prepare(GestionErreurs& g, int passesMax) {
    jpeg_std_error(&g.mgr);
    g.mgr.error_exit = erreurFatale;
    g.mgr.emit_message = message;
    g.message[0] = '\0';
    g.avertissements = 0;
    g.passesMax = passesMax;
    g.tropGrand = false;
}

bool creeDecodeur(jpeg_decompress_struct* d, GestionErreurs* g) {
    if (setjmp(g->saut)) return false;
    jpeg_create_decompress(d);
    return true;
}

bool litEntete(jpeg_decompress_struct* d, GestionErreurs* g, const unsigned char* octets,
               unsigned long taille, long memoireMax) {
    if (setjmp(g->saut)) return false;
    d->mem->max_memory_to_use = memoireMax;
    jpeg_mem_src(d, octets, taille);
    jpeg_read_header(d, TRUE);
    switch (d->jpeg_color_space) {
    case JCS_GRAYSCALE:
        d->out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        d->out_color_space = JCS_CMYK;
        break;
    default:
        d->out_color_space = JCS_RGB;
        break;
    }
    jpeg_calc_output_dimensions(d);
    return true;
}

bool decode(jpeg_decompress_struct* d, GestionErreurs* g, unsigned char* bits, qsizetype ligne,
            JDIMENSION largeur, JDIMENSION hauteur, int composantes) {
    if (setjmp(g->saut)) return false;
    jpeg_start_decompress(d);
    // The rows were allocated for the dimensions read from the header.
    if (d->output_width != largeur || d->output_height != hauteur || d->output_components != composantes) {
        std::snprintf(g->message, sizeof g->message, "Inconsistent picture dimensions");
        return false;
    }
    while (d->output_scanline < d->output_height) {
        JSAMPROW rangee = bits + qsizetype(d->output_scanline) * ligne;
        if (jpeg_read_scanlines(d, &rangee, 1) != 1) {
            std::snprintf(g->message, sizeof g->message, "Decoding stopped");
            return false;
        }
    }
    jpeg_finish_decompress(d);
    return true;
}

// CMYK as decoded, 4 bytes a pixel, into RGB32 in place. Adobe's files store the inks inverted.
void convertitCmjn(QImage& image, bool inverse) {
    for (int y = 0; y < image.height(); ++y) {
        uchar* p = image.scanLine(y);
        auto* rgb = reinterpret_cast<QRgb*>(p);
        for (int x = 0; x < image.width(); ++x) {
            int c = p[4 * x], m = p[4 * x + 1], j = p[4 * x + 2], k = p[4 * x + 3];
            if (!inverse) c = 255 - c, m = 255 - m, j = 255 - j, k = 255 - k;
            rgb[x] = qRgb(c * k / 255, m * k / 255, j * k / 255);
        }
    }
}

ImageJpeg echec(ErreurJpeg e, const QString& detail) {
    ImageJpeg r;
    r.erreur = e;
    r.detail = detail;
    return r;
}

} // namespace

ImageJpeg DecodeJpeg(const QByteArray& octets, const LimitesJpeg& limites) {
    if (octets.size() > limites.octetsMax)
        return echec(ErreurJpeg::TropGrand, QString("File too large (%1 bytes)").arg(octets.size()));
    if (octets.isEmpty()) return echec(ErreurJpeg::Corrompu, "Empty file");

    GestionErreurs g;
    prepare(g, limites.passesMax);
    jpeg_progress_mgr progres{};
    progres.progress_monitor = progression;
    jpeg_decompress_struct d{};
    d.err = &g.mgr;
    if (!creeDecodeur(&d, &g)) {
        jpeg_destroy_decompress(&d);
        return echec(ErreurJpeg::Corrompu, QString::fromLatin1(g.message));
    }
    d.progress = &progres;

    ImageJpeg r;
    const auto ferme = [&](ErreurJpeg e) {
        r.image = QImage();
        r.erreur = e;
        r.detail = QString::fromLatin1(g.message);
        if (r.detail.isEmpty()) r.detail = "Damaged picture";
    };
    if (!litEntete(&d, &g, reinterpret_cast<const unsigned char*>(octets.constData()),
                   static_cast<unsigned long>(octets.size()), limites.memoireMax)) {
        ferme(g.tropGrand ? ErreurJpeg::TropGrand : ErreurJpeg::Corrompu);
        jpeg_destroy_decompress(&d);
        return r;
    }
    const JDIMENSION largeur = d.output_width, hauteur = d.output_height;
    const int composantes = d.output_components;
    if (largeur == 0 || hauteur == 0 || largeur > JDIMENSION(limites.coteMax) ||
        hauteur > JDIMENSION(limites.coteMax) || qint64(largeur) * qint64(hauteur) > limites.pixelsMax) {
        jpeg_destroy_decompress(&d);
        return echec(ErreurJpeg::TropGrand,
                     QString("Picture too large (%1 x %2 pixels)").arg(largeur).arg(hauteur));
    }
    const QImage::Format format = composantes == 1   ? QImage::Format_Grayscale8
                                  : composantes == 4 ? QImage::Format_RGB32
                                                     : QImage::Format_RGB888;
    if (composantes != 1 && composantes != 3 && composantes != 4) {
        jpeg_destroy_decompress(&d);
        return echec(ErreurJpeg::Corrompu,
                     QString("Unsupported colour layout (%1 components)").arg(composantes));
    }
    r.image = QImage(int(largeur), int(hauteur), format);
    if (r.image.isNull()) {
        jpeg_destroy_decompress(&d);
        return echec(ErreurJpeg::TropGrand,
                     QString("Not enough memory for %1 x %2 pixels").arg(largeur).arg(hauteur));
    }
    // Rows left grey if decoding stops half-way: never uninitialised memory on screen.
    r.image.fill(Qt::gray);
    if (!decode(&d, &g, r.image.bits(), r.image.bytesPerLine(), largeur, hauteur, composantes)) {
        ferme(g.tropGrand ? ErreurJpeg::TropGrand : ErreurJpeg::Corrompu);
        jpeg_destroy_decompress(&d);
        return r;
    }
    const bool adobe = d.saw_Adobe_marker;
    jpeg_destroy_decompress(&d);
    if (composantes == 4) convertitCmjn(r.image, adobe);
    return r;
}

ImageJpeg ChargeJpeg(const QString& chemin, const LimitesJpeg& limites) {
    const QFileInfo info(chemin);
    if (!info.exists()) return echec(ErreurJpeg::Absent, QString("File not found: %1").arg(chemin));
    if (!info.isFile()) return echec(ErreurJpeg::Illisible, QString("Not a file: %1").arg(chemin));
    if (info.size() > limites.octetsMax)
        return echec(ErreurJpeg::TropGrand, QString("File too large (%1 bytes)").arg(info.size()));
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return echec(ErreurJpeg::Illisible, f.errorString());
    // One byte over the bound tells a file that grew since it was measured.
    const QByteArray octets = f.read(limites.octetsMax + 1);
    if (f.error() != QFileDevice::NoError) return echec(ErreurJpeg::Illisible, f.errorString());
    return DecodeJpeg(octets, limites);
}

namespace {

bool creeCodeur(jpeg_compress_struct* c, GestionErreurs* g) {
    if (setjmp(g->saut)) return false;
    jpeg_create_compress(c);
    return true;
}

bool compresse(jpeg_compress_struct* c, GestionErreurs* g, unsigned char** sortie, unsigned long* taille,
               const unsigned char* bits, qsizetype ligne, int largeur, int hauteur, bool gris,
               const OptionsJpeg* o) {
    if (setjmp(g->saut)) return false;
    jpeg_mem_dest(c, sortie, taille);
    c->image_width = JDIMENSION(largeur);
    c->image_height = JDIMENSION(hauteur);
    c->input_components = gris ? 1 : 3;
    c->in_color_space = gris ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(c);
    jpeg_set_quality(c, o->qualite, TRUE);
    c->optimize_coding = TRUE;
    if (o->progressif) jpeg_simple_progression(c);
    jpeg_start_compress(c, TRUE);
    while (c->next_scanline < c->image_height) {
        // libjpeg only reads the rows it is given.
        JSAMPROW rangee = const_cast<unsigned char*>(bits + qsizetype(c->next_scanline) * ligne);
        jpeg_write_scanlines(c, &rangee, 1);
    }
    jpeg_finish_compress(c);
    return true;
}

} // namespace

QByteArray EncodeJpeg(const QImage& image, const OptionsJpeg& options, QString* erreur) {
    const auto refuse = [erreur](const QString& e) {
        if (erreur) *erreur = e;
        return QByteArray();
    };
    if (image.isNull()) return refuse("Empty picture");
    if (options.qualite < 1 || options.qualite > 100) return refuse("Quality out of 1..100");
    const QImage source =
        image.convertToFormat(options.niveauxDeGris ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (source.isNull()) return refuse("Not enough memory");

    GestionErreurs g;
    prepare(g, 0);
    jpeg_compress_struct c{};
    c.err = &g.mgr;
    if (!creeCodeur(&c, &g)) return refuse(QString::fromLatin1(g.message));
    unsigned char* sortie = nullptr;
    unsigned long taille = 0;
    const bool ok = compresse(&c, &g, &sortie, &taille, source.constBits(), source.bytesPerLine(),
                              source.width(), source.height(), options.niveauxDeGris, &options);
    jpeg_destroy_compress(&c);
    QByteArray r;
    if (ok && sortie) r = QByteArray(reinterpret_cast<const char*>(sortie), qsizetype(taille));
    std::free(sortie); // the memory destination's buffer is malloc'ed and left to us
    if (!ok) return refuse(QString::fromLatin1(g.message));
    return r;
}

bool EnregistreJpeg(const QImage& image, const QString& chemin, const OptionsJpeg& options, QString* erreur) {
    const QByteArray octets = EncodeJpeg(image, options, erreur);
    if (octets.isEmpty()) return false;
    return EcritFichierAtomique(chemin, octets, erreur);
}

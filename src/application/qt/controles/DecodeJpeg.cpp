// JPEG decoding through libjpeg-turbo: only decompression is used.
#include "application/qt/controles/DecodeJpeg.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return:
// it jumps back to the decoding function, which gives up.
struct GestionErreur {
    jpeg_error_mgr base;
    std::jmp_buf retour;
};

[[noreturn]] void Abandonne(j_common_ptr info) { std::longjmp(reinterpret_cast<GestionErreur*>(info->err)->retour, 1); }

void Silence(j_common_ptr) {}

// Reads every scan line into the image, which is sized before any jump can
// happen; returns false on a decoding error.
bool Decompresse(jpeg_decompress_struct& info, GestionErreur& erreur, const QByteArray& donnees, QImage& image) {
    if (setjmp(erreur.retour)) return false;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(donnees.constData()),
                 static_cast<unsigned long>(donnees.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    if (image.isNull()) return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW ligne = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &ligne, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& donnees) {
    if (donnees.isEmpty()) return {};
    jpeg_decompress_struct info{};
    GestionErreur erreur{};
    info.err = jpeg_std_error(&erreur.base);
    erreur.base.error_exit = Abandonne;
    erreur.base.output_message = Silence;
    jpeg_create_decompress(&info);
    QImage image;
    const bool reussi = Decompresse(info, erreur, donnees, image);
    jpeg_destroy_decompress(&info);
    return reussi ? image : QImage();
}

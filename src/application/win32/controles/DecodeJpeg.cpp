// JPEG decoding through libjpeg-turbo, straight into the bitmap's rows.
#include "application/win32/controles/DecodeJpeg.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return: it jumps back to the decoding function, which gives up.
struct GestionErreur {
    jpeg_error_mgr base;
    std::jmp_buf retour;
};

[[noreturn]] void Abandonne(j_common_ptr info) { std::longjmp(reinterpret_cast<GestionErreur*>(info->err)->retour, 1); }

void Silence(j_common_ptr) {}

HBITMAP CreeImage(JDIMENSION largeur, JDIMENSION hauteur, unsigned char*& pixels) {
    BITMAPINFO description{};
    description.bmiHeader.biSize = sizeof description.bmiHeader;
    description.bmiHeader.biWidth = static_cast<LONG>(largeur);
    description.bmiHeader.biHeight = -static_cast<LONG>(hauteur);  // top-down, as libjpeg gives the rows
    description.bmiHeader.biPlanes = 1;
    description.bmiHeader.biBitCount = 32;
    description.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP image = CreateDIBSection(nullptr, &description, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<unsigned char*>(bits);
    return image;
}

// Reads every scan line into the bitmap, which is made before any jump can
// happen; false on a decoding error (the bitmap is then released by the caller).
bool Decompresse(jpeg_decompress_struct& info, GestionErreur& erreur, const unsigned char* donnees, std::size_t taille,
                 HBITMAP& image) {
    if (setjmp(erreur.retour)) return false;
    jpeg_mem_src(&info, donnees, static_cast<unsigned long>(taille));
    jpeg_read_header(&info, TRUE);
    // The bitmap's own order of bytes: blue, green, red, unused.
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    unsigned char* pixels = nullptr;
    image = CreeImage(info.output_width, info.output_height, pixels);
    if (!image) return false;
    const std::size_t pasLigne = std::size_t{info.output_width} * 4;
    while (info.output_scanline < info.output_height) {
        JSAMPROW ligne = pixels + pasLigne * info.output_scanline;
        jpeg_read_scanlines(&info, &ligne, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

HBITMAP DecodeJpeg(const unsigned char* donnees, std::size_t taille) {
    if (!donnees || taille == 0) return nullptr;
    jpeg_decompress_struct info{};
    GestionErreur erreur{};
    info.err = jpeg_std_error(&erreur.base);
    erreur.base.error_exit = Abandonne;
    erreur.base.output_message = Silence;
    jpeg_create_decompress(&info);
    HBITMAP image = nullptr;
    const bool reussi = Decompresse(info, erreur, donnees, taille, image);
    jpeg_destroy_decompress(&info);
    if (reussi) return image;
    if (image) DeleteObject(image);
    return nullptr;
}

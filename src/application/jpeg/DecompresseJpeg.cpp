// JPEG decoding through libjpeg-turbo.
#include "application/jpeg/DecompresseJpeg.h"

#include <csetjmp>
#include <cstdio>
#include <new>

#include <jpeglib.h>

namespace {

constexpr std::size_t OctetsParPixel = 4;

// libjpeg reports a fatal error by calling error_exit, which must not
// return: it jumps back to the decoding function, which gives up.
struct GestionErreur {
    jpeg_error_mgr base;
    std::jmp_buf retour;
};

[[noreturn]] void Abandonne(j_common_ptr info) { std::longjmp(reinterpret_cast<GestionErreur*>(info->err)->retour, 1); }

void Silence(j_common_ptr) {}

// Reads every scan line into the picture, whose rows are made before any
// jump can happen; false on a decoding error or a picture too large to hold.
bool Decompresse(jpeg_decompress_struct& info, GestionErreur& erreur, std::span<const unsigned char> donnees,
                 ImageJpeg& image) {
    if (setjmp(erreur.retour)) return false;
    jpeg_mem_src(&info, donnees.data(), static_cast<unsigned long>(donnees.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    const std::size_t pasLigne = std::size_t{info.output_width} * OctetsParPixel;
    image.Largeur = static_cast<int>(info.output_width);
    image.Hauteur = static_cast<int>(info.output_height);
    try {
        image.Pixels.resize(pasLigne * info.output_height);
    } catch (const std::bad_alloc&) {
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW ligne = image.Pixels.data() + pasLigne * info.output_scanline;
        jpeg_read_scanlines(&info, &ligne, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

std::optional<ImageJpeg> DecompresseJpeg(std::span<const unsigned char> donnees) {
    if (donnees.empty()) return std::nullopt;
    jpeg_decompress_struct info{};
    GestionErreur erreur{};
    info.err = jpeg_std_error(&erreur.base);
    erreur.base.error_exit = Abandonne;
    erreur.base.output_message = Silence;
    jpeg_create_decompress(&info);
    ImageJpeg image;
    const bool reussi = Decompresse(info, erreur, donnees, image);
    jpeg_destroy_decompress(&info);
    if (!reussi) return std::nullopt;
    return image;
}

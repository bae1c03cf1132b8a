// A decoded JPEG picture copied into a bitmap of the same 32-bit rows.
#include "application/win32/controles/DecodeJpeg.h"

#include "application/jpeg/DecompresseJpeg.h"

#include <cstring>

HBITMAP DecodeJpeg(const unsigned char* donnees, std::size_t taille) {
    if (!donnees) return nullptr;
    const auto decodee = DecompresseJpeg({donnees, taille});
    if (!decodee) return nullptr;
    BITMAPINFO description{};
    description.bmiHeader.biSize = sizeof description.bmiHeader;
    description.bmiHeader.biWidth = decodee->Largeur;
    description.bmiHeader.biHeight = -decodee->Hauteur;  // top-down, as the rows come
    description.bmiHeader.biPlanes = 1;
    description.bmiHeader.biBitCount = 32;
    description.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP image = CreateDIBSection(nullptr, &description, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (image) std::memcpy(bits, decodee->Pixels.data(), decodee->Pixels.size());
    return image;
}

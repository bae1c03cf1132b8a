// Decoding the JPEG logo of the layout with libjpeg-turbo (decompression
// only), the same for both windows; each makes its own picture of the rows.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

struct ImageJpeg {
    int Largeur = 0;
    int Hauteur = 0;
    // The rows from top to bottom, 4 bytes a pixel: blue, green, red, then
    // a byte of 0xFF, the order of a 32-bit picture of both toolkits.
    std::vector<unsigned char> Pixels;
};

// The picture, or nothing when the data is not a JPEG that libjpeg can read.
std::optional<ImageJpeg> DecompresseJpeg(std::span<const unsigned char> donnees);

// Decoding the JPEG logo with libjpeg-turbo (decompression only) into a
// picture the window can draw.
#pragma once

#include <windows.h>

#include <cstddef>

// A top-down 32-bit device-independent bitmap of the picture, or null when
// the data is not a JPEG that libjpeg can read.
HBITMAP DecodeJpeg(const unsigned char* donnees, std::size_t taille);

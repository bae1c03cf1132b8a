// The JPEG logo as a bitmap the window can draw, decoded by the shared
// decoder.
#pragma once

#include <windows.h>

#include <cstddef>

// A top-down 32-bit device-independent bitmap of the picture, or null when
// the data is not a JPEG that libjpeg can read.
HBITMAP DecodeJpeg(const unsigned char* donnees, std::size_t taille);

// Decoding the JPEG pictures of the layout with libjpeg-turbo.
#pragma once

#include <QByteArray>
#include <QImage>

// The picture, or a null image when the data is not a JPEG libjpeg can read.
QImage DecodeJpeg(const QByteArray& donnees);

// The layout's JPEG pictures as Qt images, decoded by the shared decoder.
#pragma once

#include <QByteArray>
#include <QImage>

// The picture, or a null image when the data is not a JPEG libjpeg can read.
QImage DecodeJpeg(const QByteArray& donnees);

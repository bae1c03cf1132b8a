// A decoded JPEG picture as a Qt image.
#include "application/qt/controles/DecodeJpeg.h"

#include "application/jpeg/DecompresseJpeg.h"

#include <cstring>

QImage DecodeJpeg(const QByteArray& donnees) {
    const auto decodee = DecompresseJpeg(
        {reinterpret_cast<const unsigned char*>(donnees.constData()), static_cast<std::size_t>(donnees.size())});
    if (!decodee) return {};
    QImage image(decodee->Largeur, decodee->Hauteur, QImage::Format_RGB32);
    if (image.isNull()) return {};
    std::memcpy(image.bits(), decodee->Pixels.data(), decodee->Pixels.size());
    // Drawn scaled from 24-bit rows, as the logo always was.
    return image.convertToFormat(QImage::Format_RGB888);
}

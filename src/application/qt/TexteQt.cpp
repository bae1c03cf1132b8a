// Conversions between the tool's 8-bit texts and Qt's strings.
#include "application/qt/TexteQt.h"

#include "platform/locale/ServicesLocale.h"
#include "platform/pagedecode/PageDeCode.h"

#include <algorithm>
#include <string_view>

namespace {

bool EstAscii(std::string_view octets) {
    return std::all_of(octets.begin(), octets.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

QString VersQString(const Texte& texte) {
    // Every code page of the system writes ASCII as ASCII: no conversion then,
    // which keeps long reports quick.
    if (EstAscii(texte.Vue())) return QString::fromLatin1(texte.Octets().data(), texte.Longueur());
    return QString::fromStdString(VersUtf8(texte.Vue(), ServicesLocaleCourants().GetACP()));
}

Texte DepuisQString(const QString& chaine) {
    return DepuisUtf8(chaine.toStdString(), ServicesLocaleCourants().GetACP());
}

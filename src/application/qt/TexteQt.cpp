// Conversions between the tool's 8-bit texts and Qt's strings.
#include "application/qt/TexteQt.h"

#include "commun/PageDeCodeExport.h"
#include "platform/pagedecode/PageDeCode.h"

#include <algorithm>
#include <string_view>

namespace {

bool EstAscii(std::string_view octets) {
    return std::all_of(octets.begin(), octets.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Every code page of the tool writes ASCII as ASCII: no conversion then,
// which keeps long reports quick.
QString Ascii(std::string_view octets) { return QString::fromLatin1(octets.data(), std::ssize(octets)); }

}  // namespace

QString VersQString(const TexteMixte& texte) {
    if (EstAscii(texte.Vue())) return Ascii(texte.Vue());
    return QString::fromStdString(TexteMixteVersUtf8(texte, PageDeCodeExport()));
}

QString SystemeVersQString(const Texte& octets) {
    if (EstAscii(octets.Vue())) return Ascii(octets.Vue());
    return QString::fromStdString(VersUtf8(octets.Vue(), PageDeCodeExport()));
}

Texte DepuisQString(const QString& chaine) { return DepuisUtf8(chaine.toStdString(), PageDeCodeExport()); }

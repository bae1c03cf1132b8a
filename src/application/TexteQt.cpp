// Conversions between the tool's 8-bit texts and Qt's strings.
#include "application/TexteQt.h"

#include "commun/PageDeCode.h"
#include "platform/locale/ServicesLocale.h"

QString VersQString(const Texte& texte) {
    return QString::fromStdString(VersUtf8(texte.Vue(), ServicesLocaleCourants().GetACP()));
}

Texte DepuisQString(const QString& chaine) {
    return DepuisUtf8(chaine.toStdString(), ServicesLocaleCourants().GetACP());
}

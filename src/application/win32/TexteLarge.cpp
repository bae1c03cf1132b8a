// The tool's texts in UTF-16, through UTF-8.
#include "application/win32/TexteLarge.h"

#include "commun/PageDeCodeExport.h"

#include <windows.h>

std::wstring Large(const TexteMixte& texte) { return LargeDepuisUtf8(TexteMixteVersUtf8(texte, PageDeCodeExport())); }

std::wstring LargeDepuisUtf8(std::string_view utf8) {
    if (utf8.empty()) return std::wstring();
    const int taille = static_cast<int>(utf8.size());
    std::wstring large(utf8.size(), L'\0');
    large.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), taille, large.data(), taille)));
    return large;
}

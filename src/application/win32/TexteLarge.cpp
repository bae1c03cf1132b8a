// The tool's texts in UTF-16, through UTF-8, and UTF-16 back to UTF-8.
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

std::string Utf8DepuisLarge(std::wstring_view large) {
    if (large.empty()) return std::string();
    const int taille = static_cast<int>(large.size());
    std::string utf8(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, large.data(), taille, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_UTF8, 0, large.data(), taille, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

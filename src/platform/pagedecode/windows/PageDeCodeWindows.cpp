// Conversions between code pages and UTF-8 through Windows' own tables
// (MultiByteToWideChar, WideCharToMultiByte). The companion writes UTF-8 and
// takes its arguments in UTF-8, from the Unicode command line.
#include "platform/pagedecode/PageDeCode.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

int Taille(std::size_t taille) { return static_cast<int>(taille); }

// The characters of bytes in a code page; empty when one is not defined
// there and drapeaux ask to be told (MB_ERR_INVALID_CHARS).
std::optional<std::wstring> VersLarge(std::string_view octets, UINT page, DWORD drapeaux) {
    if (octets.empty()) return std::wstring();
    const int taille = MultiByteToWideChar(page, drapeaux, octets.data(), Taille(octets.size()), nullptr, 0);
    if (taille == 0) return std::nullopt;
    std::wstring large(static_cast<std::size_t>(taille), L'\0');
    MultiByteToWideChar(page, drapeaux, octets.data(), Taille(octets.size()), large.data(), taille);
    return large;
}

// The characters of bytes in a code page, undefined sequences replaced
// (U+FFFD from UTF-8, Windows' own choice elsewhere).
std::wstring VersLargeRemplace(std::string_view octets, UINT page) {
    std::optional<std::wstring> large = VersLarge(octets, page, 0);
    if (!large) throw std::runtime_error("conversion depuis la page de code " + std::to_string(page) + " impossible");
    return *large;
}

// Characters in a code page; those it cannot write become "?", or, when
// approcher, the nearest character Windows knows.
std::string DepuisLarge(std::wstring_view large, UINT page, bool approcher) {
    if (large.empty()) return std::string();
    const bool unicode = page == CP_UTF8 || page == CP_UTF7;
    const DWORD drapeaux = unicode || approcher ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* remplacement = unicode ? nullptr : "?";
    const int taille =
        WideCharToMultiByte(page, drapeaux, large.data(), Taille(large.size()), nullptr, 0, remplacement, nullptr);
    if (taille == 0)
        throw std::runtime_error("conversion vers la page de code " + std::to_string(page) + " impossible");
    std::string octets(static_cast<std::size_t>(taille), '\0');
    WideCharToMultiByte(page, drapeaux, large.data(), Taille(large.size()), octets.data(), taille, remplacement,
                        nullptr);
    return octets;
}

// One character at a time, so that each byte the code page cannot convert
// is known: it becomes U+FFFD, and the next byte starts a character again.
// ASCII is the same in every 8-bit code page of Windows.
std::wstring VersLargeParCaractere(std::string_view octets, UINT page, bool& remplace) {
    std::wstring large;
    large.reserve(octets.size());
    for (std::size_t i = 0; i < octets.size();) {
        const auto octet = static_cast<unsigned char>(octets[i]);
        const std::size_t longueur = IsDBCSLeadByteEx(page, octet) ? 2 : 1;
        std::optional<std::wstring> caractere;
        if (octet < 0x80) caractere = std::wstring(1, static_cast<wchar_t>(octet));
        else if (i + longueur <= octets.size())
            caractere = VersLarge(octets.substr(i, longueur), page, MB_ERR_INVALID_CHARS);
        if (caractere) {
            large += *caractere;
            i += longueur;
        } else {
            large += L'\xFFFD';
            remplace = true;
            ++i;
        }
    }
    return large;
}

// The code page of a character set named as iconv names it: UTF-8,
// CPnnn or WINDOWS-nnn, ISO-8859-n, ASCII.
UINT PageDuJeu(const std::string& nom) {
    std::string majuscules = nom;
    std::transform(majuscules.begin(), majuscules.end(), majuscules.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    const auto numero = [&](std::string_view prefixe) { return std::stoul(majuscules.substr(prefixe.size())); };
    try {
        if (majuscules == "UTF-8" || majuscules == "UTF8") return CP_UTF8;
        if (majuscules == "ASCII" || majuscules == "US-ASCII" || majuscules == "ANSI_X3.4-1968") return 20127;
        if (majuscules.starts_with("CP")) return static_cast<UINT>(numero("CP"));
        if (majuscules.starts_with("WINDOWS-")) return static_cast<UINT>(numero("WINDOWS-"));
        if (majuscules.starts_with("ISO-8859-")) return static_cast<UINT>(28590 + numero("ISO-8859-"));
    } catch (const std::logic_error&) {}
    throw std::runtime_error("jeu de caractères " + nom + " inconnu");
}

}  // namespace

std::string VersUtf8(std::string_view octets, std::uint32_t pageDeCode, bool* remplacement) {
    // Whole, in one call; character by character only when a byte fails.
    bool remplace = false;
    std::optional<std::wstring> large = VersLarge(octets, pageDeCode, MB_ERR_INVALID_CHARS);
    if (!large) large = VersLargeParCaractere(octets, pageDeCode, remplace);
    std::string utf8 = DepuisLarge(*large, CP_UTF8, false);
    if (remplacement != nullptr) *remplacement = remplace;
    return utf8;
}

std::string ConvertitJeu(std::string_view octets, const std::string& depuis, const std::string& vers) {
    const UINT source = PageDuJeu(depuis);
    std::wstring large = VersLargeRemplace(octets, source);
    // A sequence invalid in UTF-8 arrives as U+FFFD.
    if (source == CP_UTF8) std::replace(large.begin(), large.end(), L'\xFFFD', L'?');
    return DepuisLarge(large, PageDuJeu(vers), true);
}

Texte DepuisUtf8(std::string_view utf8, std::uint32_t pageDeCode) {
    std::wstring large = VersLargeRemplace(utf8, CP_UTF8);
    std::replace(large.begin(), large.end(), L'\xFFFD', L'?');
    return Texte(DepuisLarge(large, pageDeCode, false));
}

std::string JeuCaracteresTerminal() { return "UTF-8"; }

std::string JeuCaracteresArguments() { return "UTF-8"; }

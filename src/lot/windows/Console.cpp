// The companion's outputs on Windows: UTF-8 text shown through
// WriteConsoleW on a console, written as bytes elsewhere.
#include "lot/Console.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <array>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>

namespace {

// Length of the part of a UTF-8 text that ends on a whole character: an
// unfinished character at the end waits for its last bytes.
std::size_t FinCaracteresEntiers(const char* octets, std::size_t taille) {
    for (std::size_t recul = 1; recul <= 3 && recul <= taille; ++recul) {
        const auto octet = static_cast<unsigned char>(octets[taille - recul]);
        if ((octet & 0xC0) == 0x80) continue;  // a continuation byte: look further back
        const std::size_t longueur = octet >= 0xF0 ? 4 : octet >= 0xE0 ? 3 : octet >= 0xC0 ? 2 : 1;
        return longueur > recul ? taille - recul : taille;
    }
    return taille;
}

// A stream buffer that turns UTF-8 into UTF-16 for the console.
class TamponConsole : public std::streambuf {
public:
    explicit TamponConsole(HANDLE console) : console_(console) { setp(tampon_.data(), tampon_.data() + Place); }

protected:
    int_type overflow(int_type caractere) override {
        if (!traits_type::eq_int_type(caractere, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(caractere);
            pbump(1);
        }
        return Vide() ? traits_type::not_eof(caractere) : traits_type::eof();
    }
    int sync() override { return Vide() ? 0 : -1; }

private:
    // One byte beyond the put area takes the character that overflows it.
    static constexpr std::size_t Place = 4095;

    bool Vide() {
        const auto taille = static_cast<std::size_t>(pptr() - pbase());
        const std::size_t entiers = FinCaracteresEntiers(pbase(), taille);
        const bool ecrit = Ecrit(pbase(), entiers);
        std::memmove(tampon_.data(), tampon_.data() + entiers, taille - entiers);
        setp(tampon_.data(), tampon_.data() + Place);
        pbump(static_cast<int>(taille - entiers));
        return ecrit;
    }

    bool Ecrit(const char* utf8, std::size_t taille) {
        if (taille == 0) return true;
        std::wstring large(taille, L'\0');
        large.resize(static_cast<std::size_t>(
            MultiByteToWideChar(CP_UTF8, 0, utf8, static_cast<int>(taille), large.data(), static_cast<int>(taille))));
        for (std::size_t fait = 0; fait < large.size();) {
            DWORD ecrits = 0;
            if (!WriteConsoleW(console_, large.data() + fait, static_cast<DWORD>(large.size() - fait), &ecrits,
                               nullptr) ||
                ecrits == 0)
                return false;
            fait += ecrits;
        }
        return true;
    }

    HANDLE console_;
    std::array<char, Place + 1> tampon_{};
};

void Prepare(std::ostream& flux, DWORD quelle, int descripteur) {
    const HANDLE sortie = GetStdHandle(quelle);
    DWORD mode = 0;
    if (sortie != nullptr && sortie != INVALID_HANDLE_VALUE && GetConsoleMode(sortie, &mode)) {
        // Never destroyed: the streams are flushed once more as the program ends.
        flux.rdbuf(new TamponConsole(sortie));
    } else {
        _setmode(descripteur, _O_BINARY);
    }
}

}  // namespace

void PrepareSortiesConsole() {
    // Done first, since it puts new buffers under the standard streams.
    std::ios::sync_with_stdio(false);
    Prepare(std::cout, STD_OUTPUT_HANDLE, 1);
    Prepare(std::cerr, STD_ERROR_HANDLE, 2);
}

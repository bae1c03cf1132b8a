// The report box of refused dates.
#include "application/win32/controles/TRichEdit.h"

#include "commun/PageDeCodeExport.h"
#include "platform/pagedecode/PageDeCode.h"

#include <richedit.h>

#include <algorithm>
#include <climits>

namespace {

constexpr LONG LongueurSaut = 2;

// A text of the export as the control's ANSI calls read it, in the system's
// code page: as it is, unless the export is read in another code page (under
// Windows' UTF-8 code page, as Windows-1252); a zero byte would end it, so it
// shows as a blank.
std::string PourControle(const Texte& texte) {
    const UINT pageExport = PageDeCodeExport();
    std::string octets =
        pageExport == GetACP() ? texte.Octets() : DepuisUtf8(VersUtf8(texte.Vue(), pageExport), GetACP()).Octets();
    std::replace(octets.begin(), octets.end(), '\0', ' ');
    return octets;
}

// What the control's ANSI calls give, back in the export's code page.
Texte DepuisControle(const std::string& octets) {
    const UINT pageExport = PageDeCodeExport();
    return pageExport == GetACP() ? Texte(octets) : DepuisUtf8(VersUtf8(octets, GetACP()), pageExport);
}

}  // namespace

TRichEdit::TRichEdit(HWND controle) : BoiteRapport("\r\n"), controle_(controle) { LimiteControle(Capacite()); }

void TRichEdit::LimiteControle(std::int64_t capacite) {
    SendMessageA(controle_, EM_EXLIMITTEXT, 0, static_cast<LPARAM>(capacite));
}

void TRichEdit::Vide() {
    SetWindowTextA(controle_, "");
    SendMessageA(controle_, EM_SETMODIFY, FALSE, 0);
}

LONG TRichEdit::PlaceCaretALaFin() const {
    CHARRANGE selection{LONG_MAX, LONG_MAX};
    SendMessageA(controle_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SendMessageA(controle_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    return selection.cpMin;
}

std::int64_t TRichEdit::Longueur() const { return PlaceCaretALaFin(); }

std::int64_t TRichEdit::Caracteres(const Texte& texte) const {
    const std::string octets = PourControle(texte);
    return MultiByteToWideChar(CP_ACP, 0, octets.data(), static_cast<int>(octets.size()), nullptr, 0);
}

bool TRichEdit::FinitParSaut() const {
    const LONG fin = PlaceCaretALaFin();
    return fin == 0 || Portion(fin - LongueurSaut, fin) == SautDeLigne();
}

std::string TRichEdit::Portion(LONG debut, LONG fin) const {
    // Room for two bytes a character under a double-byte code page.
    std::string texte(static_cast<std::size_t>(std::max<LONG>(fin - debut, 0)) * 2 + 1, '\0');
    TEXTRANGEA portion{{debut, fin}, texte.data()};
    texte.resize(
        static_cast<std::size_t>(SendMessageA(controle_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&portion))));
    return texte;
}

bool TRichEdit::DebuteUneLigne(LONG position) const {
    const std::string avant = position == 0 ? std::string() : Portion(position - 1, position);
    return avant.empty() || avant.back() == '\n';
}

Texte TRichEdit::LigneA(POINT point) const {
    const POINTL ici{point.x, point.y};
    const auto caractere =
        static_cast<LONG>(SendMessageA(controle_, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&ici)));
    auto rangee = static_cast<LONG>(SendMessageA(controle_, EM_EXLINEFROMCHAR, 0, caractere));
    const auto rangees = static_cast<LONG>(SendMessageA(controle_, EM_GETLINECOUNT, 0, 0));
    const auto debutRangee = [this](LONG r) {
        return static_cast<LONG>(SendMessageA(controle_, EM_LINEINDEX, static_cast<WPARAM>(r), 0));
    };
    LONG debut = debutRangee(rangee);
    while (rangee > 0 && !DebuteUneLigne(debut)) debut = debutRangee(--rangee);
    LONG suivante = rangee + 1;
    while (suivante < rangees && !DebuteUneLigne(debutRangee(suivante))) ++suivante;
    // The selection stays where the user left it.
    const LONG derniere = debutRangee(rangees - 1);
    const LONG fin =
        suivante < rangees
            ? debutRangee(suivante)
            : derniere + static_cast<LONG>(SendMessageA(controle_, EM_LINELENGTH, static_cast<WPARAM>(derniere), 0));
    std::string ligne = Portion(debut, fin);
    while (!ligne.empty() && (ligne.back() == '\n' || ligne.back() == '\r')) ligne.pop_back();
    return DepuisControle(ligne);
}

void TRichEdit::InsereALaFin(const Texte& texte) {
    PlaceCaretALaFin();
    SendMessageA(controle_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(PourControle(texte).c_str()));
}

std::string TRichEdit::Contenu() const {
    std::string texte(static_cast<std::size_t>(GetWindowTextLengthA(controle_)) + 1, '\0');
    texte.resize(static_cast<std::size_t>(GetWindowTextA(controle_, texte.data(), static_cast<int>(texte.size()))));
    return texte;
}

// The report box of refused dates.
#include "application/win32/controles/TRichEdit.h"

#include "application/win32/TexteLarge.h"
#include "commun/Exceptions.h"
#include "commun/Messages.h"
#include "commun/PageDeCodeExport.h"
#include "platform/pagedecode/PageDeCode.h"

#include <richedit.h>

#include <algorithm>
#include <climits>

namespace {

// A text of the export as the control takes it, in UTF-16, converted from
// the export's code page (a lone lead byte at the end of a line becomes
// U+FFFD and leaves the break after it alone); a zero, which would end the
// text, shows as a blank.
std::wstring PourControle(const Texte& texte) {
    std::wstring large = LargeDepuisUtf8(VersUtf8(texte.Vue(), PageDeCodeExport()));
    std::replace(large.begin(), large.end(), L'\0', L' ');
    return large;
}

}  // namespace

TRichEdit::TRichEdit(HWND controle) : BoiteRapport("\r"), controle_(controle) { LimiteControle(Capacite()); }

void TRichEdit::Exige(bool reussi, const char* operation) {
    if (!reussi) throw Exception(MessageRessource(Msg::OperationRichEdit, {Texte(operation)}));
}

void TRichEdit::LimiteControle(std::int64_t capacite) {
    SendMessageW(controle_, EM_EXLIMITTEXT, 0, static_cast<LPARAM>(capacite));
}

void TRichEdit::Vide() {
    Exige(SetWindowTextW(controle_, L""), "WM_SETTEXT");
    SendMessageW(controle_, EM_SETMODIFY, FALSE, 0);
}

LONG TRichEdit::PlaceCaretALaFin() const {
    CHARRANGE selection{LONG_MAX, LONG_MAX};
    SendMessageW(controle_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SendMessageW(controle_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    return selection.cpMin;
}

std::int64_t TRichEdit::Longueur() const { return PlaceCaretALaFin(); }

std::int64_t TRichEdit::Caracteres(const Texte& texte) const {
    return static_cast<std::int64_t>(PourControle(texte).size());
}

bool TRichEdit::FinitParSaut() const {
    const LONG fin = PlaceCaretALaFin();
    if (fin == 0) return true;
    const std::wstring dernier = Portion(fin - 1, fin);
    Exige(!dernier.empty(), "EM_GETTEXTRANGE");
    return dernier.front() == L'\r';
}

std::wstring TRichEdit::Portion(LONG debut, LONG fin) const {
    // Room for a pair of surrogates, should the control not split one.
    std::wstring texte(static_cast<std::size_t>(std::max<LONG>(fin - debut, 0)) + 2, L'\0');
    TEXTRANGEW portion{{debut, fin}, texte.data()};
    texte.resize(
        static_cast<std::size_t>(SendMessageW(controle_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&portion))));
    return texte;
}

bool TRichEdit::DebuteUneLigne(LONG position) const {
    if (position == 0) return true;
    const std::wstring avant = Portion(position - 1, position);
    return avant.empty() || avant.front() == L'\r';
}

Texte TRichEdit::LigneA(POINT point) const {
    const POINTL ici{point.x, point.y};
    const auto caractere =
        static_cast<LONG>(SendMessageW(controle_, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&ici)));
    auto rangee = static_cast<LONG>(SendMessageW(controle_, EM_EXLINEFROMCHAR, 0, caractere));
    const auto rangees = static_cast<LONG>(SendMessageW(controle_, EM_GETLINECOUNT, 0, 0));
    const auto debutRangee = [this](LONG r) {
        return static_cast<LONG>(SendMessageW(controle_, EM_LINEINDEX, static_cast<WPARAM>(r), 0));
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
            : derniere + static_cast<LONG>(SendMessageW(controle_, EM_LINELENGTH, static_cast<WPARAM>(derniere), 0));
    std::wstring ligne = Portion(debut, fin);
    while (!ligne.empty() && (ligne.back() == L'\n' || ligne.back() == L'\r')) ligne.pop_back();
    // Back in the export's code page, as the check judged it.
    return DepuisUtf8(Utf8DepuisLarge(ligne), PageDeCodeExport());
}

void TRichEdit::InsereALaFin(const Texte& texte) {
    PlaceCaretALaFin();
    SendMessageW(controle_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(PourControle(texte).c_str()));
}

std::wstring TRichEdit::Contenu() const {
    const GETTEXTLENGTHEX mesure{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
    std::wstring texte(
        static_cast<std::size_t>(SendMessageW(controle_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&mesure), 0)) + 1,
        L'\0');
    GETTEXTEX lecture{static_cast<DWORD>(texte.size() * sizeof(wchar_t)), GT_USECRLF, 1200, nullptr, nullptr};
    texte.resize(static_cast<std::size_t>(SendMessageW(controle_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&lecture),
                                                       reinterpret_cast<LPARAM>(texte.data()))));
    return texte;
}

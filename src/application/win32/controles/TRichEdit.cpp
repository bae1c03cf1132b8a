// The report box of refused dates.
#include "application/win32/controles/TRichEdit.h"

#include "commun/Exceptions.h"
#include "commun/Messages.h"
#include "commun/PageDeCodeExport.h"
#include "platform/pagedecode/PageDeCode.h"

#include <richedit.h>

#include <algorithm>
#include <climits>

namespace {

const char* const SautDeLigne = "\r\n";
constexpr LONG LongueurSaut = 2;

// A line of the export as the control's ANSI calls read it, in the system's
// code page: as it is, unless the export is read in another code page (under
// Windows' UTF-8 code page, as Windows-1252).
std::string OctetsPourControle(const Texte& ligne) {
    const UINT pageExport = PageDeCodeExport();
    if (pageExport == GetACP()) return ligne.Octets();
    return DepuisUtf8(VersUtf8(ligne.Vue(), pageExport), GetACP()).Octets();
}

// Length in characters of a text of the system's code page.
LONG Caracteres(const std::string& texte) {
    return MultiByteToWideChar(CP_ACP, 0, texte.data(), static_cast<int>(texte.size()), nullptr, 0);
}

}  // namespace

TRichEdit::TRichEdit(HWND controle) : controle_(controle) {}

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

bool TRichEdit::FinitParSaut(LONG fin) const {
    if (fin == 0) return true;
    char fini[LongueurSaut + 1] = {};
    TEXTRANGEA portion{{fin - LongueurSaut, fin}, fini};
    SendMessageA(controle_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&portion));
    return std::string(fini) == SautDeLigne;
}

void TRichEdit::AjouteLigne(const Texte& ligne) {
    // A zero byte would end the text handed to the control: it shows as a blank.
    std::string s = OctetsPourControle(ligne);
    std::replace(s.begin(), s.end(), '\0', ' ');
    const LONG fin = PlaceCaretALaFin();
    const std::string aInserer = FinitParSaut(fin) ? s + SautDeLigne : SautDeLigne + s;
    SendMessageA(controle_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(aInserer.c_str()));
    CHARRANGE caret{};
    SendMessageA(controle_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    if (caret.cpMin != fin + Caracteres(aInserer)) throw EOutOfResources(MessageRessource(Msg::InsertionRichEdit));
}

std::string TRichEdit::Contenu() const {
    std::string texte(static_cast<std::size_t>(GetWindowTextLengthA(controle_)) + 1, '\0');
    texte.resize(static_cast<std::size_t>(GetWindowTextA(controle_, texte.data(), static_cast<int>(texte.size()))));
    return texte;
}

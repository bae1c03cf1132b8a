// The choice of the export file.
#include "application/win32/controles/TOpenDialog.h"

#include "application/win32/AttenteModale.h"

#include <commdlg.h>

#include <algorithm>
#include <array>

namespace {
// The room for the chosen name, terminating zero included.
constexpr std::size_t TailleNom = 260;
}  // namespace

bool TOpenDialog::Execute(HWND proprietaire) {
    // The current name starts the dialog; single selection, so the list of
    // chosen files is this one name.
    std::array<char, TailleNom> nom{};
    const std::string& actuel = nomFichier_.Octets();
    std::copy_n(actuel.begin(), std::min(actuel.size(), TailleNom - 1), nom.begin());
    OPENFILENAMEA dialogue{};
    dialogue.lStructSize = sizeof dialogue;
    dialogue.hwndOwner = proprietaire;
    dialogue.lpstrFile = nom.data();
    dialogue.nMaxFile = TailleNom;
    dialogue.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING;
    const AttenteModale attente(proprietaire, false);
    if (!GetOpenFileNameA(&dialogue)) return false;
    nomFichier_ = Texte(nom.data());
    return true;
}

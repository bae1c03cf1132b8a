// The choice of the export file.
#include "application/win32/controles/TOpenDialog.h"

#include "application/win32/AttenteModale.h"
#include "application/win32/TexteLarge.h"
#include "commun/Exceptions.h"
#include "commun/Messages.h"

#include <commdlg.h>

#include <string>

namespace {

// Room for the longest path Windows can name (32 767 characters in the
// \\?\ form), terminating zero included: no chosen name is too long for it.
constexpr std::size_t TailleNom = 32768;

// The current folder, put back when the dialog has closed: the dialog moves
// it to the folder the user went to (on Windows whatever its flags say), and
// a current folder cannot be renamed nor its USB stick ejected.
class DossierCourantGarde {
public:
    DossierCourantGarde() {
        std::wstring dossier(GetCurrentDirectoryW(0, nullptr), L'\0');
        const DWORD longueur = GetCurrentDirectoryW(static_cast<DWORD>(dossier.size()), dossier.data());
        if (longueur > 0 && longueur < dossier.size()) dossier_ = dossier.substr(0, longueur);
    }
    ~DossierCourantGarde() {
        if (!dossier_.empty()) SetCurrentDirectoryW(dossier_.c_str());
    }
    DossierCourantGarde(const DossierCourantGarde&) = delete;
    DossierCourantGarde& operator=(const DossierCourantGarde&) = delete;

private:
    std::wstring dossier_;
};

}  // namespace

bool TOpenDialog::Execute(HWND proprietaire) {
    // The current name starts the dialog; single selection, so the list of
    // chosen files is this one name.
    std::wstring nom = LargeDepuisUtf8(nomFichier_.Octets());
    nom.resize(TailleNom, L'\0');
    nom.back() = L'\0';
    OPENFILENAMEW dialogue{};
    dialogue.lStructSize = sizeof dialogue;
    dialogue.hwndOwner = proprietaire;
    dialogue.lpstrFile = nom.data();
    dialogue.nMaxFile = static_cast<DWORD>(TailleNom);
    dialogue.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING;
    const AttenteModale attente(proprietaire, false);
    const DossierCourantGarde dossierCourant;
    if (!GetOpenFileNameW(&dialogue)) {
        // A cancel leaves no error; anything else is a failure the user is told.
        if (const DWORD erreur = CommDlgExtendedError(); erreur != 0)
            throw Exception(MessageRessource(Msg::DialogueOuverture, {static_cast<std::int32_t>(erreur)}));
        return false;
    }
    Confirme(nom.c_str());
    return true;
}

void TOpenDialog::Confirme(const std::wstring& nom) {
    std::wstring complet(GetFullPathNameW(nom.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD longueur = GetFullPathNameW(nom.c_str(), static_cast<DWORD>(complet.size()), complet.data(), nullptr);
    complet = longueur > 0 && longueur < complet.size() ? complet.substr(0, longueur) : nom;
    nomFichier_ = NomFichier(Utf8DepuisLarge(complet));
}

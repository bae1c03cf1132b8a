// The choice of the export file.
#include "application/win32/controles/TOpenDialog.h"

#include "application/win32/AttenteModale.h"

#include <commdlg.h>

#include <algorithm>
#include <array>
#include <string>

namespace {

// The room for the chosen name, terminating zero included.
constexpr std::size_t TailleNom = 260;

// The current folder, put back when the dialog has closed: the dialog moves
// it to the folder the user went to (on Windows whatever its flags say), and
// a current folder cannot be renamed nor its USB stick ejected.
class DossierCourantGarde {
public:
    DossierCourantGarde() {
        std::string dossier(GetCurrentDirectoryA(0, nullptr), '\0');
        const DWORD longueur = GetCurrentDirectoryA(static_cast<DWORD>(dossier.size()), dossier.data());
        if (longueur > 0 && longueur < dossier.size()) dossier_ = dossier.substr(0, longueur);
    }
    ~DossierCourantGarde() {
        if (!dossier_.empty()) SetCurrentDirectoryA(dossier_.c_str());
    }
    DossierCourantGarde(const DossierCourantGarde&) = delete;
    DossierCourantGarde& operator=(const DossierCourantGarde&) = delete;

private:
    std::string dossier_;
};

// A name the dialog gave in the system's code page, in UTF-16.
std::wstring LargeDuSysteme(const std::string& octets) {
    const int taille = static_cast<int>(octets.size());
    std::wstring large(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, octets.data(), taille, nullptr, 0)),
                       L'\0');
    MultiByteToWideChar(CP_ACP, 0, octets.data(), taille, large.data(), static_cast<int>(large.size()));
    return large;
}

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
    const DossierCourantGarde dossierCourant;
    if (!GetOpenFileNameA(&dialogue)) return false;
    Confirme(LargeDuSysteme(nom.data()));
    return true;
}

void TOpenDialog::Confirme(const std::wstring& nom) {
    std::wstring complet(GetFullPathNameW(nom.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD longueur = GetFullPathNameW(nom.c_str(), static_cast<DWORD>(complet.size()), complet.data(), nullptr);
    complet = longueur > 0 && longueur < complet.size() ? complet.substr(0, longueur) : nom;
    const int taille = static_cast<int>(complet.size());
    std::string octets(static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, complet.data(),
                                                                    taille, nullptr, 0, nullptr, nullptr)),
                       '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, complet.data(), taille, octets.data(),
                        static_cast<int>(octets.size()), nullptr, nullptr);
    nomFichier_ = Texte(std::move(octets));
}

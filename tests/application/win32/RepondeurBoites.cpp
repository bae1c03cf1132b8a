// The answerer of the test's message boxes.
#include "RepondeurBoites.h"

#include "application/win32/TexteLarge.h"

#include <iterator>
#include <utility>

namespace {

RepondeurBoites* repondeurEnCours = nullptr;
// The identifier of the text of a message box.
constexpr int TexteBoite = 0xFFFF;
// The identifier of the file name of an open dialog.
constexpr int NomFichierDialogue = 0x47C;

BOOL CALLBACK TrouveBoite(HWND fenetre, LPARAM trouvee) {
    char classe[16] = {};
    GetClassNameA(fenetre, classe, sizeof classe);
    if (std::string(classe) != "#32770" || !IsWindowVisible(fenetre)) return TRUE;
    *reinterpret_cast<HWND*>(trouvee) = fenetre;
    return FALSE;
}

std::wstring TexteDe(HWND fenetre) {
    wchar_t texte[512] = {};
    GetWindowTextW(fenetre, texte, static_cast<int>(std::size(texte)));
    return texte;
}

}  // namespace

RepondeurBoites::RepondeurBoites(HWND fenetreSurveillee, int ticsAvantReponse, std::string nomATaper)
    : surveillee_(fenetreSurveillee),
      ticsAvantReponse_(ticsAvantReponse),
      nomATaper_(std::move(nomATaper)),
      minuterie_(SetTimer(nullptr, 0, 50, Tic)) {
    repondeurEnCours = this;
}

RepondeurBoites::~RepondeurBoites() {
    KillTimer(nullptr, minuterie_);
    repondeurEnCours = nullptr;
}

void CALLBACK RepondeurBoites::Tic(HWND, UINT, UINT_PTR, DWORD) {
    if (repondeurEnCours) repondeurEnCours->Regarde();
}

void RepondeurBoites::Regarde() {
    HWND boite = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), TrouveBoite, reinterpret_cast<LPARAM>(&boite));
    if (!boite || boite == repondue_) return;
    if (ticsVus_++ == 0)
        vues_.push_back(
            {TexteDe(boite), TexteDe(GetDlgItem(boite, TexteBoite)), surveillee_ && !IsWindowEnabled(surveillee_)});
    if (ticsVus_ < ticsAvantReponse_) return;
    ticsVus_ = 0;
    repondue_ = boite;
    if (!nomATaper_.empty()) SetDlgItemTextW(boite, NomFichierDialogue, LargeDepuisUtf8(nomATaper_).c_str());
    PostMessageA(boite, WM_COMMAND, IDOK, 0);
}

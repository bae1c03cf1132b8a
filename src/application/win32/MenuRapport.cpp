// The report box's context menu.
#include "application/win32/MenuRapport.h"

#include "application/win32/Application.h"
#include "application/win32/TexteLarge.h"
#include "commun/Messages.h"

#include <commctrl.h>
#include <richedit.h>

namespace {

enum Commande : UINT { Copier = 1, ToutSelectionner };

// Where the menu opens: at the pointer, or, asked from the keyboard, at the
// caret.
POINT PlaceMenu(HWND boite, LPARAM l) {
    if (l != -1)
        return {static_cast<short>(LOWORD(static_cast<DWORD>(l))), static_cast<short>(HIWORD(static_cast<DWORD>(l)))};
    POINT caret{};
    GetCaretPos(&caret);
    ClientToScreen(boite, &caret);
    return caret;
}

void MontreMenu(HWND boite, POINT place) {
    CHARRANGE selection{};
    SendMessageW(boite, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING | (selection.cpMin == selection.cpMax ? MF_GRAYED : 0u), Copier,
                Large(ChaineRessource(Msg::MenuCopier)).c_str());
    AppendMenuW(menu, MF_STRING, ToutSelectionner, Large(ChaineRessource(Msg::MenuToutSelectionner)).c_str());
    const auto choix = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, place.x, place.y, 0, boite, nullptr));
    DestroyMenu(menu);
    if (choix == Copier) SendMessageW(boite, WM_COPY, 0, 0);
    if (choix == ToutSelectionner) SendMessageW(boite, EM_SETSEL, 0, -1);
}

LRESULT CALLBACK Procedure(HWND boite, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    if (message != WM_CONTEXTMENU) return DefSubclassProc(boite, message, w, l);
    return Application->DelivreGarde([&] {
        MontreMenu(boite, PlaceMenu(boite, l));
        return LRESULT{0};
    });
}

}  // namespace

void DonneMenuRapport(HWND boite) { SetWindowSubclass(boite, Procedure, 0, 0); }

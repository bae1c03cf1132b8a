// The buttons of the window.
#include "application/win32/controles/TSpeedButton.h"

#include <commctrl.h>

#include <string>

namespace {

constexpr int Espacement = 4;

SIZE TailleImage(HBITMAP image) {
    BITMAP description{};
    GetObjectA(image, sizeof description, &description);
    return {description.bmWidth, description.bmHeight};
}

// The glyph drawn at (x, y) without its transparent colour.
void DessineGlyph(HDC dc, HBITMAP glyph, int x, int y) {
    const SIZE taille = TailleImage(glyph);
    HDC memoire = CreateCompatibleDC(dc);
    const HGDIOBJ ancienne = SelectObject(memoire, glyph);
    const COLORREF transparente = GetPixel(memoire, 0, taille.cy - 1);
    GdiTransparentBlt(dc, x, y, taille.cx, taille.cy, memoire, 0, 0, taille.cx, taille.cy, transparente);
    SelectObject(memoire, ancienne);
    DeleteDC(memoire);
}

std::wstring TexteDe(HWND controle) {
    std::wstring texte(static_cast<std::size_t>(GetWindowTextLengthW(controle)) + 1, L'\0');
    texte.resize(static_cast<std::size_t>(GetWindowTextW(controle, texte.data(), static_cast<int>(texte.size()))));
    return texte;
}

}  // namespace

TSpeedButton::TSpeedButton(HWND controle, HBITMAP glyph) : controle_(controle), glyph_(glyph) {
    SetWindowSubclass(controle_, Procedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

TSpeedButton::~TSpeedButton() { RemoveWindowSubclass(controle_, Procedure, 0); }

void TSpeedButton::Dessine(const DRAWITEMSTRUCT& dessin, COLORREF texte) const {
    RECT cadre = dessin.rcItem;
    DrawFrameControl(dessin.hDC, &cadre, DFC_BUTTON, DFCS_BUTTONPUSH | (Enfonce() ? DFCS_PUSHED : 0u));
    const HGDIOBJ ancienne =
        SelectObject(dessin.hDC, reinterpret_cast<HGDIOBJ>(SendMessageW(controle_, WM_GETFONT, 0, 0)));
    const std::wstring caption = TexteDe(controle_);
    const UINT lettre = (dessin.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0u;
    RECT mesure{};
    DrawTextW(dessin.hDC, caption.c_str(), -1, &mesure, DT_SINGLELINE | DT_CALCRECT | lettre);
    const SIZE glyph = glyph_ ? TailleImage(glyph_.get()) : SIZE{0, 0};
    const int decalage = Enfonce() ? 1 : 0;
    const int largeur = dessin.rcItem.right - dessin.rcItem.left;
    const int hauteur = dessin.rcItem.bottom - dessin.rcItem.top;
    const int x = (largeur - (glyph.cx + Espacement + mesure.right)) / 2 + decalage;
    if (glyph_) DessineGlyph(dessin.hDC, glyph_.get(), x, (hauteur - glyph.cy) / 2 + decalage);
    SetBkMode(dessin.hDC, TRANSPARENT);
    SetTextColor(dessin.hDC, texte);
    RECT place{x + glyph.cx + Espacement, (hauteur - mesure.bottom) / 2 + decalage, largeur, hauteur};
    DrawTextW(dessin.hDC, caption.c_str(), -1, &place, DT_SINGLELINE | DT_NOCLIP | lettre);
    SelectObject(dessin.hDC, ancienne);
}

LRESULT CALLBACK TSpeedButton::Procedure(HWND controle, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR donnees) {
    auto* bouton = reinterpret_cast<TSpeedButton*>(donnees);
    const POINT point{static_cast<short>(LOWORD(static_cast<DWORD>(l))),
                      static_cast<short>(HIWORD(static_cast<DWORD>(l)))};
    switch (message) {
    case BM_CLICK: bouton->Clique(); return 0;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
        bouton->Relache();
        if (message == WM_CANCELMODE && GetCapture() == controle) ReleaseCapture();
        return 0;
    default:
        // The button's own press would give it the focus.
        if (bouton->Souris(message, point)) return 0;
        return DefSubclassProc(controle, message, w, l);
    }
}

bool TSpeedButton::Souris(UINT message, POINT point) {
    RECT place{};
    GetClientRect(controle_, &place);
    const bool dedans = PtInRect(&place, point) != FALSE;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        tenu_ = dedans_ = true;
        SetCapture(controle_);
        InvalidateRect(controle_, nullptr, FALSE);
        return true;
    case WM_MOUSEMOVE:
        if (!tenu_) return false;
        if (dedans != dedans_) {
            dedans_ = dedans;
            InvalidateRect(controle_, nullptr, FALSE);
        }
        return true;
    case WM_LBUTTONUP:
        if (!tenu_) return false;
        Relache();
        if (GetCapture() == controle_) ReleaseCapture();
        // The button is drawn up before its handler runs.
        UpdateWindow(controle_);
        if (dedans) Clique();
        return true;
    default: return false;
    }
}

void TSpeedButton::Relache() {
    if (!tenu_) return;
    tenu_ = dedans_ = false;
    InvalidateRect(controle_, nullptr, FALSE);
}

void TSpeedButton::Clique() {
    if (OnClick) OnClick(this);
}

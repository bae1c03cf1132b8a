// The buttons of the window.
#include "application/win32/controles/TSpeedButton.h"

#include "application/win32/Polices.h"

#include <utility>

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

}  // namespace

TSpeedButton::TSpeedButton(HWND fenetre, RECT place, std::wstring caption, HBITMAP glyph, HFONT police)
    : fenetre_(fenetre), place_(place), caption_(std::move(caption)), glyph_(glyph), police_(police) {}

void TSpeedButton::Dessine(HDC dc) const {
    RECT cadre = place_;
    DrawFrameControl(dc, &cadre, DFC_BUTTON, DFCS_BUTTONPUSH | (Enfonce() ? DFCS_PUSHED : 0u));
    const HGDIOBJ anciennePolice = SelectObject(dc, police_);
    SIZE texte{};
    GetTextExtentPoint32W(dc, caption_.c_str(), static_cast<int>(caption_.size()), &texte);
    const SIZE glyph = glyph_ ? TailleImage(glyph_.get()) : SIZE{0, 0};
    const int decalage = Enfonce() ? 1 : 0;
    const int largeur = place_.right - place_.left;
    const int hauteur = place_.bottom - place_.top;
    const int x = place_.left + (largeur - (glyph.cx + Espacement + texte.cx)) / 2 + decalage;
    if (glyph_) DessineGlyph(dc, glyph_.get(), x, place_.top + (hauteur - glyph.cy) / 2 + decalage);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, clTeal);
    TextOutW(dc, x + glyph.cx + Espacement, place_.top + (hauteur - texte.cy) / 2 + decalage, caption_.c_str(),
             static_cast<int>(caption_.size()));
    SelectObject(dc, anciennePolice);
}

bool TSpeedButton::SourisEnfoncee(POINT point) {
    if (!PtInRect(&place_, point)) return false;
    tenu_ = dedans_ = true;
    SetCapture(fenetre_);
    Invalide();
    return true;
}

bool TSpeedButton::SourisDeplacee(POINT point) {
    if (!tenu_) return false;
    const bool dedans = PtInRect(&place_, point) != FALSE;
    if (dedans != dedans_) {
        dedans_ = dedans;
        Invalide();
    }
    return true;
}

bool TSpeedButton::SourisRelachee(POINT point) {
    if (!tenu_) return false;
    const bool clic = PtInRect(&place_, point) != FALSE;
    Relache();
    if (GetCapture() == fenetre_) ReleaseCapture();
    // The button is drawn up before its handler runs.
    UpdateWindow(fenetre_);
    if (clic && OnClick) OnClick(this);
    return true;
}

void TSpeedButton::Relache() {
    if (!tenu_) return;
    tenu_ = dedans_ = false;
    Invalide();
}

void TSpeedButton::Invalide() const { InvalidateRect(fenetre_, &place_, TRUE); }

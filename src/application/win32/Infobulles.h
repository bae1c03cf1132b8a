// The tooltips of the main window, under the rules of
// application/ReglesInfobulles.h, over the platform's tooltip control:
// hidden also when the pointer leaves the control, and shown only while the
// tool is in the foreground. A control without a hint shows its window's.
// Hints are texts of the tool's own, shown through the control's
// wide-character calls.
//
// A control may have a tooltip of its own for the place under the pointer
// (a line of the report, a panel of the status bar), asked for when the
// tooltip shows and shown whole, for the reading time; when the pointer
// moves to a place with another text, a shown tooltip takes it at once, a
// hidden one shows it after the usual delay.
#pragma once

#include <windows.h>

#include <functional>
#include <list>
#include <map>
#include <string>
#include <string_view>

class Infobulles {
public:
    // The window's hint serves every part of it that has none.
    Infobulles(HWND fenetre, std::string_view hintFenetre);
    ~Infobulles();
    Infobulles(const Infobulles&) = delete;
    Infobulles& operator=(const Infobulles&) = delete;

    // A windowed control of the window; hint null: the window's.
    void AjouteControle(HWND controle, const char* hint);
    // A control drawn on the window's own surface, within the rectangle.
    void AjouteZone(const RECT& zone, const char* hint);

    // The tooltip at a point of the control's client area; empty: its hint.
    using TexteSelonPosition = std::function<std::wstring(POINT)>;
    // A windowed control whose tooltip depends on where the pointer rests.
    void AjouteControleSelonPosition(HWND controle, const char* hint, TexteSelonPosition texte);
    // The window's WM_NOTIFY: true when it was the tooltip asking for the
    // text of such a control, which it then has.
    bool Notification(NMHDR& entete);

private:
    struct SelonPosition {
        std::wstring Hint;
        TexteSelonPosition Texte;
        std::wstring Dernier;  // the text for the pointer's last place
    };

    void Ajoute(UINT drapeaux, UINT_PTR outil, const RECT& zone, std::string_view hint);
    static LRESULT CALLBACK SuitSouris(HWND controle, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR donnees);
    void SourisDeplacee(HWND controle, POINT point);
    std::wstring TexteA(HWND controle, POINT point);

    HWND fenetre_;
    HWND bulle_;
    std::string hintFenetre_;
    // The texts the control points to, kept as long as it lives.
    std::list<std::wstring> textes_;
    UINT_PTR prochaineZone_ = 1;
    std::map<HWND, SelonPosition> selonPosition_;
    // The text last handed to the tooltip for such a control.
    std::wstring texteDonne_;
};

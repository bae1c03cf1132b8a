// The tooltips of the main window, under the rules of
// application/ReglesInfobulles.h, over the platform's tooltip control:
// hidden also when the pointer leaves the control, and shown only while the
// tool is in the foreground. A control without a hint shows its window's.
// Hints are texts of the tool's own, shown through the control's
// wide-character calls.
#pragma once

#include <windows.h>

#include <list>
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

private:
    void Ajoute(UINT drapeaux, UINT_PTR outil, const RECT& zone, std::string_view hint);

    HWND fenetre_;
    HWND bulle_;
    std::string hintFenetre_;
    // The texts the control points to, kept as long as it lives.
    std::list<std::wstring> textes_;
    UINT_PTR prochaineZone_ = 1;
};

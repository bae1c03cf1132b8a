// The tooltips of the main window, over the platform's tooltip control: the
// short part of a control's hint (the text before the first "|"), shown
// when the pointer has rested 500 ms on the control, at once when it passes
// to another control while one is showing, and hidden after 2500 ms or when
// the pointer leaves the control; only while the tool is in the foreground.
// A control without a hint shows its window's. Hints are texts of the
// tool's own, shown through the control's wide-character calls.
#pragma once

#include <windows.h>

#include <list>
#include <string>
#include <string_view>

inline constexpr int DelaiAvantInfobulle = 500;
inline constexpr int DelaiEntreInfobulles = 0;
inline constexpr int DureeInfobulle = 2500;

// The short part of a hint.
std::string_view PartieCourte(std::string_view hint);

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

// The fonts and the named colours of the main window's layout, the same in
// both windows: the window's font and the fonts F1 to F4 of the controls,
// all of the default character set, with their heights in pixels at 96 dots
// per inch; teal, the colour of every font of the controls, and cream, the
// background of the memo and of the report box.
#pragma once

#include <cstdint>

struct PoliceDisposition {
    const char* Face;
    int Hauteur;
    bool Gras = false;
    bool PasVariable = false;
};

namespace PolicesDisposition {
inline constexpr PoliceDisposition Fenetre{"MS Sans Serif", 11};
inline constexpr PoliceDisposition F1{"Comic Sans MS", 13};
inline constexpr PoliceDisposition F2{"Comic Sans MS", 13, true};
inline constexpr PoliceDisposition F3{"Comic Sans MS", 11};
inline constexpr PoliceDisposition F4{"Arial", 11, false, true};
}  // namespace PolicesDisposition

struct CouleurDisposition {
    std::uint8_t Rouge;
    std::uint8_t Vert;
    std::uint8_t Bleu;
};

inline constexpr CouleurDisposition Teal{0, 128, 128};
inline constexpr CouleurDisposition Creme{255, 251, 240};

// The names of the pictures that travel inside the program (Controle.rc):
// the application icon, the three button glyphs and the logo.
#pragma once

namespace Ressources {
inline constexpr const char* Icone = "MAINICON";
inline constexpr const char* GlypheOuvre = "OUVRE";
inline constexpr const char* GlypheTraite = "TRAITE";
inline constexpr const char* GlypheQuitte = "QUITTE";
inline constexpr const char* Logo = "LOGO";
}  // namespace Ressources

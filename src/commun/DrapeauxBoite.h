// The flags of the tool's message boxes and the number of the button that
// answers them, with the values of the original platform's message box call.
// The names are the tool's own, so that they never meet the platform's macros.
#pragma once

#include <cstdint>

namespace Boite {
inline constexpr std::uint32_t Ok = 0x0;
inline constexpr std::uint32_t IconeStop = 0x10;
inline constexpr std::uint32_t IconeInformation = 0x40;
// The button numbers a box answers with.
inline constexpr int BoutonOk = 1;
}  // namespace Boite

// The export's code page, from the system's.
#include "commun/PageDeCodeExport.h"

#include "platform/locale/ServicesLocale.h"

namespace {
constexpr std::uint32_t PageUtf8 = 65001;
constexpr std::uint32_t PageDeCodeTabrenn = 1252;
}  // namespace

std::uint32_t PageDeCodeExport() {
    const std::uint32_t systeme = ServicesLocaleCourants().GetACP();
    return systeme == PageUtf8 ? PageDeCodeTabrenn : systeme;
}

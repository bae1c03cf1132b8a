// High contrast and the window's colours, as the system gives them.
#include "application/win32/Contraste.h"

namespace {

std::optional<bool> reponseImposee;

CouleurDisposition Systeme(CouleurSysteme couleur) {
    const COLORREF gdi = GetSysColor(static_cast<int>(couleur));
    return {GetRValue(gdi), GetGValue(gdi), GetBValue(gdi)};
}

}  // namespace

bool ContrasteEleve() {
    if (reponseImposee) return *reponseImposee;
    HIGHCONTRASTW contraste{sizeof contraste, 0, nullptr};
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contraste, &contraste, 0) &&
           (contraste.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void ImposeContrasteEleve(std::optional<bool> reponse) { reponseImposee = reponse; }

CouleursFenetre CouleursActuelles() { return CouleursPour(ContrasteEleve(), Systeme); }

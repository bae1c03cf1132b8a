// The colours of the window's parts.
#include "application/CouleursFenetre.h"

CouleursFenetre CouleursPour(bool contrasteEleve, const std::function<CouleurDisposition(CouleurSysteme)>& systeme) {
    if (contrasteEleve) {
        const Encre saisie{systeme(CouleurSysteme::TexteFenetre), systeme(CouleurSysteme::Fenetre)};
        return {systeme(CouleurSysteme::TexteBouton), saisie, saisie, saisie};
    }
    return {Teal,
            {Teal, Creme},
            {Teal, systeme(CouleurSysteme::GradientInactif)},
            {systeme(CouleurSysteme::TexteFenetre), Creme}};
}

// The colours of the window's parts, the same rule for both windows: the
// layout's own (teal text; the memo and the report box on cream, the fields
// on the inactive caption's gradient colour; the report box's text in the
// window text colour, given explicitly so that no theme leaves it to
// chance), or, while the platform's high contrast is on, the system's
// colours throughout, so that the user's theme decides every one of them.
#pragma once

#include "application/PolicesDisposition.h"

#include <functional>

// The system colours the rule reads, under the platform's numbers.
enum class CouleurSysteme {
    Fenetre = 5,
    TexteFenetre = 8,
    FaceBouton = 15,
    TexteBouton = 18,
    GradientInactif = 28,
};

struct Encre {
    CouleurDisposition Texte;
    CouleurDisposition Fond;
};

struct CouleursFenetre {
    // Labels, buttons' captions and the status bar's credit, on the face of
    // the window.
    CouleurDisposition TexteSurFenetre;
    Encre Memo;
    Encre Champs;
    Encre Rapport;
};

CouleursFenetre CouleursPour(bool contrasteEleve, const std::function<CouleurDisposition(CouleurSysteme)>& systeme);

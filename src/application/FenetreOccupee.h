// The busy window, the same rule in both windows. While the tool works (the
// survey of "Ouvre", the check of "Traite"), it works on the window's thread,
// in the same order of steps as ever; at the points where it shows its
// progress it lets the window take its pending events, at most every
// IntervalleEvenements, so that the window is painted, can be moved and
// resized by its frame, shows the wait cursor, and is never taken for hung.
//
// Each toolkit sorts its events into the kinds below; this rule says what a
// busy window does with each. A click, a key, a request to close and a drop
// made meanwhile are thrown away: they act neither then nor afterwards. An
// announced change of the regional settings is kept and acted on when the
// work ends, so that a check runs under one set of settings. The toolkit's
// own business (timers, its notifications, the tool's own requests) goes on.
#pragma once

#include <chrono>

enum class GenreEvenement {
    Peinture,
    Cadre,    // moving or resizing the window by its frame
    Curseur,  // the pointer's shape
    Reglages,
    Interne,  // the toolkit's own, and the tool's requests to itself
    Souris,
    Clavier,
    Fermeture,
    Depot,
};

enum class SortEvenement { Traite, Garde, Ecarte };

constexpr SortEvenement SortPendantAttente(GenreEvenement genre) {
    switch (genre) {
    case GenreEvenement::Peinture:
    case GenreEvenement::Cadre:
    case GenreEvenement::Curseur:
    case GenreEvenement::Interne: return SortEvenement::Traite;
    case GenreEvenement::Reglages: return SortEvenement::Garde;
    case GenreEvenement::Souris:
    case GenreEvenement::Clavier:
    case GenreEvenement::Fermeture:
    case GenreEvenement::Depot: break;
    }
    return SortEvenement::Ecarte;
}

// Short enough for the window to follow a drag of its frame, far under the
// five seconds after which Windows takes a window for hung.
inline constexpr std::chrono::milliseconds IntervalleEvenements{50};

// A record of the message boxes the tool showed during a test: each is
// answered at once with OK, and its text, caption and flags are kept.
#pragma once

#include "application/qt/Application.h"
#include "commun/Texte.h"

#include <cstdint>
#include <vector>

struct BoiteVue {
    Texte texte;
    Texte titre;
    std::uint32_t drapeaux = 0;
    bool operator==(const BoiteVue&) const = default;
};

class BoitesRepondues {
public:
    BoitesRepondues() {
        Application->RepondeurBoites = [this](const Texte& texte, const Texte& titre, std::uint32_t drapeaux) {
            vues.push_back({texte, titre, drapeaux});
            return Boite::BoutonOk;
        };
    }
    ~BoitesRepondues() { Application->RepondeurBoites = nullptr; }
    BoitesRepondues(const BoitesRepondues&) = delete;
    BoitesRepondues& operator=(const BoitesRepondues&) = delete;

    std::vector<BoiteVue> vues;
};

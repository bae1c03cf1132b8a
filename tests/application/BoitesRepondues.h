// A record of the message boxes the tool showed during a test: each is
// answered at once with OK, and its text, caption and flags are kept, as the
// box would show them.
#pragma once

#include "application/qt/Application.h"

#include <QString>

#include <cstdint>
#include <vector>

struct BoiteVue {
    QString texte;
    QString titre;
    std::uint32_t drapeaux = 0;
    bool operator==(const BoiteVue&) const = default;
};

class BoitesRepondues {
public:
    BoitesRepondues() {
        Application->RepondeurBoites = [this](const QString& texte, const QString& titre, std::uint32_t drapeaux) {
            vues.push_back({texte, titre, drapeaux});
            return Boite::BoutonOk;
        };
    }
    ~BoitesRepondues() { Application->RepondeurBoites = nullptr; }
    BoitesRepondues(const BoitesRepondues&) = delete;
    BoitesRepondues& operator=(const BoitesRepondues&) = delete;

    std::vector<BoiteVue> vues;
};

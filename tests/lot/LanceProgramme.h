// Runs a program of the tool as a user would, with its arguments and a few
// environment variables, and gives back its exit status and both outputs.
#pragma once

#include <string>
#include <vector>

struct ResultatProgramme {
    int statut = -1;
    std::string sortie;
    std::string erreurs;
};

ResultatProgramme LanceProgramme(const std::string& programme, const std::vector<std::string>& arguments,
                                 const std::vector<std::string>& environnement);

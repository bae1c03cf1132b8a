// A test double of the file services: files held in memory by name, with a
// failure code that a chosen read or the closing can give, and a count of
// the reads made.
#pragma once

#include "platform/fichiers/ServicesFichiers.h"

#include <map>
#include <string>

class ServicesFichiersSimules : public ServicesFichiers {
public:
    void AjouteFichier(const std::string& nom, std::string contenu) { fichiers_[nom] = std::move(contenu); }
    // The read numbered numero (from 1, counted over all files) fails with code.
    void FaitEchouerLecture(int numero, std::int32_t code) {
        lectureEnEchec_ = numero;
        codeLecture_ = code;
    }
    void FaitEchouerFermeture(std::int32_t code) { codeFermeture_ = code; }
    int NombreLectures() const { return lectures_; }
    int NombreOuverts() const { return static_cast<int>(ouverts_.size()); }

    std::int32_t OuvreEnLecture(const char* nom, std::size_t longueurNom, IdentiteFichier& identite,
                                Poignee& poignee) override;
    std::int32_t Lit(Poignee poignee, unsigned char* place, std::uint32_t taille, std::uint32_t& lus) override;
    std::int32_t Ferme(Poignee poignee) override;

private:
    struct Ouvert {
        const std::string* Contenu;
        std::size_t Position;
    };

    std::map<std::string, std::string> fichiers_;
    std::map<Poignee, Ouvert> ouverts_;
    Poignee prochainePoignee_ = 3;
    int lectures_ = 0;
    int lectureEnEchec_ = 0;
    std::int32_t codeLecture_ = 0;
    std::int32_t codeFermeture_ = 0;
};

// Files in memory for the reader's tests.
#include "support/ServicesFichiersSimules.h"

#include <algorithm>
#include <cstring>

namespace {
// What a read of a file that is not open answers, as the original platform
// numbers an invalid handle.
constexpr std::int32_t PoigneeInconnue = 6;
}  // namespace

std::int32_t ServicesFichiersSimules::OuvreEnLecture(const char* nom, std::size_t longueurNom,
                                                     IdentiteFichier& identite, Poignee& poignee) {
    const auto trouve = fichiers_.find(std::string(nom, longueurNom));
    if (trouve == fichiers_.end()) return CodeFichier::Introuvable;
    identite.Taille = static_cast<std::int64_t>(trouve->second.size());
    poignee = prochainePoignee_++;
    ouverts_[poignee] = {&trouve->second, 0};
    return 0;
}

std::int32_t ServicesFichiersSimules::Lit(Poignee poignee, unsigned char* place, std::uint32_t taille,
                                          std::uint32_t& lus) {
    lus = 0;
    if (++lectures_ == lectureEnEchec_) return codeLecture_;
    const auto trouve = ouverts_.find(poignee);
    if (trouve == ouverts_.end()) return PoigneeInconnue;
    Ouvert& ouvert = trouve->second;
    lus = static_cast<std::uint32_t>(std::min<std::size_t>(taille, ouvert.Contenu->size() - ouvert.Position));
    std::memcpy(place, ouvert.Contenu->data() + ouvert.Position, lus);
    ouvert.Position += lus;
    return 0;
}

std::int32_t ServicesFichiersSimules::Ferme(Poignee poignee) {
    ouverts_.erase(poignee);
    return codeFermeture_;
}

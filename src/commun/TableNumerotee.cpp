// The failure of a number outside a numbered table.
#include "commun/TableNumerotee.h"

#include <stdexcept>
#include <string>

void NumeroHorsTable(int numero, int taille) {
    throw std::out_of_range("numéro " + std::to_string(numero) + " hors de la table de 1 à " + std::to_string(taille));
}

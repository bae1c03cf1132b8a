// TableNumerotee: a fixed table whose entries are numbered from 1 to N, as
// the tool's field table (Champ, 1 to 64) and era slots (1 to 7) are. A
// number outside 1 to N is refused in every build (std::out_of_range), never
// read or written.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

template <typename T, std::size_t N>
class TableNumerotee {
public:
    static constexpr int Taille = static_cast<int>(N);

    static constexpr bool Contient(int numero) { return numero >= 1 && numero <= Taille; }

    T& operator[](int numero) { return entrees_[Index(numero)]; }
    const T& operator[](int numero) const { return entrees_[Index(numero)]; }

    void Remplit(const T& valeur) { entrees_.fill(valeur); }
    friend bool operator==(const TableNumerotee&, const TableNumerotee&) = default;

private:
    static std::size_t Index(int numero) {
        if (!Contient(numero)) HorsTable(numero);
        return static_cast<std::size_t>(numero - 1);
    }
    [[noreturn]] static void HorsTable(int numero) {
        throw std::out_of_range("numéro " + std::to_string(numero) + " hors de la table de 1 à " +
                                std::to_string(Taille));
    }

    std::array<T, N> entrees_{};
};

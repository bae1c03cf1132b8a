// TableNumerotee: a fixed table whose entries are numbered from 1 to N, as
// the tool's field table (Champ, 1 to 64) and era slots (1 to 7) are. A
// number outside 1 to N is refused in every build (std::out_of_range), never
// read or written.
#pragma once

#include <array>
#include <cstddef>

// Raises the std::out_of_range of a number outside 1 to taille; written
// apart, so that each access keeps only its comparison.
[[noreturn]] void NumeroHorsTable(int numero, int taille);

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
        if (!Contient(numero)) NumeroHorsTable(numero, Taille);
        return static_cast<std::size_t>(numero - 1);
    }

    std::array<T, N> entrees_{};
};

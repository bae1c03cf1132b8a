// TableNumerotee: a fixed table whose entries are numbered from 1 to N, as
// the tool's field table (Champ, 1 to 64) and era slots (1 to 7) are.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

template <typename T, std::size_t N>
class TableNumerotee {
public:
    static constexpr int Taille = static_cast<int>(N);

    static constexpr bool Contient(int numero) { return numero >= 1 && numero <= Taille; }

    T& operator[](int numero) {
        assert(Contient(numero));
        return entrees_[static_cast<std::size_t>(numero - 1)];
    }
    const T& operator[](int numero) const {
        assert(Contient(numero));
        return entrees_[static_cast<std::size_t>(numero - 1)];
    }

    void Remplit(const T& valeur) { entrees_.fill(valeur); }
    friend bool operator==(const TableNumerotee&, const TableNumerotee&) = default;

private:
    std::array<T, N> entrees_{};
};

// The guards of the shared types: a table number outside its bounds and a
// text from a null pointer are refused, in every build.
#include "commun/TableNumerotee.h"
#include "commun/Texte.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <type_traits>
#include <utility>

namespace {

TEST(TableNumerotee, UnNumeroHorsDesBornesEstRefuse) {
    TableNumerotee<int, 3> table;
    table.Remplit(7);
    for (const int numero : {0, -1, 4, 1000}) {
        EXPECT_THROW(table[numero] = 1, std::out_of_range) << numero;
        EXPECT_THROW(std::as_const(table)[numero], std::out_of_range) << numero;
    }
    table[3] = 9;
    EXPECT_EQ(table[1], 7);
    EXPECT_EQ(table[3], 9);
}

TEST(Texte, UnPointeurNulEstRefuse) {
    static_assert(!std::is_constructible_v<Texte, std::nullptr_t>);
    const char* nul = nullptr;
    EXPECT_THROW(Texte{nul}, std::invalid_argument);
}

}  // namespace

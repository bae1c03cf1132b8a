// Recognition on the hot path allocates nothing, on acceptance or refusal
// without raising, with or without the refusal's reason: every allocation
// of this program is counted.
#include "dates/RaisonRefus.h"
#include "dates/ReconnaitDate.h"
#include "support/ReglagesFrancais.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t taille) {
    ++allocations;
    if (void* bloc = std::malloc(taille == 0 ? 1 : taille)) return bloc;
    throw std::bad_alloc();
}
// The blocks that this operator new gives come from malloc.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* bloc) noexcept { std::free(bloc); }
void operator delete(void* bloc, std::size_t) noexcept { std::free(bloc); }
#pragma GCC diagnostic pop

namespace {

TEST(SansAllocation, AcceptationEtRefusSansLever) {
    ReglagesFrancais reglages(2026);
    const Texte valide("12/05/1850");
    const std::string longue(1 << 20, ' ');
    const long avant = allocations;
    TDateSerie date = 0;
    RaisonRefus raison;
    for (const char* texte : {"12/05/1850", " 1/1/5 ", "12/05", "31/02/1850", "", "12/05/1850x"}) {
        TenteReconnaitDate(texte, date);
        TenteReconnaitDate(texte, date, &raison);
    }
    TenteReconnaitDate(longue, date);
    EXPECT_EQ(ReconnaitDate(valide), -18129);
    EXPECT_EQ(allocations - avant, 0);
}

}  // namespace

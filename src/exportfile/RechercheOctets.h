// The search for the next of a few given bytes, on which the line reader
// (line ends) and the field splitting (";") rest: sixteen bytes at a time
// where the processor has SSE2, one at a time elsewhere. Lines and fields are
// short, so an inline search beats calls to the C library's memchr.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The first byte from debut on that is one of the octets, or fin.
template <std::size_t N>
inline const unsigned char* PremierParmi(const unsigned char* debut, const unsigned char* fin,
                                         const std::array<unsigned char, N>& octets) {
#if defined(__SSE2__)
    __m128i motifs[N];
    for (std::size_t i = 0; i < N; ++i) motifs[i] = _mm_set1_epi8(static_cast<char>(octets[i]));
    for (; fin - debut >= 16; debut += 16) {
        const __m128i bloc = _mm_loadu_si128(reinterpret_cast<const __m128i*>(debut));
        __m128i egaux = _mm_cmpeq_epi8(bloc, motifs[0]);
        for (std::size_t i = 1; i < N; ++i) egaux = _mm_or_si128(egaux, _mm_cmpeq_epi8(bloc, motifs[i]));
        if (const int masque = _mm_movemask_epi8(egaux)) return debut + std::countr_zero(static_cast<unsigned>(masque));
    }
#endif
    for (; debut != fin; ++debut)
        for (const unsigned char octet : octets)
            if (*debut == octet) return debut;
    return fin;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/DecimalDigits.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <new>

namespace qv {

namespace {

__extension__ typedef unsigned __int128 U128;

constexpr std::uint64_t TenTo17 = 100000000000000000ULL;
constexpr std::uint64_t TenTo18 = 1000000000000000000ULL;

// 10^k for k = 0..38, exact in 128 bits.
constexpr auto PowersOfTen = [] {
    struct Table {
        U128 v[39];
    } t{};
    t.v[0] = 1;
    for (int k = 1; k < 39; ++k) t.v[k] = t.v[k - 1] * 10;
    return t;
}();

// 5^k for k = 0..27, all below 2^63.
constexpr auto PowersOfFive = [] {
    struct Table {
        std::uint64_t v[28];
    } t{};
    t.v[0] = 1;
    for (int k = 1; k < 28; ++k) t.v[k] = t.v[k - 1] * 5;
    return t;
}();

// The C locale, made once: reading and the library's formatting must not follow
// the LC_NUMERIC of the GUI process.
locale_t CLocale()
{
    static const locale_t c = [] {
        locale_t l = newlocale(LC_ALL_MASK, "C", locale_t{});
        if (l == locale_t{}) throw std::bad_alloc();
        return l;
    }();
    return c;
}

void StoreDigits(DecimalDigits& d, std::uint64_t q)
{
    for (int i = 17; i >= 0; --i) {
        d.digits[i] = static_cast<char>('0' + q % 10);
        q /= 10;
    }
}

// Rounds a 19- to 39-digit integer to 18 digits. n >= 2^63.
void IntegerDigits(DecimalDigits& d, U128 n)
{
    int length = 19;
    while (length < 39 && n >= PowersOfTen.v[length]) ++length;
    const U128 divisor = PowersOfTen.v[length - 18];
    std::uint64_t q = static_cast<std::uint64_t>(n / divisor);
    const U128 twice = 2 * (n % divisor);
    if (twice > divisor || (twice == divisor && (q & 1) != 0)) ++q;
    d.exponent = length - 1;
    if (q == TenTo18) {
        q = TenTo17;
        ++d.exponent;
    }
    StoreDigits(d, q);
}

// The exact path: a = m * 2^e2 with m holding 64 significant bits. Scales a by
// 10^t = 5^t * 2^t in 128-bit integers so that its whole part has 18 or 19
// digits, then rounds on the exact remainder. False outside its range.
bool ExactDigits(DecimalDigits& d, Extended a)
{
    int binaryExponent = 0;
    const Extended fraction = std::frexp(a, &binaryExponent);  // a = fraction * 2^binaryExponent
    const std::uint64_t m = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    const int e2 = binaryExponent - 64;
    if (e2 >= 0) {
        if (e2 > 63) return false;
        IntegerDigits(d, static_cast<U128>(m) << e2);
        return true;
    }
    // 2^(binaryExponent-1) <= a < 2^binaryExponent, so the decimal exponent is
    // estimate or estimate + 1 (78913 / 2^18 is log10(2) from below).
    const int estimate = ((binaryExponent - 1) * 78913) >> 18;
    const int t = 17 - estimate;
    if (t < 0 || t > 27) return false;
    const U128 scaled = static_cast<U128>(m) * PowersOfFive.v[t];
    const int shift = -e2 - t;  // a * 10^t = scaled / 2^shift
    U128 whole = 0, rest = 0, half = 0;
    if (shift <= 0) {
        whole = scaled << -shift;
    } else {
        whole = scaled >> shift;
        rest = scaled & ((static_cast<U128>(1) << shift) - 1);
        half = static_cast<U128>(1) << (shift - 1);
    }
    std::uint64_t q = 0;
    bool up = false;
    d.exponent = estimate;
    if (whole >= TenTo18) {
        // 19 digits: drop the last one; it and the remainder decide the rounding.
        const unsigned last = static_cast<unsigned>(whole % 10);
        q = static_cast<std::uint64_t>(whole / 10);
        const bool tie = last == 5 && rest == 0;
        up = last > 5 || (last == 5 && rest != 0) || (tie && (q & 1) != 0);
        ++d.exponent;
    } else {
        q = static_cast<std::uint64_t>(whole);
        up = shift > 0 && (rest > half || (rest == half && (q & 1) != 0));
    }
    if (up && ++q == TenTo18) {
        q = TenTo17;
        ++d.exponent;
    }
    StoreDigits(d, q);
    return true;
}

// The path for every other magnitude. a * 10^t is formed with a 128-bit
// approximation of 10^t; the approximation is below the true power by less
// than a relative 2^-118, so the 64 fraction bits beyond the last kept digit
// are known to within far less than 2^20 of their 2^64 scale. When they lie
// that close to a rounding boundary, the decision is left to the library.
constexpr std::uint64_t Margin = std::uint64_t{1} << 20;
constexpr Extended Log10Of2 = 0.301029995663981195213738894724493027L;

// mantissa * 2^exponent, mantissa in [2^127, 2^128).
struct Binary128 {
    U128 mantissa = 0;
    int exponent = 0;
};

// 64 bits of a little-endian multi-word number, from bit `offset` up.
template <int N>
constexpr std::uint64_t Bits64(const std::uint64_t (&w)[N], int offset)
{
    const int word = offset / 64, bit = offset % 64;
    std::uint64_t r = word < N ? w[word] >> bit : 0;
    if (bit != 0 && word + 1 < N) r |= w[word + 1] << (64 - bit);
    return r;
}

// The top 128 bits of a product of `exponent` scale, truncated.
template <int N>
constexpr Binary128 Top128(const std::uint64_t (&w)[N], int exponent)
{
    int word = N - 1;
    while (w[word] == 0) --word;
    const int dropped = word * 64 + (63 - std::countl_zero(w[word])) - 127;
    return {static_cast<U128>(Bits64(w, dropped + 64)) << 64 | Bits64(w, dropped), exponent + dropped};
}

constexpr void Multiply(U128 a, std::uint64_t b, std::uint64_t (&w)[3])
{
    const U128 low = static_cast<U128>(static_cast<std::uint64_t>(a)) * b;
    const U128 high = static_cast<U128>(static_cast<std::uint64_t>(a >> 64)) * b;
    const U128 middle = (low >> 64) + static_cast<std::uint64_t>(high);
    w[0] = static_cast<std::uint64_t>(low);
    w[1] = static_cast<std::uint64_t>(middle);
    w[2] = static_cast<std::uint64_t>(high >> 64) + static_cast<std::uint64_t>(middle >> 64);
}

constexpr void Multiply(U128 a, U128 b, std::uint64_t (&w)[4])
{
    const auto lo = [](U128 x) { return static_cast<std::uint64_t>(x); };
    const auto hi = [](U128 x) { return static_cast<std::uint64_t>(x >> 64); };
    const U128 p00 = static_cast<U128>(lo(a)) * lo(b), p01 = static_cast<U128>(lo(a)) * hi(b);
    const U128 p10 = static_cast<U128>(hi(a)) * lo(b), p11 = static_cast<U128>(hi(a)) * hi(b);
    const U128 middle = static_cast<U128>(hi(p00)) + lo(p01) + lo(p10);
    const U128 upper = static_cast<U128>(hi(middle)) + hi(p01) + hi(p10) + lo(p11);
    w[0] = lo(p00);
    w[1] = lo(middle);
    w[2] = lo(upper);
    w[3] = hi(upper) + hi(p11);
}

// 10^(27i) for the i that the extended range needs, each truncated to 128
// bits: upward by exact multiplications with 10^27, downward with 10^-27 (the
// quotient 2^190 / 5^27, itself truncated). Every step loses less than a
// relative 2^-126.
constexpr int CoarseStep = 27;
constexpr int CoarseLow = -184;
constexpr int CoarseHigh = 185;

constexpr auto CoarsePowers = [] {
    struct Table {
        Binary128 v[CoarseHigh - CoarseLow + 1];
    } t{};
    constexpr int zero = -CoarseLow;
    constexpr std::uint64_t FiveTo27 = PowersOfFive.v[27];
    t.v[zero] = {static_cast<U128>(1) << 127, -127};
    for (int i = 1; i <= CoarseHigh; ++i) {
        std::uint64_t w[3] = {};
        Multiply(t.v[zero + i - 1].mantissa, FiveTo27, w);
        t.v[zero + i] = Top128(w, t.v[zero + i - 1].exponent + 27);
    }
    const U128 remainder = (static_cast<U128>(1) << 126) % FiveTo27;  // 2^190 / 5^27, word by word
    const U128 high = (static_cast<U128>(1) << 126) / FiveTo27;
    const U128 low = (remainder << 64) / FiveTo27;
    const Binary128 tenthPower27 = {high << 64 | low, -190 - 27};
    for (int i = 1; i <= -CoarseLow; ++i) {
        std::uint64_t w[4] = {};
        Multiply(t.v[zero - i + 1].mantissa, tenthPower27.mantissa, w);
        t.v[zero - i] = Top128(w, t.v[zero - i + 1].exponent + tenthPower27.exponent);
    }
    return t;
}();

Binary128 PowerOfTen(int k)
{
    const int i = (k >= 0 ? k : k - (CoarseStep - 1)) / CoarseStep;  // floor
    const int j = k - i * CoarseStep;
    const Binary128& coarse = CoarsePowers.v[i - CoarseLow];
    if (j == 0) return coarse;
    std::uint64_t w[3] = {};
    Multiply(coarse.mantissa, PowersOfFive.v[j], w);
    return Top128(w, coarse.exponent + j);
}

bool ScaledDigits(DecimalDigits& d, Extended a)
{
    int binaryExponent = 0;
    const Extended fraction = std::frexp(a, &binaryExponent);
    const std::uint64_t m = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    const int estimate = static_cast<int>(std::floor((binaryExponent - 1) * Log10Of2));
    const Binary128 power = PowerOfTen(17 - estimate);
    std::uint64_t w[3] = {};
    Multiply(power.mantissa, m, w);
    // a * 10^(17 - estimate) = w / 2^shift, between 10^17 and 10^19.
    const int shift = 64 - binaryExponent - power.exponent;
    if (shift < 127 || shift > 140) return false;
    const std::uint64_t whole = Bits64(w, shift);
    const std::uint64_t rest = Bits64(w, shift - 64);
    if (whole < TenTo17 || whole >= 10 * TenTo18) return false;

    std::uint64_t q = whole;
    bool up = false;
    d.exponent = estimate;
    if (whole >= TenTo18) {
        const unsigned last = static_cast<unsigned>(whole % 10);
        if ((last == 5 && rest <= Margin) || (last == 4 && rest >= ~Margin)) return false;
        q = whole / 10;
        up = last >= 5;
        ++d.exponent;
    } else {
        constexpr std::uint64_t Half = std::uint64_t{1} << 63;
        if (rest >= Half - Margin && rest <= Half + Margin) return false;
        up = rest > Half;
    }
    if (up && ++q == TenTo18) {
        q = TenTo17;
        ++d.exponent;
    }
    StoreDigits(d, q);
    return true;
}

}  // namespace

DecimalDigits ToDecimalDigitsByLibrary(Extended v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.17Le", v);
    // The point is whatever LC_NUMERIC says, possibly several bytes: take the
    // digits up to the 'e' and skip anything else.
    DecimalDigits d;
    const char* p = text;
    if (*p == '-') ++p;
    int count = 0;
    for (; *p != '\0' && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9' && count < 18) d.digits[count++] = *p;
    }
    while (count < 18) d.digits[count++] = '0';
    if (*p == 'e') d.exponent = static_cast<int>(std::strtol(p + 1, nullptr, 10));
    d.negative = text[0] == '-' && !d.IsZero();
    if (d.IsZero()) d.exponent = 0;
    return d;
}

DecimalDigits ToDecimalDigits(Extended v)
{
    DecimalDigits d;
    if (v == 0) {
        for (char& c : d.digits) c = '0';
        return d;
    }
    if (ExactDigits(d, std::fabs(v)) || ScaledDigits(d, std::fabs(v))) {
        d.negative = std::signbit(v);
        return d;
    }
    return ToDecimalDigitsByLibrary(v);
}

bool ReadCDecimal(const char* text, Extended& value)
{
    const Extended v = strtold_l(text, nullptr, CLocale());
    if (std::isinf(v)) return false;
    value = v;
    return true;
}

bool RoundTo18Digits(Extended v, Extended& rounded)
{
    const DecimalDigits d = ToDecimalDigits(v);
    if (d.IsZero()) {
        rounded = 0;
        return true;
    }
    // "[-]d.ddddddddddddddddde[-]x", written by hand: this runs for every
    // operator the evaluator reduces.
    char text[48];
    char* p = text;
    if (d.negative) *p++ = '-';
    *p++ = d.digits[0];
    *p++ = '.';
    for (int i = 1; i < 18; ++i) *p++ = d.digits[i];
    *p++ = 'e';
    int e = d.exponent;
    if (e < 0) {
        *p++ = '-';
        e = -e;
    }
    char reversed[8];
    int n = 0;
    do {
        reversed[n++] = static_cast<char>('0' + e % 10);
        e /= 10;
    } while (e != 0);
    while (n > 0) *p++ = reversed[--n];
    *p = '\0';
    return ReadCDecimal(text, rounded);
}

}  // namespace qv

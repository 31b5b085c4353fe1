// Properties of the big-integer arithmetic over random operands of up to
// thousands of digits, long enough for every algorithm the products and
// quotients switch between.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/bigint.h"
#include "engine/bigint_operations.h"
#include "engine/matrix_builders.h"

namespace lorvex {
namespace {

using test::big;

class RandomNumbers {
  public:
    explicit RandomNumbers(unsigned seed) : engine_(seed) {}

    std::string digits(std::size_t count) {
        std::uniform_int_distribution<int> digit(0, 9);
        std::string text(count, '0');
        for (char& c : text)
            c = static_cast<char>('0' + digit(engine_));
        text[0] = static_cast<char>('1' + digit(engine_) % 9);
        return text;
    }

    BigInt number(std::size_t maxDigits) {
        std::uniform_int_distribution<std::size_t> length(1, maxDigits);
        std::string text = digits(length(engine_));
        if (engine_() % 2 == 0) text.insert(0, "-");
        return big(text);
    }

    // Numbers rich in 9s and 0s, which push long division's trial quotients
    // to their corrections.
    BigInt extremeNumber(std::size_t maxDigits) {
        std::uniform_int_distribution<std::size_t> length(1, maxDigits);
        std::string text(length(engine_), '9');
        for (char& c : text) {
            if (engine_() % 7 == 0) c = '0';
        }
        text[0] = '9';
        return big(text);
    }

  private:
    std::mt19937 engine_;
};

// Schoolbook product of decimal digit strings, one decimal digit at a time.
std::string slowProduct(const std::string& a, const std::string& b) {
    std::vector<int> columns(a.size() + b.size(), 0);
    for (std::size_t i = a.size(); i-- > 0;) {
        for (std::size_t j = b.size(); j-- > 0;) {
            columns[i + j + 1] += (a[i] - '0') * (b[j] - '0');
        }
    }
    for (std::size_t k = columns.size(); k-- > 1;) {
        columns[k - 1] += columns[k] / 10;
        columns[k] %= 10;
    }
    std::string text;
    for (int digit : columns)
        text += static_cast<char>('0' + digit);
    const std::size_t first = text.find_first_not_of('0');
    return first == std::string::npos ? "0" : text.substr(first);
}

std::string unsignedText(const BigInt& value) {
    return value.magnitude().toText();
}

// Every operand is read from text and every product written back to it, so the
// conversions are checked here too.
TEST(BigIntProperties, ProductAgreesWithDecimalSchoolbook) {
    RandomNumbers random(17);
    const std::size_t sizes[] = {1, 4, 9, 80, 320, 700, 2500};
    for (std::size_t aDigits : sizes) {
        for (std::size_t bDigits : sizes) {
            const BigInt a = big(random.digits(aDigits));
            const BigInt b = big(random.digits(bDigits));
            const BigInt negativeB = -b;
            BigInt product;
            ASSERT_EQ(bigint::multiply(a, negativeB, product), code::Ok);
            EXPECT_TRUE(product.isNegative());
            EXPECT_EQ(unsignedText(product), slowProduct(a.toText(), b.toText()))
                << aDigits << " x " << bDigits;
        }
    }
}

TEST(BigIntProperties, ProductOfNinesCarriesThroughEveryLimb) {
    // (10^n - 1)^2 = 10^2n - 2 * 10^n + 1: 9...98 0...01.
    for (std::size_t n : {8U, 333U, 1000U, 4001U}) {
        const BigInt nines = big(std::string(n, '9'));
        const std::string expected = std::string(n - 1, '9') + "8" + std::string(n - 1, '0') + "1";
        EXPECT_EQ((nines * nines).toText(), expected) << n;
    }
}

TEST(BigIntProperties, DivisionReproducesTheDividend) {
    RandomNumbers random(29);
    for (int round = 0; round < 300; ++round) {
        const std::size_t maxDigits = round < 200 ? 60 : 3000;
        const BigInt a =
            round % 3 == 0 ? random.extremeNumber(maxDigits) : random.number(maxDigits);
        BigInt b =
            round % 4 == 0 ? random.extremeNumber(maxDigits / 2) : random.number(maxDigits / 2);
        // Divisors of -1 and -a take short cuts.
        if (round % 25 == 0) b = round % 50 == 0 ? BigInt(-1) : -a;
        const Outcome<BigInt::Division> division = bigint::divide(a, b);
        ASSERT_EQ(division.code, code::Ok);
        const BigInt& q = division.value.quotient;
        const BigInt& r = division.value.remainder;
        EXPECT_EQ(q * b + r, a) << a.toText() << " / " << b.toText();
        EXPECT_LT(BigInt::compareMagnitudes(r, b), 0);
        EXPECT_TRUE(r.isZero() || r.isNegative() == a.isNegative());
        EXPECT_TRUE(q.isZero() || q.isNegative() == (a.isNegative() != b.isNegative()));
    }
}

// g divides a and b and leaves coprime cofactors, so it is the greatest.
TEST(BigIntProperties, GcdDividesBothAndLcmCompletesTheProduct) {
    RandomNumbers random(41);
    const auto cofactor = [](const BigInt& a, const BigInt& g) {
        Outcome<BigInt::Division> division = bigint::divide(a, g);
        EXPECT_EQ(division.code, code::Ok);
        EXPECT_TRUE(division.value.remainder.isZero());
        return std::move(division.value.quotient);
    };
    for (int round = 0; round < 60; ++round) {
        const BigInt common = random.number(40);
        const BigInt a = random.number(200) * common;
        const BigInt b = random.number(150) * common;
        BigInt g;
        BigInt l;
        ASSERT_EQ(bigint::gcd(a, b, g), code::Ok);
        ASSERT_EQ(bigint::lcm(a, b, l), code::Ok);
        EXPECT_FALSE(g.isNegative());
        EXPECT_FALSE(l.isNegative());
        BigInt coprime;
        ASSERT_EQ(bigint::gcd(cofactor(a, g), cofactor(b, g), coprime), code::Ok);
        EXPECT_TRUE(coprime.isOne());
        EXPECT_EQ(g * l, (a * b).magnitude());
    }
}

// Dividends built as q * b + r from a known quotient and remainder, with
// divisors around the switch to recursive division (40 limbs of 8 digits)
// and its halvings: a leading limb of 1, which the scaling stretches most;
// all nines; a remainder of b - 1 and a quotient of nines, which make every
// quotient estimate overshoot; equal operands; shorter dividends.
TEST(BigIntProperties, DivisionRecoversTheQuotientAndRemainderItWasBuiltFrom) {
    RandomNumbers random(67);
    const auto withSign = [](const BigInt& value, bool negative) {
        return negative ? -value : value;
    };
    int round = 0;
    for (const std::size_t bDigits :
         std::vector<std::size_t>{8, 9, 313, 321, 329, 633, 649, 1905, 4001}) {
        const BigInt divisors[] = {
            big(random.digits(bDigits)), big("1" + std::string(bDigits - 1, '0')),
            big("1" + random.digits(bDigits - 1)), big(std::string(bDigits, '9'))};
        for (const BigInt& b : divisors) {
            for (const std::size_t qDigits :
                 std::vector<std::size_t>{1, 9, 313, 329, 2 * bDigits + 3}) {
                const bool extreme = ++round % 2 == 0;
                const BigInt q = big(extreme ? std::string(qDigits, '9') : random.digits(qDigits));
                const BigInt r = extreme ? b - BigInt(1) : big(random.digits(bDigits - 1));
                const bool aNegative = round % 3 == 0;
                const bool bNegative = round % 5 < 2;
                const BigInt a = withSign(q * b + r, aNegative);
                const Outcome<BigInt::Division> division =
                    bigint::divide(a, withSign(b, bNegative));
                ASSERT_EQ(division.code, code::Ok);
                EXPECT_EQ(division.value.quotient, withSign(q, aNegative != bNegative))
                    << bDigits << " " << qDigits;
                EXPECT_EQ(division.value.remainder, withSign(r, aNegative));
            }
            const Outcome<BigInt::Division> itself = bigint::divide(b, b);
            EXPECT_TRUE(itself.value.quotient.isOne() && itself.value.remainder.isZero());
            const BigInt shorter = big(random.digits(bDigits - 1));
            EXPECT_EQ(bigint::divide(shorter, b).value.remainder, shorter);
        }
    }
}

// Euclid's algorithm by division, the reference for the gcd.
BigInt euclid(BigInt x, BigInt y) {
    while (!y.isZero())
        x = std::exchange(y, bigint::divide(x, y).value.remainder);
    return x.magnitude();
}

BigInt fibonacci(int n) {
    BigInt previous(0);
    BigInt current(1);
    for (int i = 1; i < n; ++i)
        previous = std::exchange(current, current + previous);
    return current;
}

// gcd(F(m), F(n)) = F(gcd(m, n)): neighbouring Fibonacci numbers make every
// quotient 1, the longest run of Euclid's steps for their length.
TEST(BigIntProperties, GcdAgreesWithEuclidAndFibonacci) {
    BigInt g;
    for (const auto& [m, n, common] : {std::tuple{4800, 3600, 1200}, {4001, 4000, 1}}) {
        ASSERT_EQ(bigint::gcd(fibonacci(m), -fibonacci(n), g), code::Ok);
        EXPECT_EQ(g, fibonacci(common)) << m << " " << n;
    }
    RandomNumbers random(71);
    for (const std::size_t digits : {8U, 16U, 17U, 25U, 300U, 2000U}) {
        for (const std::size_t shift : {0U, 1U, 9U, 40U, 700U}) {
            const BigInt common = random.number(12) * random.number(digits / 2 + 1);
            const BigInt a = big(random.digits(digits + shift)) * common;
            const BigInt b = big(random.digits(digits)) * common;
            ASSERT_EQ(bigint::gcd(a, b, g), code::Ok);
            EXPECT_EQ(g, euclid(a, b)) << digits << " " << shift;
        }
        const BigInt a = random.number(digits);
        ASSERT_EQ(bigint::gcd(a, a, g), code::Ok);
        EXPECT_EQ(g, a.magnitude());
    }
}

TEST(BigIntProperties, SubtractingAProductInPlaceMatchesTheSeparateOperations) {
    RandomNumbers random(53);
    for (int round = 0; round < 3000; ++round) {
        const std::size_t targetDigits = round % 5 == 0 ? 3 : 60;
        BigInt target =
            round % 7 == 0 ? random.extremeNumber(targetDigits) : random.number(targetDigits);
        const BigInt a = random.number(round % 3 == 0 ? 12 : 4);
        const BigInt b = round % 4 == 0 ? random.extremeNumber(50) : random.number(50);
        const BigInt expected = target - a * b;
        target.subtractProduct(a, b, StopCheck::never());
        EXPECT_EQ(target, expected) << round;
        EXPECT_EQ(target.digits(), expected.digits());
    }
}

}  // namespace
}  // namespace lorvex

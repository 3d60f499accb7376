#include "core/speech/number_words.h"

#include <cmath>

#include "core/text/cp1254.h"
#include "core/text/split.h"

namespace zelmor::speech {

using namespace zelmor::text::literals;

namespace {

constexpr std::string_view kOnes[20] = {
    "SIFIR"_cp, "BİR"_cp,    "İKİ"_cp,    "ÜÇ"_cp,    "DÖRT"_cp,   "BEŞ"_cp,    "ALTI"_cp,
    "YEDİ"_cp,  "SEKİZ"_cp,  "DOKUZ"_cp,  "ON"_cp,    "ONBİR"_cp,  "ONİKİ"_cp,  "ONÜÇ"_cp,
    "ONDÖRT"_cp, "ONBEŞ"_cp, "ONALTI"_cp, "ONYEDİ"_cp, "ONSEKİZ"_cp, "ONDOKUZ"_cp};

// Tens 2..9; the exact multiples of 20 and 30 carry a trailing blank.
constexpr std::string_view kTens[10] = {
    "", "", "YİRMİ "_cp, "OTUZ "_cp, "KIRK"_cp, "ELLİ"_cp, "ALTMIŞ"_cp, "YETMİŞ"_cp,
    "SEKSEN"_cp, "DOKSAN"_cp};

struct Scale {
    long long divisor;
    std::string_view word;
};
constexpr Scale kScales[] = {{1000000000LL, " MİLYAR"_cp},
                             {1000000LL, " MİLYON"_cp},
                             {1000LL, " BİN"_cp},
                             {100LL, " YÜZ"_cp}};

}  // namespace

std::string NumberWords(long long n) {
    if (n < 0) n = -n;
    for (const Scale& s : kScales) {
        if (n >= s.divisor) {
            std::string out = NumberWords(n / s.divisor);
            out += s.word;
            if (long long r = n % s.divisor; r != 0) {
                out += ' ';
                out += NumberWords(r);
            }
            return out;
        }
    }
    if (n >= 20) {
        std::string out(kTens[n / 10]);
        if (long long u = n % 10; u != 0) {
            // "YİRMİ " and "OTUZ " already end with their blank.
            if (out.back() != ' ') out += ' ';
            out += kOnes[u];
        }
        return out;
    }
    return std::string(kOnes[n]);
}

void NumberToWords(double x, std::string& result) {
    if (!(x >= 0) || x > 9.2e18) return;  // NaN, negative or beyond any integer
    double whole = std::floor(x);
    long long a = static_cast<long long>(whole);
    double f = x - whole;
    if (a > 0) result = NumberWords(a) + " ";
    long long m = std::llround(f * 1000.0);
    if (m >= 1) result += std::to_string(m) + "/1000";
}

std::optional<std::string> SpokenNumber(std::string_view word) {
    if (word.empty()) return std::nullopt;
    for (char c : word)
        if (c < '0' || c > '9') return std::nullopt;
    if (!(word.size() <= 9 || (word.size() == 10 && word[0] == '1'))) return std::nullopt;
    long long value = 0;
    for (char c : word) value = value * 10 + (c - '0');
    if (value == 0) return std::string(kOnes[0]);
    std::string result(word);
    NumberToWords(static_cast<double>(value), result);
    if (result.starts_with("BİR YÜZ"_cp) || result.starts_with("BİR BİN"_cp))
        result = std::string(text::TrimLeft(std::string_view(result).substr(3)));
    return result;
}

}  // namespace zelmor::speech

// Turkish number words for the syllable speech: digits in a text are read
// out as upper-case words ("1999" -> "BİN DOKUZ YÜZ DOKSAN DOKUZ").
// All text is code page 1254.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelmor::speech {

/// The words for 0 <= n <= 2147483647 in upper case. 100 is "BİR YÜZ" and
/// 1000 "BİR BİN" here; the speech drops the "BİR". The exact multiples 20
/// and 30 keep a trailing blank ("YİRMİ ").
std::string NumberWords(long long n);

/// Integer part in words plus a blank (replacing `result`) when it is above
/// 0, then the fraction rounded to thousandths as digits + "/1000" appended.
/// A value with neither leaves `result` as it was.
void NumberToWords(double x, std::string& result);

/// The speech's reading of a word made only of digits: at most 9 digits, or
/// exactly 10 beginning with "1", become number words with a leading
/// "BİR YÜZ"/"BİR BİN" shortened to "YÜZ"/"BİN". Zero ("0", "000") is
/// "SIFIR". Anything else (letters, longer numbers) gives nothing: the
/// word stays as written.
std::optional<std::string> SpokenNumber(std::string_view word);

}  // namespace zelmor::speech

#include "core/settings/SettingsText.h"

#include "core/settings/ZoomSizes.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Space, \t, \n, \v, \f and \r.
bool isAsciiBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The ideographic space U+3000, which a Japanese input method types for a blank.
constexpr std::string_view IdeographicSpace = "\xE3\x80\x80";

// The length of the longest number at the start of `text` in the syntax of the store and of the
// rate boxes, [sign](digits[.[digits]] | .digits)[(e|E)[sign]digits] with ASCII digits only (no
// "nan", "inf" or hex); 0 when the text does not begin with one.
size_t numberLength(std::string_view text)
{
    size_t at = 0;
    const auto skipSign = [&] {
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
    };
    const auto skipDigits = [&] {
        const size_t start = at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        return at - start;
    };
    skipSign();
    const size_t whole = skipDigits();
    const bool point = at < text.size() && text[at] == '.';
    if (point)
        ++at;
    if (skipDigits() == 0 && whole == 0)
        return 0;
    const size_t mantissaEnd = at;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        skipSign();
        if (skipDigits() > 0)
            return at;
    }
    return mantissaEnd;
}

// Whether a number text (numberLength's syntax, no sign) stands for a magnitude of at least 1: its
// first non-zero digit lies before the point once the exponent has moved it.
bool atLeastOne(std::string_view text)
{
    const size_t e = text.find_first_of("eE");
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = text.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
            digits.remove_prefix(1);
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec !=
            std::errc())
            exponent = 1'000'000'000; // beyond any mantissa's length
        if (negative)
            exponent = -exponent;
    }
    const std::string_view mantissa = text.substr(0, e);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return false;
    const auto place = first < point ? static_cast<long long>(point - first)
                                     : -static_cast<long long>(first - point - 1);
    return place + exponent > 0;
}

// Parses a whole number text of numberLength's syntax, correctly rounded, whatever the process
// locale is: the stream reads with the classic locale, and the C library's conversion beneath it
// is called with the "C" locale (libstdc++) or ignores the locale (musl, under emscripten's
// libc++). Overflow gives +-HUGE_VAL; underflow gives the nearest subnormal or 0.
// The libraries disagree on a value out of range: libstdc++ fails only on overflow and then
// stores DBL_MAX, libc++ fails on underflow too and stores what strtod gave. So after a failure
// the number's own digits decide which of the two it was.
double parseValidNumber(std::string_view text)
{
    const bool negative = text.front() == '-';
    if (text.front() == '-' || text.front() == '+')
        text.remove_prefix(1);
    std::istringstream stream{std::string(text)};
    stream.imbue(std::locale::classic());
    double value = 0;
    stream >> value;
    if (stream.fail() && atLeastOne(text))
        value = HUGE_VAL;
    return negative ? -value : value;
}

// Whether `text` is `word` (lower-case ASCII letters) in any case. The words have always been
// compared by Unicode case folding, under which the long s "ſ" (U+017F) is an s too; no other
// letter folds into "true" or "false".
bool isWord(std::string_view text, std::string_view word)
{
    constexpr std::string_view longS = "\xC5\xBF";
    for (const char letter : word) {
        if (letter == 's' && text.starts_with(longS)) {
            text.remove_prefix(longS.size());
            continue;
        }
        if (text.empty())
            return false;
        const char c = text.front();
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != letter)
            return false;
        text.remove_prefix(1);
    }
    return text.empty();
}

// The text without the blanks around it. For the words True and False these are ASCII whitespace
// and the ideographic space; the other Unicode spaces (no-break space, en space...) are not
// skipped.
std::string_view withoutBlanks(std::string_view text)
{
    for (;;) {
        if (!text.empty() && isAsciiBlank(text.front()))
            text.remove_prefix(1);
        else if (!text.empty() && isAsciiBlank(text.back()))
            text.remove_suffix(1);
        else if (text.starts_with(IdeographicSpace))
            text.remove_prefix(IdeographicSpace.size());
        else if (text.ends_with(IdeographicSpace))
            text.remove_suffix(IdeographicSpace.size());
        else
            return text;
    }
}

} // namespace

namespace SettingsText {

std::optional<double> readNumber(std::string_view text)
{
    while (!text.empty() && isAsciiBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isAsciiBlank(text.back()))
        text.remove_suffix(1);
    const size_t length = numberLength(text);
    if (length == 0 || length != text.size())
        return std::nullopt;
    const double value = parseValidNumber(text);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> readBoolean(std::string_view text)
{
    const std::string_view word = withoutBlanks(text);
    if (isWord(word, "true"))
        return true;
    if (isWord(word, "false"))
        return false;
    if (const auto number = readNumber(text))
        return *number != 0.0;
    return std::nullopt;
}

std::optional<std::int16_t> readInteger16(std::string_view text)
{
    const auto number = readNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number); // halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<float> readSingle(std::string_view text)
{
    const auto number = readNumber(text);
    if (!number || std::abs(*number) > FLT_MAX)
        return std::nullopt;
    return static_cast<float>(*number);
}

std::optional<std::int16_t> readZoom(std::string_view text)
{
    const auto factor = readSingle(text);
    if (!factor)
        return std::nullopt;
    // Each size's factor (1, 1.25, 1.5, 2) is exact in binary, so equality is the test.
    for (const std::int16_t size : ZoomSizes::Sizes) {
        if (*factor == static_cast<float>(size) / 100.0F)
            return size;
    }
    return std::nullopt;
}

float readTypedNumber(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r' ||
                             text.front() == '\n'))
        text.remove_prefix(1);
    const size_t length = numberLength(text);
    if (length == 0)
        return 0.0F;
    const double value = parseValidNumber(text.substr(0, length));
    if (value > FLT_MAX)
        return FLT_MAX;
    if (value < -FLT_MAX)
        return -FLT_MAX;
    return static_cast<float>(value);
}

std::string booleanText(bool value)
{
    return value ? "-1" : "0";
}

std::string generalNumber(float value)
{
    // Written from the float itself: WebAssembly does not promise to keep a NaN's sign when it
    // widens it to a double.
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << std::setprecision(7) << value; // as printf's %.7g
    std::string text = stream.str();
    std::replace(text.begin(), text.end(), 'e', 'E');
    if (text == "-0")
        text = "0";
    return text;
}

std::string zoomText(std::int16_t percent)
{
    return generalNumber(static_cast<float>(percent) / 100.0F);
}

} // namespace SettingsText

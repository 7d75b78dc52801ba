#include "app/settings/SettingsText.h"

#include "app/settings/ZoomSizes.h"

#include <QRegularExpression>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

// The number syntax of the store and of the rate boxes: no "nan", "inf" or hex.
const QString numberPattern = QStringLiteral(R"([+-]?(?:\d+(?:\.\d*)?|\.\d+)(?:[eE][+-]?\d+)?)");

// Whether a number text (numberPattern, no sign) stands for a magnitude of at least 1: its first
// non-zero digit lies before the point once the exponent has moved it.
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

// Parses text already known to match numberPattern, whatever the process locale is. Overflow
// gives +-HUGE_VAL, underflow 0. from_chars takes no "+", which the store's texts may have.
double parseValidNumber(const QString &text)
{
    const QByteArray latin = text.toLatin1();
    std::string_view number(latin.constData(), static_cast<size_t>(latin.size()));
    const bool negative = number.front() == '-';
    if (number.front() == '-' || number.front() == '+')
        number.remove_prefix(1);
    double value = 0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec ==
        std::errc::result_out_of_range)
        value = atLeastOne(number) ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

} // namespace

namespace SettingsText {

std::optional<double> readNumber(QStringView text)
{
    static const QRegularExpression whole(QStringLiteral(R"(^\s*()") + numberPattern +
                                          QStringLiteral(R"()\s*$)"));
    const auto match = whole.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const double value = parseValidNumber(match.captured(1));
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> readBoolean(QStringView text)
{
    const QStringView word = text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = readNumber(text))
        return *number != 0.0;
    return std::nullopt;
}

std::optional<qint16> readInteger16(QStringView text)
{
    const auto number = readNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number); // halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

std::optional<float> readSingle(QStringView text)
{
    const auto number = readNumber(text);
    if (!number || std::abs(*number) > FLT_MAX)
        return std::nullopt;
    return static_cast<float>(*number);
}

std::optional<qint16> readZoom(QStringView text)
{
    const auto factor = readSingle(text);
    if (!factor)
        return std::nullopt;
    // Each size's factor (1, 1.25, 1.5, 2) is exact in binary, so equality is the test.
    for (const qint16 size : ZoomSizes::Sizes) {
        if (*factor == static_cast<float>(size) / 100.0F)
            return size;
    }
    return std::nullopt;
}

float readTypedNumber(QStringView text)
{
    static const QRegularExpression leading(QStringLiteral(R"(^[ \t\r\n]*()") + numberPattern +
                                            QStringLiteral(")"));
    const auto match = leading.match(text);
    if (!match.hasMatch())
        return 0.0F;
    const double value = parseValidNumber(match.captured(1));
    if (value > FLT_MAX)
        return FLT_MAX;
    if (value < -FLT_MAX)
        return -FLT_MAX;
    return static_cast<float>(value);
}

QString booleanText(bool value)
{
    return value ? QStringLiteral("-1") : QStringLiteral("0");
}

QString generalNumber(float value)
{
    char buffer[32];
    const auto result =
        std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::general, 7);
    QString text = QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

QString zoomText(qint16 percent)
{
    return generalNumber(static_cast<float>(percent) / 100.0F);
}

} // namespace SettingsText

#include "app/SettingsText.h"

#include <QRegularExpression>

#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>

namespace {

// The number syntax of the store and of the rate boxes: no "nan", "inf" or hex.
const QString numberPattern = QStringLiteral(R"([+-]?(?:\d+(?:\.\d*)?|\.\d+)(?:[eE][+-]?\d+)?)");

// Parses text already known to match numberPattern, whatever the process locale is. Overflow
// gives +-HUGE_VAL, underflow 0.
double parseValidNumber(const QString &text)
{
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    const QByteArray latin = text.toLatin1();
    return strtod_l(latin.constData(), nullptr, cLocale);
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

} // namespace SettingsText

#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The text forms of the settings store, independent of the locale: "." is always the point.
namespace SettingsText {

// A number as the store holds it: the whole text (blanks around it allowed) is
// [sign](digits[.digits] | .digits)[(e|E)[sign]digits]. "nan", "inf" and hex are not numbers.
std::optional<double> readNumber(QStringView text);

// Any number (zero is false), or the words True and False in any case.
std::optional<bool> readBoolean(QStringView text);
// A number rounded half to even; none outside -32768..32767.
std::optional<qint16> readInteger16(QStringView text);
// A number that fits a 32-bit float.
std::optional<float> readSingle(QStringView text);
// A factor read as readSingle reads it that is one of ZoomSizes::Sizes ("1", "1.25", "1.5", "2"),
// in percent.
std::optional<qint16> readZoom(QStringView text);

// What the teacher types into a rate box: blanks skipped, then the longest prefix that forms a
// number; text that does not begin with one gives 0. Values beyond the float range are clamped.
float readTypedNumber(QStringView text);

QString booleanText(bool value); // "-1" or "0"
// The general number form: at most seven significant digits, no trailing zeros, "0" before the
// point ("0.85", "0.5", "1.5", "0.3333333", "1E-07", "1.234568E+08").
QString generalNumber(float value);
// A size in percent as the factor the store holds: 125 gives "1.25".
QString zoomText(qint16 percent);

} // namespace SettingsText

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The text forms of the settings store, independent of the locale: "." is always the point.
// Texts are UTF-8.
namespace SettingsText {

// A number as the store holds it: the whole text (ASCII blanks around it allowed) is
// [sign](digits[.[digits]] | .digits)[(e|E)[sign]digits]. "nan", "inf" and hex are not numbers,
// nor is a value beyond the double range; one too small for it is 0.
std::optional<double> readNumber(std::string_view text);

// Any number (zero is false), or the words True and False in any case.
std::optional<bool> readBoolean(std::string_view text);
// A number rounded half to even; none outside -32768..32767.
std::optional<std::int16_t> readInteger16(std::string_view text);
// A number that fits a 32-bit float.
std::optional<float> readSingle(std::string_view text);
// A factor read as readSingle reads it that is one of ZoomSizes::Sizes ("1", "1.25", "1.5", "2"),
// in percent.
std::optional<std::int16_t> readZoom(std::string_view text);

// What the teacher types into a rate box: blanks skipped, then the longest prefix that forms a
// number; text that does not begin with one gives 0. Values beyond the float range are clamped.
float readTypedNumber(std::string_view text);

std::string booleanText(bool value); // "-1" or "0"
// The general number form: at most seven significant digits, no trailing zeros, "0" before the
// point ("0.85", "0.5", "1.5", "0.3333333", "1E-07", "1.234568E+08").
std::string generalNumber(float value);
// A size in percent as the factor the store holds: 125 gives "1.25".
std::string zoomText(std::int16_t percent);

} // namespace SettingsText

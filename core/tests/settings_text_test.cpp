#include "core/settings/SettingsText.h"

#include <doctest/doctest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <optional>
#include <string>

using namespace SettingsText;

namespace {

// The texts must not depend on the locale: a German one writes "0,85". Each table runs with
// German numbers where the system has that locale, and the locale is put back afterwards.
class GermanNumbers
{
public:
    GermanNumbers()
        : previous(std::setlocale(LC_NUMERIC, nullptr))
    {
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // left as it was where there is none
    }
    ~GermanNumbers() { std::setlocale(LC_NUMERIC, previous.c_str()); }
    GermanNumbers(const GermanNumbers &) = delete;
    GermanNumbers &operator=(const GermanNumbers &) = delete;

private:
    std::string previous;
};

} // namespace

TEST_CASE_FIXTURE(GermanNumbers, "settings text: booleans")
{
    const struct
    {
        const char *text;
        std::optional<bool> expected;
    } rows[] = {
        {"-1", true},
        {"0", false},
        {"7", true},
        {"0.0", false},
        {"True", true},
        {"false", false},
        {"\xE3\x80\x80 TRUE\t", true}, // ideographic space
        {"falſe", false},              // long s
        {"1e-310", true},              // subnormal, not zero
        {"1e-400", false},             // underflows to zero
        {"yes", std::nullopt},
        {"", std::nullopt},
        {"&H1", std::nullopt},
    };
    for (const auto &row : rows) {
        CAPTURE(row.text);
        CHECK(readBoolean(row.text) == row.expected);
    }
}

TEST_CASE_FIXTURE(GermanNumbers, "settings text: integers")
{
    const struct
    {
        const char *text;
        std::optional<int> expected;
    } rows[] = {
        {"3", 3},
        {"1.5", 2}, // halves round to even
        {"2.5", 2},
        {"-2.5", -2},
        {"  12 ", 12},
        {"\t\v12\f\r\n", 12},
        {"1e2", 100},
        {"32767", 32767},
        {"-32768", -32768},
        {"32767.5", std::nullopt},
        {"40000", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const auto &row : rows) {
        CAPTURE(row.text);
        CHECK(readInteger16(row.text) == row.expected);
    }
}

TEST_CASE_FIXTURE(GermanNumbers, "settings text: singles")
{
    const struct
    {
        const char *text;
        std::optional<float> expected;
    } rows[] = {
        {"0.85", 0.85F},
        {"1e3", 1000.0F},
        {".5", 0.5F},
        {"2.", 2.0F},
        {"-0.25", -0.25F},
        {"+0.5", 0.5F},
        // tiny is zero
        {"-1e-400", 0.0F},
        {"1e400", std::nullopt},
        // beyond the float range
        {"1e39", std::nullopt},
        {"abc", std::nullopt},
        {"0,85", std::nullopt},
        {".", std::nullopt},
        {"1e", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
    };
    for (const auto &row : rows) {
        CAPTURE(row.text);
        CHECK(readSingle(row.text) == row.expected);
    }
}

TEST_CASE_FIXTURE(GermanNumbers, "settings text: typed rates")
{
    const struct
    {
        const char *text;
        float expected;
    } rows[] = {
        {"0.85", 0.85F},
        {"1.5", 1.5F},
        {"   0.7", 0.7F},
        // only space, tab, CR and LF are skipped
        {"\v0.7", 0.0F},
        {"0.6abc", 0.6F},
        {"2e", 2.0F},
        {"5e-1x", 0.5F},
        {"0,85", 0.0F},
        {"abc", 0.0F},
        {"", 0.0F},
        {"nan", 0.0F},
        {"inf", 0.0F},
        {"0x10", 0.0F},
        {"1e400", FLT_MAX},
        {"-1e400", -FLT_MAX},
        {"1e-400", 0.0F},
        {"+0.25", 0.25F},
        {"123456e-400", 0.0F},
        {"0.0001e400", FLT_MAX},
        {"1e99999999999999999999", FLT_MAX},
    };
    for (const auto &row : rows) {
        CAPTURE(row.text);
        CHECK(readTypedNumber(row.text) == row.expected);
    }
}

TEST_CASE_FIXTURE(GermanNumbers, "settings text: general number form")
{
    const struct
    {
        float value;
        const char *text;
    } rows[] = {
        {0.85F, "0.85"},
        {0.5F, "0.5"},
        {1.5F, "1.5"},
        {0.1F, "0.1"},
        {1.0F / 3.0F, "0.3333333"},
        {1e-7F, "1E-07"},
        {123456789.0F, "1.234568E+08"},
        {0.0F, "0"},
        {-0.0F, "0"},
        {-0.75F, "-0.75"},
        {2.0F, "2"},
    };
    for (const auto &row : rows) {
        CAPTURE(row.value);
        CHECK(generalNumber(row.value) == row.text);
        // What is written is read back as the float, to the seven digits written.
        const float read = readSingle(row.text).value_or(-99.0F);
        CHECK(std::abs(read - row.value) <= 1e-6F * std::abs(row.value));
    }
}

TEST_CASE_FIXTURE(GermanNumbers, "settings text: zoom factors")
{
    const struct
    {
        const char *text;
        int size; // percent; -1 for none
        const char *written;
    } rows[] = {
        {"1", 100, "1"},
        {"1.25", 125, "1.25"},
        {"1.5", 150, "1.5"},
        {"2", 200, "2"},
        // read as a rate
        {" +1.50 ", 150, "1.5"},
        {"125e-2", 125, "1.25"},
        {"1.3", -1, ""},
        {"1.2500001", -1, ""},
        {"0.5", -1, ""},
        {"-2", -1, ""},
    };
    for (const auto &row : rows) {
        CAPTURE(row.text);
        const auto read = readZoom(row.text);
        CHECK(read.value_or(-1) == row.size);
        if (read)
            CHECK(zoomText(*read) == row.written);
    }
}

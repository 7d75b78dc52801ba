#include "core/settings/PrinterOptions.h"

#include <array>
#include <cstddef>

namespace PrinterOptions {

namespace {

constexpr std::array<std::int16_t, PaperOptionCount> PaperCodes{13, 9, 12};
constexpr std::array<std::int16_t, OrientationOptionCount> OrientationCodes{1, 2};

constexpr int B4Option = 2;
constexpr int PortraitOption = 0;

template <std::size_t N>
int optionOf(const std::array<std::int16_t, N> &codes, int code, int fallback)
{
    for (std::size_t option = 0; option < N; ++option) {
        if (codes[option] == code)
            return static_cast<int>(option);
    }
    return fallback;
}

} // namespace

int paperOption(int paperCode)
{
    return optionOf(PaperCodes, paperCode, B4Option);
}

std::int16_t paperCode(int option)
{
    return PaperCodes.at(static_cast<std::size_t>(option));
}

int orientationOption(int orientationCode)
{
    return optionOf(OrientationCodes, orientationCode, PortraitOption);
}

std::int16_t orientationCode(int option)
{
    return OrientationCodes.at(static_cast<std::size_t>(option));
}

} // namespace PrinterOptions

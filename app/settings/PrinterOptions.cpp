#include "app/settings/PrinterOptions.h"

#include <array>

namespace PrinterOptions {

namespace {

constexpr std::array<qint16, PaperOptionCount> PaperCodes{13, 9, 12};
constexpr std::array<qint16, OrientationOptionCount> OrientationCodes{1, 2};

constexpr int B4Option = 2;
constexpr int PortraitOption = 0;

template <size_t N> int optionOf(const std::array<qint16, N> &codes, int code, int fallback)
{
    for (size_t option = 0; option < N; ++option) {
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

qint16 paperCode(int option)
{
    return PaperCodes.at(static_cast<size_t>(option));
}

int orientationOption(int orientationCode)
{
    return optionOf(OrientationCodes, orientationCode, PortraitOption);
}

qint16 orientationCode(int option)
{
    return OrientationCodes.at(static_cast<size_t>(option));
}

} // namespace PrinterOptions

// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver/SimplifyRequest.h"

#include <algorithm>
#include <string_view>

namespace
{
constexpr int kTwipsPerInch = 1440;
constexpr int kTwipsPerSpace = 40;
// A display that reports no resolution is taken at the common 96 pixels per inch.
constexpr int kFallbackDpi = 96;

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty())
    {
        const size_t nEnd = text.find("\r\n");
        if (nEnd == std::string_view::npos)
        {
            lines.push_back(text);
            break;
        }
        lines.push_back(text.substr(0, nEnd));
        text.remove_prefix(nEnd + 2);
    }
    return lines;
}

CIndentedLine IndentLine(std::string_view line, int nMaxIndent)
{
    const size_t nSpaces = std::min(line.find_first_not_of(' '), line.size());
    // Counted in 64 bits so that an absurdly long run of spaces cannot overflow.
    const long long nWanted = static_cast<long long>(nSpaces) * kTwipsPerSpace;
    const int nIndent = static_cast<int>(std::min<long long>(nWanted, nMaxIndent));
    return {std::string(line.substr(nSpaces)), nIndent};
}
} // namespace

std::vector<CIndentedLine> IndentExplanation(const std::string& strExplanation, int nWidthPixels,
                                             int nDpiX)
{
    const int nDpi = nDpiX > 0 ? nDpiX : kFallbackDpi;
    const long long nWidthTwips =
        static_cast<long long>(std::max(nWidthPixels, 0)) * kTwipsPerInch / nDpi;
    const int nMaxIndent = static_cast<int>(nWidthTwips / 2);

    std::vector<CIndentedLine> lines;
    for (std::string_view line : SplitLines(strExplanation))
        lines.push_back(IndentLine(line, nMaxIndent));
    return lines;
}

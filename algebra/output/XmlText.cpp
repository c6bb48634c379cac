// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/XmlText.h"

namespace
{
constexpr const char* kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// Length of the well-formed UTF-8 sequence at nPos, or 0 when the bytes there are not one.
size_t Utf8Length(const std::string& strText, size_t nPos)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(strText[i]); };
    const unsigned char c = byte(nPos);
    size_t nLength = 0;
    unsigned int nMin = 0;
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        nLength = 2, nMin = 0x80;
    else if (c >= 0xE0 && c <= 0xEF)
        nLength = 3, nMin = 0x800;
    else if (c >= 0xF0 && c <= 0xF4)
        nLength = 4, nMin = 0x10000;
    else
        return 0;
    if (nPos + nLength > strText.size())
        return 0;
    unsigned int nCode = c & (0xFF >> (nLength + 1));
    for (size_t i = 1; i < nLength; ++i)
    {
        if ((byte(nPos + i) & 0xC0) != 0x80)
            return 0;
        nCode = (nCode << 6) | (byte(nPos + i) & 0x3F);
    }
    const bool bSurrogate = nCode >= 0xD800 && nCode <= 0xDFFF;
    if (nCode < nMin || nCode > 0x10FFFF || bSurrogate)
        return 0;
    return nLength;
}

// A byte that passes through unchanged: printable ASCII, or a line break or tab, and for
// XML none of the characters that need escaping.
bool IsPlainAscii(char c, bool bXml)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80)
        return false;
    if (byte < 0x20)
        return c == '\t' || c == '\n' || c == '\r';
    return !bXml || (c != '&' && c != '<' && c != '>' && c != '"');
}

std::string Sanitise(const std::string& strText, bool bXml)
{
    std::string strOut;
    strOut.reserve(strText.size());
    for (size_t i = 0; i < strText.size();)
    {
        // Plain printable ASCII, nearly all of a narrative, goes across a run at a time.
        size_t nRun = i;
        while (nRun < strText.size() && IsPlainAscii(strText[nRun], bXml))
            ++nRun;
        if (nRun > i)
        {
            strOut.append(strText, i, nRun - i);
            i = nRun;
            continue;
        }
        const size_t nLength = Utf8Length(strText, i);
        const char c = strText[i];
        if (nLength == 0)
        {
            strOut += kReplacement;
            ++i;
            continue;
        }
        i += nLength;
        if (nLength > 1)
        {
            strOut.append(strText, i - nLength, nLength);
            continue;
        }
        const bool bControl =
            static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r';
        if (bXml && bControl)
            strOut += kReplacement;
        else if (bXml && c == '&')
            strOut += "&amp;";
        else if (bXml && c == '<')
            strOut += "&lt;";
        else if (bXml && c == '>')
            strOut += "&gt;";
        else if (bXml && c == '"')
            strOut += "&quot;";
        else
            strOut += c;
    }
    return strOut;
}
} // namespace

std::string XmlEscape(const std::string& strText)
{
    return Sanitise(strText, true);
}

std::string ValidUtf8(const std::string& strText)
{
    return Sanitise(strText, false);
}

#pragma once

#include <string>

// Golden narratives are written with "\n" in the tests; the engine ends its lines in "\r\n".
inline std::string WithCrLf(const std::string& strText)
{
    std::string strOut;
    for (char c : strText)
        strOut += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return strOut;
}

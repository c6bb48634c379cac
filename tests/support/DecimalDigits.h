// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <string>
#include <vector>

// Schoolbook arithmetic on non-negative numbers written as decimal digit strings: a reference
// for exact results that shares nothing with the code under test.
inline std::string DecimalSum(const std::string& strLeft, const std::string& strRight)
{
    std::string strSum;
    int nCarry = 0;
    for (size_t i = 0; i < std::max(strLeft.size(), strRight.size()) || nCarry != 0; ++i)
    {
        int nDigit = nCarry;
        if (i < strLeft.size())
            nDigit += strLeft[strLeft.size() - 1 - i] - '0';
        if (i < strRight.size())
            nDigit += strRight[strRight.size() - 1 - i] - '0';
        strSum += static_cast<char>('0' + nDigit % 10);
        nCarry = nDigit / 10;
    }
    std::reverse(strSum.begin(), strSum.end());
    return strSum;
}

inline std::string DecimalProduct(const std::string& strLeft, const std::string& strRight)
{
    std::vector<int> digits(strLeft.size() + strRight.size(), 0);
    for (size_t i = 0; i < strLeft.size(); ++i)
        for (size_t j = 0; j < strRight.size(); ++j)
            digits[i + j + 1] += (strLeft[i] - '0') * (strRight[j] - '0');
    for (size_t k = digits.size() - 1; k > 0; --k)
    {
        digits[k - 1] += digits[k] / 10;
        digits[k] %= 10;
    }
    std::string strProduct;
    for (const int nDigit : digits)
        if (!strProduct.empty() || nDigit != 0)
            strProduct += static_cast<char>('0' + nDigit);
    return strProduct.empty() ? "0" : strProduct;
}

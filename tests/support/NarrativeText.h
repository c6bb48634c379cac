// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "driver/Explanation.h"
#include "driver/SimplifyRequest.h"

#include <gtest/gtest.h>

#include <string>

// Golden narratives are written with "\n" in the tests; the engine ends its lines in "\r\n".
inline std::string WithCrLf(const std::string& strText)
{
    std::string strOut;
    for (char c : strText)
        strOut += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return strOut;
}

// One request's golden row: input, result, further result ("none" when there is none) and the
// whole narrative. Returns the outcome for checks of the caller's own.
inline CSimplifyOutcome ExpectRequest(const char* pszInput, const char* pszResult,
                                      const char* pszFurther, const char* pszNarrative = nullptr)
{
    const CSimplifyOutcome outcome = RunSimplify(pszInput);
    EXPECT_FALSE(outcome.m_strError) << pszInput << ": " << outcome.m_strError.value_or("");
    EXPECT_EQ(outcome.m_strResult, pszResult) << pszInput;
    EXPECT_EQ(outcome.m_strFurther.value_or("none"), pszFurther) << pszInput;
    if (pszNarrative != nullptr)
    {
        EXPECT_EQ(outcome.m_strExplanation, WithCrLf(pszNarrative)) << pszInput;
    }
    EXPECT_EQ(g_strIndent, "") << pszInput;
    return outcome;
}

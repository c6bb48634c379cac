// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditKeys.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <random>
#include <string>
#include <vector>

namespace
{
// "" when every power and fraction is closed and holds numbers only; otherwise what is wrong.
std::string FindCorruption(const std::string& strText)
{
    const std::string strOpeners = "^%", strClosers = "!,$";
    char cExpected = 0; // the marker that ends the part the walk is in; 0 outside
    for (std::size_t i = 0; i < strText.size(); ++i)
    {
        const char c = strText[i];
        const std::string strAt = std::string("'") + c + "' at " + std::to_string(i);
        if (cExpected == 0 && strClosers.find(c) != std::string::npos)
            return "stray " + strAt;
        if (cExpected == 0 && strOpeners.find(c) != std::string::npos)
            cExpected = c == '^' ? '!' : ',';
        else if (cExpected != 0 && c == cExpected)
            cExpected = c == ',' ? '$' : 0;
        else if (cExpected != 0 && !((c >= '0' && c <= '9') || c == '.'))
            return "not a number " + strAt;
    }
    return cExpected == 0 ? "" : "structure left open";
}

// "" when every number holds at most one point and no number with a point stands right before
// a fraction; otherwise the number that would be misread.
std::string FindMisreadNumber(const std::string& strText)
{
    const auto IsNumberCharacter = [](char c) { return (c >= '0' && c <= '9') || c == '.'; };
    for (std::size_t i = 0; i < strText.size();)
    {
        std::size_t nEnd = i;
        while (nEnd < strText.size() && IsNumberCharacter(strText[nEnd]))
            ++nEnd;
        const std::string strNumber = strText.substr(i, nEnd - i);
        const auto nPoints = std::count(strNumber.begin(), strNumber.end(), '.');
        const bool bBeforeFraction = nEnd < strText.size() && strText[nEnd] == '%';
        if (nPoints > 1 || (nPoints == 1 && bBeforeFraction))
            return "number \"" + strNumber + "\" at " + std::to_string(i);
        i = nEnd == i ? i + 1 : nEnd;
    }
    return "";
}

// Presses one random key (or clicks at a random place) and returns it as a script token.
std::string PressRandomKey(std::mt19937& random, CEditModel& model)
{
    static const std::vector<std::string> keys = {
        "0",   "1",   "5",   "9",   ".",   ".",   "x",   "y",   "+",   "-",   "*",
        "/",   "/",   "(",   ")",   "=",   "^",   "^",   "!",   "%",   "$",   ",",
        " ",   ":",   "~",   "{P}", "{P}", "{F}", "{F}", "{F}", "{B}", "{B}", "{T}",
        "{T}", "{E}", "{X}", "{L}", "{L}", "{L}", "{R}", "{R}", "{D}", "{D}", "{paint}"};
    if (random() % 20 == 0)
    {
        const int nCaret = static_cast<int>(random() % (model.GetText().size() + 2));
        model.PlaceCaret(nCaret);
        return "{click " + std::to_string(nCaret) + "}";
    }
    const std::string strKey = keys[random() % keys.size()];
    RunKeys(model, strKey);
    return strKey;
}
} // namespace

// No key sequence may put a letter, an operator, a bracket or another template inside a power
// or a fraction, or break one open: the marking pass does not look there, so only the editor
// can keep such text from the parser. Nor may it join numbers into one the parser misreads.
TEST(EditRandomKeysTest, NoKeySequenceCorruptsAPowerOrAFraction)
{
    const unsigned nSeed = 20240611;
    std::mt19937 random(nSeed);
    CBeepCounter silence;
    for (int nSequence = 0; nSequence < 3000; ++nSequence)
    {
        CEditModel model;
        std::string strScript;
        for (int nKey = 0; nKey < 40; ++nKey)
        {
            strScript += PressRandomKey(random, model);
            const std::string& strText = model.GetText();
            ASSERT_EQ(FindCorruption(strText), "")
                << "seed " << nSeed << " keys \"" << strScript << "\" gave \"" << strText << '"';
            ASSERT_EQ(FindMisreadNumber(strText), "")
                << "seed " << nSeed << " keys \"" << strScript << "\" gave \"" << strText << '"';
            ASSERT_LE(model.GetCaret(), static_cast<int>(strText.size()));
            ASSERT_GE(model.GetCaret(), 0);
        }
    }
}

#include "EditKeys.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace
{
bool IsNumberCharacter(char c) { return (c >= '0' && c <= '9') || c == '.'; }

// "" when every power and fraction is closed and holds numbers only; otherwise what is wrong.
std::string FindCorruption(const std::string& strText)
{
    enum { Outside, Power, Numerator, Denominator } place = Outside;
    for (std::size_t i = 0; i < strText.size(); ++i)
    {
        const char c = strText[i];
        const std::string strAt = std::string("'") + c + "' at " + std::to_string(i);
        if (place == Outside)
        {
            if (c == '^')
                place = Power;
            else if (c == '%')
                place = Numerator;
            else if (c == '!' || c == ',' || c == '$')
                return "stray " + strAt;
        }
        else if (place == Power && c == '!')
            place = Outside;
        else if (place == Numerator && c == ',')
            place = Denominator;
        else if (place == Denominator && c == '$')
            place = Outside;
        else if (!IsNumberCharacter(c))
            return "not a number " + strAt;
    }
    return place == Outside ? "" : "structure left open";
}

// One random key as a script token (see EditKeys.h); the mouse is a placed caret.
std::string RandomKey(std::mt19937& random, CEditModel& model)
{
    static const std::vector<std::string> keys = {
        "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", ".", "x", "y", "+", "-", "*", "/",
        "/", "(", ")", "=", "^", "^", "!", "%", "$", ",", " ", ":", "~", "{P}", "{P}", "{F}",
        "{F}", "{F}", "{B}", "{B}", "{T}", "{T}", "{E}", "{X}", "{L}", "{L}", "{L}", "{R}",
        "{R}", "{D}", "{D}", "{paint}", "mouse", "mouse"};
    const std::string strKey = keys[random() % keys.size()];
    if (strKey != "mouse")
        return strKey;
    const int nCaret = static_cast<int>(random() % (model.GetText().size() + 2));
    model.PlaceCaret(nCaret);
    return "{mouse " + std::to_string(nCaret) + "}";
}
} // namespace

// No key sequence may put a letter, an operator, a bracket or another template inside a power
// or a fraction, or break one open: the marking pass does not look there, so only the editor
// can keep such text from the parser.
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
            const std::string strKey = RandomKey(random, model);
            if (strKey.rfind("{mouse", 0) != 0)
                RunKeys(model, strKey);
            strScript += strKey;
            const std::string& strText = model.GetText();
            const std::string strProblem = FindCorruption(strText);
            ASSERT_EQ(strProblem, "") << "seed " << nSeed << " keys \"" << strScript
                                      << "\" gave \"" << strText << '"';
            ASSERT_GE(model.GetCaret(), 0);
            ASSERT_LE(model.GetCaret(), static_cast<int>(strText.size()));
        }
    }
}

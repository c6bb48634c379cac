// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver/Explanation.h"

std::string g_strIndent;
int g_nQuietNarratives = 0;
int g_nFormulaMarks = 0;

std::string WithoutFormulaMarks(std::string_view strMarked)
{
    std::string strPlain;
    strPlain.reserve(strMarked.size());
    bool bInEquationText = false;
    for (const char c : strMarked)
    {
        if (c == kFormulaStart)
            bInEquationText = true;
        else if (c == kFormulaSplit)
            bInEquationText = false;
        else if (c != kFormulaEnd && !bInEquationText)
            strPlain += c;
    }
    return strPlain;
}

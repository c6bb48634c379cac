// SPDX-License-Identifier: LGPL-3.0-or-later
#include "model/Beep.h"
#include "model/EditModel.h"
#include "model/EquationText.h"

#include <algorithm>

namespace
{
// The index just past the first cClose at or after nFrom, or the text length without one.
int PositionAfter(const std::string& strText, int nFrom, char cClose)
{
    const std::size_t nFound = strText.find(cClose, static_cast<std::size_t>(nFrom));
    return nFound == std::string::npos ? static_cast<int>(strText.size())
                                       : static_cast<int>(nFound) + 1;
}

// Only these move from a numerator to its denominator without a beep.
bool MayEnterDenominator(int nCode)
{
    return nCode == 9 || nCode == 10 || nCode == 13 || nCode == 27 || nCode == '/';
}
} // namespace

// The leave-structure step: "x^2|3!" -> "x^23!|", "%1,2|3$" -> "%1,23$|", and from anywhere in
// a numerator to just after its ",". A decimal number on the main line is no structure. Says
// whether the character may now be inserted.
bool CEditModel::LeaveStructure(int nCode)
{
    bool bMayInsert = true;
    if (m_Context.m_bInPower)
        m_nCaret = PositionAfter(m_strText, m_nCaret, kPowerClose);
    else if (m_Context.m_bInDenominator)
        m_nCaret = PositionAfter(m_strText, m_nCaret, kFractionClose);
    else if (m_Context.m_bInNumerator)
    {
        m_nCaret = PositionAfter(m_strText, m_nCaret, kFractionSeparator);
        bMayInsert = MayEnterDenominator(nCode);
        if (!bMayInsert)
            InformationBeep();
    }
    m_nCaret = std::min(m_nCaret, static_cast<int>(m_strText.size()));
    Rescan();
    return bMayInsert;
}

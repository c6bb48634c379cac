// SPDX-License-Identifier: LGPL-3.0-or-later
#include "model/Validation.h"

#include <algorithm>
#include <limits>

void CEquationValidation::RunMarkingPass(std::string& strText, int& nCaret)
{
    m_ErrorMarks = MarkErrors(strText, nCaret);
}

short CEquationValidation::IsEquationOK(std::string& strText, int& nCaret)
{
    RunMarkingPass(strText, nCaret);
    return CountMarkedCharacters();
}

// Saturates: a huge count must never wrap round to 0 and pass as valid.
short CEquationValidation::CountMarkedCharacters() const
{
    const auto nMarked = std::count_if(m_ErrorMarks.begin(), m_ErrorMarks.end(),
                                       [](std::uint32_t nWord) { return nWord != 0; });
    return static_cast<short>(std::min<std::ptrdiff_t>(nMarked, std::numeric_limits<short>::max()));
}

std::string CEquationValidation::GetFirstError()
{
    m_nErrorCharacter = 0;
    m_nErrorBit = -1;
    return GetNextError();
}

// Walks on from the cursor to the next set bit; the cursor stays on it, so the next call
// continues with the following bit of the same character.
std::string CEquationValidation::GetNextError()
{
    const int nCount = static_cast<int>(m_ErrorMarks.size());
    for (;;)
    {
        while (m_nErrorCharacter < nCount && m_ErrorMarks[m_nErrorCharacter] == 0)
            ++m_nErrorCharacter;
        if (m_nErrorCharacter >= nCount)
            return "";
        const std::uint32_t nWord = m_ErrorMarks[m_nErrorCharacter];
        ++m_nErrorBit;
        while (m_nErrorBit < 32 && (nWord & (1u << m_nErrorBit)) == 0)
            ++m_nErrorBit;
        if (m_nErrorBit < 32)
            return GetErrorMessage(m_nErrorBit);
        m_nErrorBit = -1;
        ++m_nErrorCharacter;
    }
}

std::vector<std::string> CEquationValidation::ListErrors()
{
    std::vector<std::string> messages;
    for (std::string strMessage = GetFirstError(); !strMessage.empty(); strMessage = GetNextError())
        messages.push_back(strMessage);
    return messages;
}

std::uint32_t CEquationValidation::GetMark(int nIndex) const
{
    if (nIndex < 0 || nIndex >= static_cast<int>(m_ErrorMarks.size()))
        return 0;
    return m_ErrorMarks[static_cast<std::size_t>(nIndex)];
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// What the editor's validation makes of a text: the text as the marking pass leaves it
// (empty templates dropped), how many characters carry a mark, and the messages in order.
struct CValidationReport
{
    std::string m_strText;
    int m_nMarkedCharacters = 0;
    std::vector<std::string> m_Errors;

    bool IsValid() const { return m_nMarkedCharacters == 0 && m_Errors.empty(); }
};

CValidationReport ValidateEquationText(const std::string& strText);

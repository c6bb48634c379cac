// SPDX-License-Identifier: GPL-3.0-or-later
#include "Validation.h"

#include "model/Validation.h"

#include <algorithm>

CValidationReport ValidateEquationText(const std::string& strText)
{
    CValidationReport report;
    report.m_strText = strText;
    // A text given whole has its caret at the end, as after writing the editor's text.
    int nCaret = static_cast<int>(strText.size());
    CEquationValidation validation;
    validation.RunMarkingPass(report.m_strText, nCaret);
    // Counted here in full: the editor's 16-bit count could wrap to 0 on a long text.
    const auto& marks = validation.GetMarks();
    report.m_nMarkedCharacters = static_cast<int>(
        std::count_if(marks.begin(), marks.end(), [](auto nMark) { return nMark != 0; }));
    report.m_Errors = validation.ListErrors();
    return report;
}

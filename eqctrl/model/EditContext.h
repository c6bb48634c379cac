// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <string>

// Where the caret stands, as the keys need to know it. Recomputed by ScanContext; valid only
// right after a scan.
struct CEditContext
{
    bool m_bInPower = false;
    bool m_bInNumerator = false;
    bool m_bInDenominator = false;
    bool m_bAfterDecimalPoint = false;

    // Inside a power or a fraction, where only digits belong.
    bool InStructure() const { return m_bInPower || m_bInNumerator || m_bInDenominator; }
    bool AnySet() const { return InStructure() || m_bAfterDecimalPoint; }

    bool operator==(const CEditContext&) const = default;
};

// The context scan. The structure flags say which power or fraction part holds the caret,
// wherever in it the caret stands (also next to an empty part or a decimal point); the
// decimal flag says the digits just before the caret follow a ".".
CEditContext ScanContext(const std::string& strText, int nCaret);

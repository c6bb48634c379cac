// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "driver/Expression.h"

#include <memory>
#include <string>
#include <string_view>

// An equation: its own terms are the left side, m_pRightSide the right side.
class CEquation : public CExpression
{
public:
    CEquation() = default;
    // Text containing "="; raises "Invalid Equation Creation" without one.
    explicit CEquation(std::string_view strText);

    std::string GetText(bool bWithOperator) const override;
    std::string GetDisplayText(bool bWithOperator) const override;
    // Moves the right side over (changing this equation) and returns the simplified one.
    std::unique_ptr<CExpression> Simplify() override;
    int GetKind() const override { return kKindEquation; }
    // Both sides multiplied by the divisors of a single-term left side; nullptr when the
    // left side is not a single term.
    std::unique_ptr<CExpression> RemoveDivisions() override;

    void SetRightSide(std::string_view strText);

    std::unique_ptr<CExpression> m_pRightSide;
};

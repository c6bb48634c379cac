// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TermWork.h"

#include "core/AlgebraError.h"

#include <vector>

namespace
{
// Writing out n copies of a bracket of t terms leads to products of at least about
// n x n x t / 2 terms in all; refuse before making them when that is past the bound.
void CheckWriteOutSize(const CTermWork& work, const CSubExpression& entry)
{
    const double dCopies = entry.m_dRepeatsLeft;
    const double dTerms = static_cast<double>(entry.m_Terms.size());
    const double dWork = dCopies * dCopies * dTerms / 2.0;
    if (dCopies > kMaxTermsInOneProduct || dWork > kMaxProductTermsPerTerm ||
        work.m_List.size() + dCopies > kMaxTermsInOneProduct)
        throw CAlgebraError(kExpressionTooLarge);
}
} // namespace

// B.7: (x+1)^3 -> (x+1)(x+1)(x+1), each copy keeping the divisor mark.
void WriteOutPowers(CTermWork& work, std::size_t nFirstNew)
{
    for (std::size_t i = nFirstNew; i < work.m_List.size();)
    {
        CSubExpression& entry = *work.m_List[i];
        if (!entry.HasRepeatPower())
        {
            ++i;
            continue;
        }
        CheckWriteOutSize(work, entry);
        work.Line("The subexpression ", Formula(entry, true),
                  " is raised to a power, rewrite this as:");
        SubExpressionList copies;
        while (auto pCopy = entry.TakeOneRepeat())
        {
            AppendFormula(work.Explanation(), Formula(*pCopy, true));
            copies.push_back(std::move(pCopy));
        }
        work.Explanation() += "\r\n";
        work.m_List.erase(work.m_List.begin() + static_cast<std::ptrdiff_t>(i));
        const std::size_t nCopies = copies.size();
        work.m_List.insert(work.m_List.begin() + static_cast<std::ptrdiff_t>(i),
                           std::make_move_iterator(copies.begin()),
                           std::make_move_iterator(copies.end()));
        i += nCopies;
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Number.h"
#include "core/SubExpression.h"
#include "driver/Explanation.h"
#include "driver/Expression.h"
#include "engine/Engine.h"
#include "engine/TermWork.h"

#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>

namespace
{

// Phase 2 repeats its walk while it keeps finding something new, at most this often.
constexpr int kMaxCommonExpressionPasses = 8;

// A long division that did not come out exactly: what it left, and the log it wrote into the
// dividend, so that the search for a common expression can carry on from it.
struct CInexactDivision
{
    std::unique_ptr<CSubExpression> m_pQuotient;
    std::unique_ptr<CSubExpression> m_pRemainder;
    std::string m_strLog;
};

// Keyed by (dividend, divisor) entries of the list.
using DivisionKey = std::pair<const CSubExpression*, const CSubExpression*>;

CInexactDivision CopyOf(const CInexactDivision& division)
{
    return {division.m_pQuotient ? division.m_pQuotient->Clone() : nullptr,
            division.m_pRemainder ? division.m_pRemainder->Clone() : nullptr, division.m_strLog};
}

// Inexact divisions met in the request under way, by the texts of the pair and the divisor's
// variable and degree, which is all a long division reads. One request simplifies a term more
// than once (inside its bracket, then again once the bracket is merged), and each time tries
// the same division. Pairs holding decimals are not kept, since their text is rounded. The
// engine runs on one thread at a time (its narrative indentation is shared too).
class CInexactMemo
{
public:
    static std::string KeyOf(const CSubExpression& higher, const CSubExpression& lower)
    {
        std::string strKey = higher.GetText(true) + "|" + lower.GetText(true) + "|" +
                             LetterOf(lower) + std::to_string(lower.m_nHighestPower);
        if (strKey.find('.') != std::string::npos)
            strKey.clear();
        else if (MarkingFormulas()) // a log with its formulas marked is not a plain one
            strKey += "|marked";
        return strKey;
    }

    const CInexactDivision* Find(const std::string& strKey) const
    {
        const auto it = strKey.empty() ? m_Known.end() : m_Known.find(strKey);
        return it == m_Known.end() ? nullptr : &it->second;
    }

    void Remember(const std::string& strKey, const CInexactDivision& division)
    {
        if (strKey.empty())
            return;
        if (m_Known.size() >= kMaxKnown)
            m_Known.clear();
        m_Known[strKey] = CopyOf(division);
    }

    void Clear() { m_Known.clear(); }

private:
    static constexpr std::size_t kMaxKnown = 16;

    static std::string LetterOf(const CSubExpression& divisor)
    {
        return divisor.m_cMainVariable == 0 ? std::string("0")
                                            : std::string(1, divisor.m_cMainVariable);
    }

    std::map<std::string, CInexactDivision> m_Known;
};

CInexactMemo& InexactMemo()
{
    static CInexactMemo memo;
    return memo;
}

// The working state shared by both phases.
struct CCancelling
{
    SubExpressionList& m_List;
    CEqElm& m_MultiplierPart;
    const CEqElm& m_DivisorPart;
    std::string& m_strExplanation;
    // Pairs already found not to cancel; a power written out repeats the same bracket, and
    // the walks are repeated, so the same long division would otherwise run again and again.
    std::set<std::string> m_Failed;
    // Phase 1's inexact divisions, which are the first step of phase 2's search for a common
    // expression of the same pair; the dearest part of the whole request when kept apart.
    std::map<DivisionKey, CInexactDivision> m_Inexact;

    template <typename... Pieces> void Line(const Pieces&... pieces)
    {
        AppendEntry(m_strExplanation, pieces...);
    }
};

// An entry stands beside other factors here, so it always shows its brackets.
CFormula EntryText(const CSubExpression& entry)
{
    return FormulaOf(entry.GetBracketedDisplayText(true),
                     [&] { return entry.GetBracketedText(true); });
}

std::string PairKey(const CSubExpression& first, const CSubExpression& second)
{
    return first.GetBracketedText(true) + "|" + second.GetBracketedText(true);
}

bool IsMixedPair(const CSubExpression& first, const CSubExpression& second)
{
    return first.IsDivisor() != second.IsDivisor();
}

bool HasBothKinds(const SubExpressionList& list)
{
    bool bMultiplier = false;
    bool bDivisor = false;
    for (const auto& pEntry : list)
        (pEntry->IsDivisor() ? bDivisor : bMultiplier) = true;
    return bMultiplier && bDivisor;
}

// Drops the kept divisions of an entry about to leave the list; its address may be reused.
void ForgetDivisions(CCancelling& work, const CSubExpression* pEntry)
{
    std::erase_if(work.m_Inexact, [pEntry](const auto& item)
                  { return item.first.first == pEntry || item.first.second == pEntry; });
}

void EraseAt(CCancelling& work, std::size_t nIndex)
{
    ForgetDivisions(work, work.m_List[nIndex].get());
    work.m_List.erase(work.m_List.begin() + static_cast<std::ptrdiff_t>(nIndex));
}

// The entry at nIndex -> the quotient, which keeps the entry's divisor mark.
void ReplaceByQuotient(CCancelling& work, std::size_t nIndex,
                       std::unique_ptr<CSubExpression> pQuotient)
{
    ForgetDivisions(work, work.m_List[nIndex].get());
    if (work.m_List[nIndex]->IsDivisor())
        pQuotient->SetDivisor();
    work.m_List[nIndex] = std::move(pQuotient);
}

// The list after a change -> "The subexpression has now become: " with the outside parts.
void WriteSummary(CCancelling& work)
{
    std::string strEntries;
    std::string strEntryTexts;
    for (const auto& pEntry : work.m_List)
    {
        strEntries += pEntry->GetBracketedDisplayText(true);
        if (MarkingFormulas())
            strEntryTexts += pEntry->GetBracketedText(true);
    }
    const CEqElm& multiplierPart = work.m_MultiplierPart;
    const CEqElm& divisorPart = work.m_DivisorPart;
    work.m_strExplanation += kLineEnd;
    work.Line("The subexpression has now become: ",
              FormulaOf(multiplierPart.GetDisplayText(false) + strEntries +
                            DivisorPartDisplay(divisorPart),
                        [&]
                        {
                            return ProductText(
                                ProductText(multiplierPart.GetText(false), strEntryTexts),
                                DivisorPartText(divisorPart));
                        }),
              "\r\n\r\n");
}

// k(p)/(p) -> the number k in the multiplier part; false when the two are not proportional.
bool CancelProportional(CCancelling& work, std::size_t i, std::size_t j)
{
    const CSubExpression& first = *work.m_List[i];
    const CSubExpression& second = *work.m_List[j];
    const CSubExpression& multiplier = first.IsDivisor() ? second : first;
    const CSubExpression& divisor = first.IsDivisor() ? first : second;
    const CScalar ratio = ProportionalityRatio(multiplier, divisor);
    if (ratio.IsZero())
        return false;
    if (ratio.IsOne(true))
        work.Line("The subexpression ", EntryText(multiplier),
                  " occurs both as a multipler and a divisior and so may be cancelled (removed "
                  "both as a multipler and a divisor subexpression).\r\n");
    else
        work.Line("The subexpression ", EntryText(multiplier), " can be divided by ",
                  EntryText(divisor), " to give the scalar (number) ",
                  FormulaOf(ratio.ToDisplayText(true), [&] { return ratio.ToText(true); }),
                  " These two subexpressions can thus be canceled out and replaced with the "
                  "scalar (number).\r\n");
    work.m_MultiplierPart.AddElement(CEqElmNumber(ratio.ToText(true)));
    EraseAt(work, j);
    EraseAt(work, i);
    return true;
}

// higher / lower by long division -> true with the quotient when it divides exactly, the log
// in higher; false with what the division left, taken from the memo when this request has
// divided the same pair before.
bool DivideOrRecall(CSubExpression& higher, const CSubExpression& lower,
                    std::unique_ptr<CSubExpression>& pQuotient, CInexactDivision& inexact)
{
    const std::string strKey = CInexactMemo::KeyOf(higher, lower);
    if (const CInexactDivision* pKnown = InexactMemo().Find(strKey))
    {
        higher.m_strExplanation = pKnown->m_strLog;
        inexact = CopyOf(*pKnown);
        return false;
    }
    std::unique_ptr<CSubExpression> pRemainder;
    // Only an exact division is told: one that will leave a remainder runs without narrative,
    // and is told after all should it come out exact.
    if (LooksInexact(higher, lower))
    {
        {
            CQuietNarrative quiet;
            higher.PolynomialDivide(lower, pQuotient, pRemainder);
        }
        if (pQuotient && !pRemainder && Narrating())
            higher.PolynomialDivide(lower, pQuotient, pRemainder);
    }
    else
        higher.PolynomialDivide(lower, pQuotient, pRemainder);
    if (pQuotient && !pRemainder)
        return true;
    inexact = {std::move(pQuotient), std::move(pRemainder), higher.m_strExplanation};
    InexactMemo().Remember(strKey, inexact);
    return false;
}

// (higher)/(lower) dividing exactly -> the quotient in the higher one's place, the lower gone.
bool CancelByDivision(CCancelling& work, std::size_t nHigher, std::size_t nLower)
{
    CSubExpression& higher = *work.m_List[nHigher];
    const CSubExpression& lower = *work.m_List[nLower];
    std::unique_ptr<CSubExpression> pQuotient;
    CInexactDivision inexact;
    if (!DivideOrRecall(higher, lower, pQuotient, inexact))
    {
        work.m_Inexact[{&higher, &lower}] = std::move(inexact);
        return false;
    }
    work.Line("The subexpression ", EntryText(higher), " can be divided by ", EntryText(lower),
              " to give the Subexpression ", Formula(*pQuotient, true),
              " The lower ranking subexpression can thus be canceled out and the higher ranking "
              "subexpression is replaced by the result.\r\n");
    work.m_strExplanation += higher.m_strExplanation;
    ReplaceByQuotient(work, nHigher, std::move(pQuotient));
    EraseAt(work, nLower);
    return true;
}

// One multiplier/divisor pair -> cancelled wholly, up to a number or by exact division.
// Reports what left the list: 2 both entries, 1 entry j, -1 entry i, 0 nothing.
int CancelPair(CCancelling& work, std::size_t i, std::size_t j)
{
    const std::string strPair = PairKey(*work.m_List[i], *work.m_List[j]);
    if (work.m_Failed.count(strPair) != 0)
        return 0;
    const int nRank = work.m_List[i]->CompareLeadingPower(*work.m_List[j]);
    int nGone = 0;
    if (nRank == 0)
        nGone = CancelProportional(work, i, j) ? 2 : 0;
    else if (nRank == 1)
        nGone = CancelByDivision(work, i, j) ? 1 : 0;
    else if (nRank == -1)
        nGone = CancelByDivision(work, j, i) ? -1 : 0;
    if (nGone == 0)
        work.m_Failed.insert(strPair);
    return nGone;
}

// One walk over the pairs (i before j) in list order; true when anything was cancelled.
bool CancelOnePass(CCancelling& work)
{
    bool bChanged = false;
    for (std::size_t i = 0; i < work.m_List.size(); ++i)
    {
        for (std::size_t j = i + 1; j < work.m_List.size();)
        {
            if (!IsMixedPair(*work.m_List[i], *work.m_List[j]))
            {
                ++j;
                continue;
            }
            const int nGone = CancelPair(work, i, j);
            bChanged = bChanged || nGone != 0;
            if (nGone == 2 || nGone == -1) // entry i left: its place holds the next one
                j = i + 1;
            else if (nGone == 0)
                ++j;
            if (i >= work.m_List.size())
                break;
        }
    }
    return bChanged;
}

// Phase 1: k(p)/(p) -> k, (p q)/(q) -> p; repeated until a walk cancels nothing more.
bool CancelWholeSubexpressions(CCancelling& work)
{
    bool bChanged = false;
    while (HasBothKinds(work.m_List) && CancelOnePass(work))
        bChanged = true;
    return bChanged;
}

// The common expression of higher and lower, as CommonExpression finds it: its first division
// (higher by lower) is taken from phase 1 when that pair was divided there, or from the memo,
// and Euclid carries on from what it left. The dividend's log is put back as that division
// left it.
std::unique_ptr<CExpression> CommonExpressionOf(CCancelling& work, CSubExpression& higher,
                                                CSubExpression& lower)
{
    CInexactDivision first;
    const auto itKept = work.m_Inexact.find({&higher, &lower});
    if (itKept != work.m_Inexact.end())
    {
        first = std::move(itKept->second);
        work.m_Inexact.erase(itKept);
        higher.m_strExplanation = first.m_strLog;
    }
    else
    {
        std::unique_ptr<CSubExpression> pQuotient;
        if (DivideOrRecall(higher, lower, pQuotient, first))
            return lower.Clone();
    }
    if (!first.m_pQuotient)
        return nullptr;
    if (!first.m_pRemainder)
        return lower.Clone();
    CSubExpression& remainder = *first.m_pRemainder;
    remainder.FindMainVariable(lower.m_cMainVariable);
    if (remainder.m_nHighestPower <= 0 || remainder.m_nHighestPower >= lower.m_nHighestPower)
        return nullptr;
    return CommonExpression(lower, remainder);
}

// The common expression of a pair, scaled so its coefficients share no number; none when
// there is none or it is a bare number.
std::unique_ptr<CExpression> FindCommonExpression(CCancelling& work, CSubExpression& first,
                                                  CSubExpression& second, int nRank)
{
    // Euclid's divisions and the scaling narrate into logs no line ever shows.
    CQuietNarrative quiet;
    std::unique_ptr<CExpression> pCommon = nRank == -1 ? CommonExpressionOf(work, second, first)
                                                       : CommonExpressionOf(work, first, second);
    if (!pCommon || pCommon->m_Terms.empty())
        return nullptr;
    if (pCommon->m_Terms.size() == 1 && !pCommon->m_Terms.front()->HasFactors())
        return nullptr;
    if (CSubExpression* pBracket = pCommon->AsSubExpression())
    {
        pBracket->m_nOperation = CEqElmAtom::kJuxtaposed;
        pBracket->m_Power = CScalar();
    }
    const CScalar common = pCommon->CommonCoefficient();
    if (!common.IsOne(true))
        pCommon->MultiplyByNumber(common.Reciprocal());
    return pCommon;
}

// An entry divided by the common expression -> its quotient; none unless exact.
std::unique_ptr<CSubExpression> DivideExactly(CSubExpression& entry, const CExpression& common)
{
    std::unique_ptr<CSubExpression> pQuotient;
    std::unique_ptr<CSubExpression> pRemainder;
    entry.PolynomialDivide(common, pQuotient, pRemainder);
    if (pRemainder)
        return nullptr;
    return pQuotient;
}

// (g p)/(g q) -> (p)/(q): both entries divided by their common expression g. Only exact
// divisions are carried out, so the value never changes.
bool DivideOutPair(CCancelling& work, std::size_t i, std::size_t j)
{
    CSubExpression& first = *work.m_List[i];
    CSubExpression& second = *work.m_List[j];
    const int nRank = first.CompareLeadingPower(second);
    if (nRank == 2 || nRank == -2)
        return false;
    std::unique_ptr<CExpression> pCommon = FindCommonExpression(work, first, second, nRank);
    if (!pCommon)
        return false;
    const CFormula firstText = EntryText(first);
    const CFormula secondText = EntryText(second);
    std::unique_ptr<CSubExpression> pFirstQuotient = DivideExactly(first, *pCommon);
    std::string strFirstLog = first.m_strExplanation;
    std::unique_ptr<CSubExpression> pSecondQuotient =
        pFirstQuotient ? DivideExactly(second, *pCommon) : nullptr;
    if (!pSecondQuotient)
        return false;
    work.Line("Brimlet has found the common expression ", Formula(*pCommon, true),
              "Between the subexpressions ", firstText, " and ", secondText, kLineEnd);
    work.Line("We will divide out the common expression from these two subexpressions\r\n");
    work.m_strExplanation += strFirstLog;
    ReplaceByQuotient(work, i, std::move(pFirstQuotient));
    work.m_strExplanation += second.m_strExplanation;
    ReplaceByQuotient(work, j, std::move(pSecondQuotient));
    return true;
}

// Every pair is tried in its turn; only one that failed is not tried again, so a second pair
// with the same texts as one divided out ((x^2+x)(x^2+x)/(x^2+2x)/(x^2+2x)) is divided too.
bool DivideOutCommonExpression(CCancelling& work, std::size_t i, std::size_t j)
{
    const std::string strPair = PairKey(*work.m_List[i], *work.m_List[j]);
    if (work.m_Failed.count(strPair) != 0)
        return false;
    if (DivideOutPair(work, i, j))
        return true;
    work.m_Failed.insert(strPair);
    return false;
}

// Texts of the entries in order, to notice a walk that only comes back to an earlier list.
std::string ListState(const SubExpressionList& list)
{
    std::string strState;
    for (const auto& pEntry : list)
        strState += pEntry->GetBracketedText(true);
    return strState;
}

bool DivideOutOnePass(CCancelling& work)
{
    bool bChanged = false;
    for (std::size_t i = 0; i < work.m_List.size(); ++i)
        for (std::size_t j = i + 1; j < work.m_List.size(); ++j)
            if (IsMixedPair(*work.m_List[i], *work.m_List[j]) &&
                DivideOutCommonExpression(work, i, j))
                bChanged = true;
    return bChanged;
}

// Phase 2: (g p)/(g q) -> (p)/(q), walked again while the walks find something new.
bool DivideOutCommonExpressions(CCancelling& work)
{
    bool bChanged = false;
    std::set<std::string> seen{ListState(work.m_List)};
    for (int nPass = 0; nPass < kMaxCommonExpressionPasses; ++nPass)
    {
        if (!DivideOutOnePass(work))
            break;
        bChanged = true;
        if (!seen.insert(ListState(work.m_List)).second)
            break;
    }
    return bChanged;
}

} // namespace

void ForgetInexactDivisions()
{
    InexactMemo().Clear();
}

// multiplier brackets against divisor brackets -> numbers, quotients or smaller brackets
void CancelSubexpressions(SubExpressionList& list, CEqElm& multiplierPart,
                          const CEqElm& divisorPart, std::string& strExplanation)
{
    CCancelling work{list, multiplierPart, divisorPart, strExplanation, {}, {}};
    if (HasBothKinds(list) && CancelWholeSubexpressions(work))
        WriteSummary(work);
    work.m_Failed.clear();
    if (list.empty() || !HasBothKinds(list))
        return;
    if (DivideOutCommonExpressions(work))
        WriteSummary(work);
}

// p against q term by term -> k with p = k q; zero when they are not proportional
CScalar ProportionalityRatio(const CExpression& p, const CExpression& q)
{
    CScalar zero;
    zero.SetFromParts(0, 0, 1);
    if (p.m_Terms.size() != q.m_Terms.size())
        return zero;
    if (p.m_Terms.empty())
        return CScalar("1");
    const CScalar first = p.m_Terms.front()->CoefficientRatio(*q.m_Terms.front());
    if (first.IsZero())
        return zero;
    for (std::size_t i = 1; i < p.m_Terms.size(); ++i)
    {
        const CScalar ratio = p.m_Terms[i]->CoefficientRatio(*q.m_Terms[i]);
        if (ratio.IsZero() || !ratio.Equals(first))
            return zero;
    }
    return first;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/MathText.h"

#include <cctype>
#include <utility>

namespace
{
class CMathReader
{
public:
    explicit CMathReader(const std::string& strText) : m_strText(strText) {}

    std::vector<CMathNode> Read()
    {
        std::vector<std::vector<CMathNode>> open(1);
        while (m_nPos < m_strText.size())
            ReadOne(open);
        while (open.size() > 1)
            CloseGroup(open, false);
        return std::move(open.front());
    }

private:
    void ReadOne(std::vector<std::vector<CMathNode>>& open)
    {
        const char c = m_strText[m_nPos];
        const bool bAfterNumber = m_bAfterNumber;
        m_bAfterNumber = false;
        if (IsNumberChar(c))
            ReadNumber(open.back());
        else if (c == '%')
            ReadFraction(open.back(), bAfterNumber);
        else if (c == '^')
            ReadPower(open.back());
        else if (c == '(' && open.size() > kMaxGroupDepth)
            ReadFlatBracket(open.back(), c, +1);
        else if (c == '(')
        {
            open.emplace_back();
            ++m_nPos;
        }
        else if (c == ')' && m_nFlatDepth > 0)
            ReadFlatBracket(open.back(), c, -1);
        else if (c == ')' && open.size() > 1)
        {
            CloseGroup(open, true);
            ++m_nPos;
        }
        else
            ReadSingle(open.back(), c);
    }

    static bool IsNumberChar(char c)
    {
        return std::isdigit(static_cast<unsigned char>(c)) || c == '.';
    }

    void ReadNumber(std::vector<CMathNode>& nodes)
    {
        CMathNode node{EMathKind::Number, {}, {}, {}, {}, true, true, {}, {}};
        while (m_nPos < m_strText.size() && IsNumberChar(m_strText[m_nPos]))
            node.m_strText += m_strText[m_nPos++];
        nodes.push_back(std::move(node));
        m_bAfterNumber = true;
    }

    // %n,d$ - and a number just before it is the whole part: 3%1,2$ is three and a half.
    void ReadFraction(std::vector<CMathNode>& nodes, bool bAfterNumber)
    {
        CMathNode node{EMathKind::Fraction, {}, {}, {}, {}, true, true, {}, {}};
        if (bAfterNumber && !nodes.empty() && !nodes.back().m_strExponent)
        {
            node.m_strText = std::move(nodes.back().m_strText);
            nodes.pop_back();
        }
        ++m_nPos;
        node.m_strNumerator = ReadUntil(",$");
        if (m_nPos < m_strText.size() && m_strText[m_nPos] == ',')
        {
            ++m_nPos;
            node.m_strDenominator = ReadUntil("$");
        }
        if (m_nPos < m_strText.size())
            ++m_nPos; // the "$"
        nodes.push_back(std::move(node));
    }

    // ^e! raises what stands before it; raised twice (x^2!^3!), the first power becomes the base.
    void ReadPower(std::vector<CMathNode>& nodes)
    {
        ++m_nPos;
        std::string strExponent = ReadUntil("!");
        if (m_nPos < m_strText.size())
            ++m_nPos; // the "!"
        if (nodes.empty() || nodes.back().m_eKind == EMathKind::Operator)
            nodes.push_back(CMathNode{EMathKind::Letter, {}, {}, {}, {}, true, true, {}, {}});
        else if (nodes.back().m_strExponent)
        {
            CMathNode base{EMathKind::Group, {}, {}, {}, {}, false, true, {}, {}};
            base.m_Children.push_back(std::move(nodes.back()));
            nodes.back() = std::move(base);
        }
        nodes.back().m_strExponent = std::move(strExponent);
    }

    void ReadFlatBracket(std::vector<CMathNode>& nodes, char c, int nDepthChange)
    {
        ++m_nPos;
        m_nFlatDepth += nDepthChange;
        nodes.push_back(
            CMathNode{EMathKind::Bracket, std::string(1, c), {}, {}, {}, true, true, {}, {}});
    }

    void ReadSingle(std::vector<CMathNode>& nodes, char c)
    {
        ++m_nPos;
        if (c == ' ')
            return;
        const bool bLetter = std::isalpha(static_cast<unsigned char>(c)) != 0;
        const bool bOperator = std::string("+-*/=)").find(c) != std::string::npos;
        const EMathKind eKind =
            bLetter ? EMathKind::Letter : (bOperator ? EMathKind::Operator : EMathKind::Other);
        nodes.push_back(CMathNode{eKind, std::string(1, c), {}, {}, {}, true, true, {}, {}});
    }

    std::string ReadUntil(const char* szStops)
    {
        const size_t nEnd = m_strText.find_first_of(szStops, m_nPos);
        const size_t nStop = nEnd == std::string::npos ? m_strText.size() : nEnd;
        std::string strPart = m_strText.substr(m_nPos, nStop - m_nPos);
        m_nPos = nStop;
        return strPart;
    }

    static void CloseGroup(std::vector<std::vector<CMathNode>>& open, bool bClosed)
    {
        CMathNode group{EMathKind::Group, {}, {}, {}, std::move(open.back()), true,
                        bClosed,          {}, {}};
        open.pop_back();
        open.back().push_back(std::move(group));
    }

    const std::string& m_strText;
    size_t m_nPos = 0;
    bool m_bAfterNumber = false;
    int m_nFlatDepth = 0; // brackets read as characters and not yet closed
};
} // namespace

std::vector<CMathNode> ParseMathText(const std::string& strText)
{
    return CMathReader(strText).Read();
}

namespace
{
bool IsOperator(const CMathNode& node, const char* szOperators)
{
    return node.m_eKind == EMathKind::Operator && !node.m_strExponent &&
           node.m_strText.find_first_of(szOperators) != std::string::npos;
}
} // namespace

// A sign right after another operator (x=-1, 2*-x) is the sign of what follows, no place to
// break.
std::vector<std::vector<CMathNode>> SplitAtTerms(std::vector<CMathNode> nodes)
{
    std::vector<std::vector<CMathNode>> pieces(1);
    for (size_t i = 0; i < nodes.size(); ++i)
    {
        const bool bJoinsTerms = IsOperator(nodes[i], "+-") && !pieces.back().empty() &&
                                 !IsOperator(pieces.back().back(), "+-*/=");
        if (bJoinsTerms)
            pieces.emplace_back();
        pieces.back().push_back(std::move(nodes[i]));
    }
    return pieces;
}

bool HoldsStacked(const std::vector<CMathNode>& nodes)
{
    for (const CMathNode& node : nodes)
        if (node.m_eKind == EMathKind::Stacked ||
            (node.m_eKind == EMathKind::Group && HoldsStacked(node.m_Children)))
            return true;
    return false;
}

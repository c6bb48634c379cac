// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/MathText.h"

#include <cctype>
#include <string_view>
#include <utility>

namespace
{
constexpr std::string_view kRootSign = "\xE2\x88\x9A"; // √
constexpr std::string_view kPlusMinus = "\xC2\xB1";    // ±
constexpr std::string_view kApprox = "\xE2\x89\x88";   // ≈
constexpr std::string_view kMiddleDot = "\xC2\xB7";    // ·

// What an open level of the text is: a bracket, or one of the solver's braces (a group of its
// own, a root, or the bottom of a division whose top is the brace group before it).
enum class EOpen
{
    Top,
    Bracket,
    Brace,
    Root,
    Bottom
};

class CMathReader
{
public:
    explicit CMathReader(const std::string& strText) : m_strText(strText) {}

    std::vector<CMathNode> Read()
    {
        while (m_nPos < m_strText.size())
            ReadOne();
        while (m_Open.size() > 1)
            Close(false);
        return std::move(m_Open.front().m_Nodes);
    }

private:
    struct COpen
    {
        EOpen m_eKind = EOpen::Top;
        std::vector<CMathNode> m_Nodes;
    };

    std::vector<CMathNode>& Nodes() { return m_Open.back().m_Nodes; }

    bool At(std::string_view strSign) const
    {
        return m_strText.compare(m_nPos, strSign.size(), strSign) == 0;
    }

    void ReadOne()
    {
        const char c = m_strText[m_nPos];
        const bool bAfterNumber = m_bAfterNumber;
        const bool bAfterBrace = m_bAfterBrace;
        m_bAfterNumber = false;
        m_bAfterBrace = false;
        const bool bRoomToOpen = m_Open.size() <= kMaxGroupDepth;
        if (IsNumberChar(c))
            ReadNumber(Nodes());
        else if (c == '%')
            ReadFraction(Nodes(), bAfterNumber);
        else if (c == '^')
            ReadPower(Nodes());
        else if (c == '(' && !bRoomToOpen)
            ReadFlatBracket(Nodes(), c, +1);
        else if (c == '(')
            Open(EOpen::Bracket, 1);
        else if (c == ')' && m_nFlatDepth > 0)
            ReadFlatBracket(Nodes(), c, -1);
        else if (c == ')' && m_Open.back().m_eKind == EOpen::Bracket)
        {
            Close(true);
            ++m_nPos;
        }
        else if (c == '{' && bRoomToOpen)
            Open(EOpen::Brace, 1);
        else if (At(kRootSign) && m_strText.compare(m_nPos + kRootSign.size(), 1, "{") == 0 &&
                 bRoomToOpen)
            Open(EOpen::Root, kRootSign.size() + 1);
        else if (c == '/' && bAfterBrace && m_strText.compare(m_nPos + 1, 1, "{") == 0 &&
                 bRoomToOpen)
            Open(EOpen::Bottom, 2);
        else if (c == '}' && m_Open.size() > 1 && m_Open.back().m_eKind != EOpen::Bracket)
        {
            m_bAfterBrace = m_Open.back().m_eKind == EOpen::Brace;
            Close(true);
            ++m_nPos;
        }
        else
            ReadSingle(Nodes());
    }

    void Open(EOpen eKind, size_t nLength)
    {
        m_Open.push_back(COpen{eKind, {}});
        m_nPos += nLength;
    }

    void Close(bool bClosed)
    {
        COpen level = std::move(m_Open.back());
        m_Open.pop_back();
        std::vector<CMathNode>& nodes = Nodes();
        switch (level.m_eKind)
        {
        case EOpen::Bracket:
            nodes.push_back(Group(std::move(level.m_Nodes), true, bClosed));
            break;
        case EOpen::Brace:
            nodes.push_back(Group(std::move(level.m_Nodes), false, true));
            break;
        case EOpen::Root:
        {
            CMathNode root{
                EMathKind::Root, {}, {}, {}, std::move(level.m_Nodes), true, true, {}, {}};
            nodes.push_back(std::move(root));
            break;
        }
        default: // the bottom: the brace group before it is the top
        {
            CMathNode division{EMathKind::Stacked, {}, {}, {}, {}, true, true, {}, {}};
            division.m_Children = std::move(nodes.back().m_Children);
            division.m_Below = std::move(level.m_Nodes);
            nodes.back() = std::move(division);
        }
        }
    }

    static CMathNode Group(std::vector<CMathNode> children, bool bBracketed, bool bClosed)
    {
        return CMathNode{EMathKind::Group, {},      {}, {}, std::move(children),
                         bBracketed,       bClosed, {}, {}};
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

    // One character; one not in ASCII is read whole, so that no node holds part of it.
    void ReadSingle(std::vector<CMathNode>& nodes)
    {
        const char c = m_strText[m_nPos];
        if (static_cast<unsigned char>(c) >= 0x80)
        {
            ReadWide(nodes);
            return;
        }
        ++m_nPos;
        if (c == ' ')
            return;
        const bool bLetter = std::isalpha(static_cast<unsigned char>(c)) != 0;
        const bool bOperator = std::string("+-*/=)").find(c) != std::string::npos;
        const EMathKind eKind =
            bLetter ? EMathKind::Letter : (bOperator ? EMathKind::Operator : EMathKind::Other);
        nodes.push_back(CMathNode{eKind, std::string(1, c), {}, {}, {}, true, true, {}, {}});
    }

    void ReadWide(std::vector<CMathNode>& nodes)
    {
        size_t nLength = 1;
        while (m_nPos + nLength < m_strText.size() &&
               (static_cast<unsigned char>(m_strText[m_nPos + nLength]) & 0xC0) == 0x80)
            ++nLength;
        std::string strSign = m_strText.substr(m_nPos, nLength);
        m_nPos += nLength;
        EMathKind eKind = EMathKind::Other;
        if (strSign == kMiddleDot)
        {
            strSign = "*";
            eKind = EMathKind::Operator;
        }
        else if (strSign == kPlusMinus || strSign == kApprox)
            eKind = EMathKind::Operator;
        nodes.push_back(CMathNode{eKind, std::move(strSign), {}, {}, {}, true, true, {}, {}});
    }

    std::string ReadUntil(const char* szStops)
    {
        const size_t nEnd = m_strText.find_first_of(szStops, m_nPos);
        const size_t nStop = nEnd == std::string::npos ? m_strText.size() : nEnd;
        std::string strPart = m_strText.substr(m_nPos, nStop - m_nPos);
        m_nPos = nStop;
        return strPart;
    }

    const std::string& m_strText;
    size_t m_nPos = 0;
    bool m_bAfterNumber = false;
    bool m_bAfterBrace = false; // a brace group was just closed: "/{" after it stacks a division
    int m_nFlatDepth = 0;       // brackets read as characters and not yet closed
    std::vector<COpen> m_Open = std::vector<COpen>(1);
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

bool IsSign(const std::vector<CMathNode>& nodes, size_t i)
{
    const CMathNode& node = nodes[i];
    const bool bSignable =
        node.m_eKind == EMathKind::Operator && !node.m_strExponent &&
        (node.m_strText == "-" || node.m_strText == "+" || node.m_strText == kPlusMinus);
    return bSignable && (i == 0 || (nodes[i - 1].m_eKind == EMathKind::Operator &&
                                    nodes[i - 1].m_strText != ")"));
}

bool HoldsStacked(const std::vector<CMathNode>& nodes)
{
    for (const CMathNode& node : nodes)
        if (node.m_eKind == EMathKind::Stacked ||
            (node.m_eKind == EMathKind::Group && HoldsStacked(node.m_Children)))
            return true;
    return false;
}

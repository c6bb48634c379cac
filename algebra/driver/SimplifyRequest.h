// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The longest text a request takes, in bytes; a longer one ends in "Expression too large"
// before anything is built from it. Below the work budget's own limit (no text past about half
// a million characters can finish), because building a text costs a few hundred bytes a term
// before the budget decides: at 32 KiB any text is answered in a tenth of a second and about
// 40 MB, past it a sum of short terms grew to seconds and hundreds of megabytes.
inline constexpr std::size_t kLongestSimplifyText = 32768;

// True for a text RunSimplify refuses by its size alone.
inline bool IsTooLongToSimplify(std::size_t nBytes)
{
    return nBytes > kLongestSimplifyText;
}
class CExpression;
struct CSolution;

// What one simplification of an equation text gives. Every text is equation text except
// the display forms and the explanation, whose lines end in "\r\n" and carry their nesting
// as leading spaces (eight per level).
struct CSimplifyOutcome
{
    std::string m_strResult;                 // "" when the input was empty or the engine failed
    std::string m_strResultDisplay;          // the result in display form
    std::optional<std::string> m_strFurther; // only when the result still had divisions
    std::optional<std::string> m_strFurtherDisplay;
    std::string m_strExplanation;
    // The same narrative with its formulas marked (see CFormula); only when asked for.
    std::optional<std::string> m_strMarkedExplanation;
    std::optional<std::string> m_strError; // the message of an error the engine raised

    // What carrying the result on gave (solving an equation, factoring an expression), after
    // all of the above: the line's label ("Solution", "Factored form"), the line in display
    // form and in LaTeX, and the whole answer. Unset when nothing was carried on; its
    // narrative is already at the end of m_strExplanation.
    std::optional<std::string> m_strSolutionLabel;
    std::optional<std::string> m_strSolution;
    std::optional<std::string> m_strSolutionLatex;
    std::optional<std::string> m_strSolutionText; // equation text, when the line is one
    // The line with its formulas marked, when it holds any (see CSolution::m_strMarkedLine).
    std::optional<std::string> m_strMarkedSolution;
    std::shared_ptr<const CSolution> m_pSolution;
};

// Work that carries a simplification on from its results, handed the text as typed, the result,
// the further result (nullptr when there is none) and the finished outcome to add to.
using SimplifyFollowUp = std::function<void(const std::string& strText, const CExpression& result,
                                            const CExpression* pFurther, CSimplifyOutcome&)>;

// Whether a request also keeps its narrative with the formulas marked, for the outputs that
// typeset them; the plain narrative is the same either way.
enum class ENarrativeForm
{
    Plain,
    WithFormulas
};

// Simplifies one text (assumed to have passed validation) from construction to the further
// result. Never throws: an engine error is caught, the objects built so far are freed, the
// narrative indentation is reset, and the outcome carries the message and no result. The
// message is the algebra's own ("Divide by zero", ...), "Not enough memory", or, for any
// other failure, "Internal error: " and what it said. A text past kLongestSimplifyText is
// refused with "Expression too large" at once.
CSimplifyOutcome RunSimplify(const std::string& strText,
                             ENarrativeForm eForm = ENarrativeForm::Plain);
// The same, then the follow-up (when there is one) inside the same error handling; with
// formulas marked, the follow-up's narrative is marked too.
CSimplifyOutcome RunSimplify(const std::string& strText, const SimplifyFollowUp& followUp,
                             ENarrativeForm eForm = ENarrativeForm::Plain);

// Has the C library keep the memory a request frees for the next request instead of handing
// it back to the system after each one. A long narrative takes a few hundred kilobytes in
// passing, and where page faults are dear (virtual machines) taking those pages back from the
// system each time cost more than writing the narrative. Called once by each program that
// runs requests, before the first.
void KeepMemoryBetweenRequests();

// The outputs and inputs a Simplify request drives, as the window (or a test) provides them.
class CSimplifyParties
{
public:
    virtual ~CSimplifyParties() = default;

    // Number of characters of the input that carry an error mark; 0 means valid.
    virtual int GetInputErrorCount() = 0;
    virtual std::string ReadInputText() = 0;
    virtual void WriteResultText(const std::string& strText) = 0;
    virtual void WriteFurtherText(const std::string& strText) = 0;
    // Replaces the explanation pane's text; "" clears it.
    virtual void SetExplanation(const std::string& strExplanation) = 0;
    virtual void Beep() = 0;
    virtual void ShowEngineError(const std::string& strMessage) = 0;
    // What carries the result on (a window that solves); none by default.
    virtual SimplifyFollowUp GetFollowUp() { return {}; }
    // The outcome, once written, for what the follow-up added; nothing by default.
    virtual void WriteFollowUp(const CSimplifyOutcome& outcome) { (void)outcome; }
};

enum class ESimplifyRequestEnd
{
    Refused,    // the input had error marks: beep, nothing else changed
    EmptyInput, // outputs cleared, nothing to simplify
    Simplified, // result (and further result, when there is one) and explanation written
    EngineError // outputs cleared, the message shown
};

// The Simplify command: refuses marked input with a beep, clears the outputs (result and
// further to " ", explanation to ""), then simplifies and writes what came out.
ESimplifyRequestEnd SimplifyRequest(CSimplifyParties& parties);

// One paragraph of the explanation pane: its text without the leading spaces, and the
// start indent in twips that those spaces stand for.
struct CIndentedLine
{
    std::string m_strText;
    int m_nIndentTwips = 0;

    bool operator==(const CIndentedLine&) const = default;
};

// Splits the explanation into lines (at "\r\n"; a final line end opens no further line)
// and turns each line's n leading spaces into a start indent of min(40 x n, W / 2) twips,
// W being the pane width in twips: nWidthPixels x 1440 / nDpiX, in integer arithmetic.
std::vector<CIndentedLine> IndentExplanation(const std::string& strExplanation, int nWidthPixels,
                                             int nDpiX);

#pragma once

#include <optional>
#include <string>
#include <vector>

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
};

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
// other failure, "Internal error: " and what it said.
CSimplifyOutcome RunSimplify(const std::string& strText,
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

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gmpxx.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CExpression;

// A sum of terms in one letter, read once from the algebra's terms and then evaluated in
// doubles many times: a view samples thousands of points, and walking the terms' own
// objects (exact scalars, virtual calls) for each would be far too slow.
class CPlotFunction
{
public:
    CPlotFunction();
    CPlotFunction(const CExpression& expression, char cLetter);
    ~CPlotFunction();
    CPlotFunction(CPlotFunction&&) noexcept;
    CPlotFunction& operator=(CPlotFunction&&) noexcept;

    // NaN where the function is undefined (a divisor is zero, an even root of a negative
    // number); +-infinity where its value overflows a double.
    double operator()(double dX) const;

    struct SSum;

private:
    std::unique_ptr<SSum> m_pSum;
    char m_cLetter = 0;
};

// The exact value of a sum of terms at a rational point; nothing where it is undefined or
// has no exact rational value (a power that is not whole, a power beyond a bound).
std::optional<mpq_class> ExactValueAt(const CExpression& expression, char cLetter,
                                      const mpq_class& x);

// The bodies of every divisor of the terms as typed that holds the letter, in equation text,
// nested ones included ("x+1" for (x^2!-1)/(x+1); "x" for 1/x and for x^-1!).
std::vector<std::string> DivisorsOf(const CExpression& expression, char cLetter);

// An internal number text ("-2", "1%1,2$", "0.25") as an exact rational; nothing when it is
// not one.
std::optional<mpq_class> RationalFromText(const std::string& strText);

// A rational as the graph labels it, as the solver writes it: "-2", "1½", "-⅔".
std::string RationalLabel(const mpq_class& value);

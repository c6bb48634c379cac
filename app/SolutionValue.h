// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MathDrawing.h"
#include "output/MathText.h"
#include "output/WorkedSolution.h"

#include <QLabel>

#include <vector>

// The window's answer: a label whose text is the line as words (powers raised), drawn with its
// roots and divisions stacked when the line comes with its formulas. It then asks for the
// height they take, which the window's layout gives it as it gives the result editors theirs.
class CSolutionValue : public QLabel
{
public:
    // The property the window's layout reads: this control's height follows its content.
    static constexpr const char* kGrowsProperty = "growsWithContent";

    explicit CSolutionValue(QWidget* pParent);

    // The line's words and formulas; empty for a line drawn as its text.
    void SetPieces(const std::vector<CStepPiece>& pieces);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    struct CPart
    {
        QString m_strWords;            // words, or empty for a formula
        std::vector<CMathNode> m_Math; // a formula
    };
    QFont MathFont() const;
    CMathExtent Extent() const;

    std::vector<CPart> m_Parts; // empty when the line holds nothing to stack
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct CWorkedSolution;
class QTextDocument;

// Puts the graph of a simplified problem into its worked solution, as an <svg> element for
// the HTML page; a solution that was not simplified gets none.
void AddGraph(CWorkedSolution& solution);

// A solution that carries a graph gets it in its rich-text document too, as a drawing before
// the steps: the PDF writer and the printer receive the painter's lines and text, not pixels.
void AddGraphDrawing(QTextDocument& document, const CWorkedSolution& solution);

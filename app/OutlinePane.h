// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeWidget>

#include <string>

// "How it was done" as an outline: every line whose next lines are indented deeper is a step
// that opens and closes. Arrows move, Left and Right close and open, Ctrl+C copies the step
// with its children as indented plain text. The line texts are the engine's, unchanged.
class COutlinePane : public QTreeWidget
{
    Q_OBJECT

public:
    explicit COutlinePane(QWidget* pParent = nullptr);

    // Replaces the outline with the narrative ("" empties it); every step starts open.
    void SetNarrative(const std::string& strExplanation);

    // The selected step and the steps under it, each line set in by its own indentation less
    // the selected step's, ending in "\n".
    QString SelectedStepText() const;
    void CopySelectedStep() const;

    // Lies exactly over the pane it stands in for, following its moves and resizes.
    void CoverPane(QWidget& pane);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    QWidget* m_pCovered = nullptr;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/Plot.h"

#include <QPointF>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>

// The graph of the problem last simplified, painted by the same painter as the files. The
// wheel zooms about the pointer, a drag pans, a double click or Home goes back to the
// automatic range; each new view is sampled again. The point under the pointer is shown in
// the corner. A hidden pane only remembers the problem: it reads and samples it when shown.
class CGraphPane : public QWidget
{
    Q_OBJECT

public:
    explicit CGraphPane(QWidget* pParent = nullptr);
    ~CGraphPane() override;

    // The problem as a Simplify request receives it; "" for none.
    void SetProblem(const std::string& strProblem);

    const CPlotRange& GetView() const { return m_Geometry.m_View; }
    const CPlotGeometry& GetGeometry() const { return m_Geometry; }
    // How often a problem was read or a view sampled: what the pane has cost so far.
    int GetWorkCount() const { return m_nWork; }
    // The plane point under a point of the widget, in the view now shown.
    QPointF ToPlane(const QPointF& position) const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void wheelEvent(QWheelEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void leaveEvent(QEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

private:
    void ReadProblem();
    void ShowView(const CPlotRange& view);
    void ResetView();
    void PaintPointer(QPainter& painter) const;

    std::string m_strProblem;
    bool m_bStale = false; // the problem changed while the pane was hidden
    std::unique_ptr<CPlotProblem> m_pProblem;
    CPlotGeometry m_Geometry;
    std::optional<QPointF> m_Pointer;
    std::optional<QPointF> m_DragFrom;
    int m_nWork = 0;
};

class QAction;

// "Show graph" (Ctrl+Alt+G anywhere in the window), held by a pane of the window (the
// window's own menu keeps only About), checked as the pane was left the last time; toggling
// it shows or hides the pane, remembers the choice and calls relayout.
QAction* CreateGraphToggle(CGraphPane& pane, QWidget& holder, std::function<void()> relayout);

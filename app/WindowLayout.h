#pragma once

#include <QSize>

class QWidget;

// The window's template is its smallest layout. Beyond it the editors and the message pane
// take the extra width, the narrative takes extra width and height, and the buttons keep to
// the top right. With the history shown, a column for it stands beside the narrative and the
// smallest width grows by that column. An editor whose text needs more height than its row
// (a stacked result) gets it, and what lies below moves down; the window lays itself out
// again whenever an editor asks for another height.
void LayOutWindow(QWidget& dialog, bool bHistoryShown);

// The smallest size the window may take, in pixels of its font's dialog units.
QSize MinimumWindowSize(const QWidget& dialog, bool bHistoryShown);

// The width of the history column with the gap before it, in dialog units.
inline constexpr int kHistoryColumnUnits = 115;

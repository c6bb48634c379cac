// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowLayout.h"
#include "SolutionValue.h"

#include "DialogUnits.h"

#include "widget/ZelvixCtrl.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <string_view>
#include <vector>

namespace
{
constexpr const char* kUnitsProperty = "dialogUnits";

// How far an edge follows the window's growth: not at all, as far as the narrative's right
// edge (the window's extra width), or as far as the window's right edge (that and the
// history column).
enum class EReach
{
    None,
    Narrative,
    Window
};

struct CGrowthRule
{
    std::string_view m_Name;
    EReach m_Move;          // the left edge
    EReach m_Widen;         // the width
    bool m_bDown;           // the top follows the extra height
    bool m_bTaller;         // the height takes the extra height
    bool m_bColumn = false; // stands in the history column, and narrows when it gives way
};

constexpr CGrowthRule kRules[] = {
    {"1", EReach::Window, EReach::None, false, false},
    {"1009", EReach::Window, EReach::None, false, false},
    {"1012", EReach::Window, EReach::None, false, false},
    {"1013", EReach::Window, EReach::None, false, false},
    {"groupEquation", EReach::None, EReach::Window, false, false},
    {"1000", EReach::None, EReach::Window, false, false},
    {"1002", EReach::None, EReach::Window, false, false},
    {"1003", EReach::None, EReach::Window, false, false},
    {"labelResult", EReach::None, EReach::Window, false, false},
    {"labelFurther", EReach::None, EReach::Window, false, false},
    {"labelSolution", EReach::None, EReach::None, false, false},
    {"valueSolution", EReach::None, EReach::Window, false, false},
    {"labelSolveFor", EReach::Window, EReach::None, false, false},
    {"comboSolveFor", EReach::Window, EReach::None, false, false},
    {"labelMessages", EReach::None, EReach::Window, false, false},
    {"1004", EReach::None, EReach::Window, false, false},
    {"labelExplanation", EReach::None, EReach::Narrative, false, false},
    {"1010", EReach::None, EReach::Narrative, false, true},
    {"checkHistory", EReach::Narrative, EReach::None, false, false},
    {"labelHistory", EReach::Narrative, EReach::None, false, false, true},
    {"listHistory", EReach::Narrative, EReach::None, false, true, true},
    {"buttonClearHistory", EReach::Narrative, EReach::None, true, false, true},
};

// The gap between the narrative and the history column, in dialog units.
constexpr int kHistoryGapUnits = 5;
// On a small screen the narrative may give up height down to this, in dialog units.
constexpr int kNarrativeLeastUnits = 60;

const CGrowthRule* FindRule(const QString& strName)
{
    for (const CGrowthRule& rule : kRules)
        if (strName == QLatin1String(rule.m_Name.data(), rule.m_Name.size()))
            return &rule;
    return nullptr;
}

int Reach(EReach reach, int nNarrative, int nWindow)
{
    switch (reach)
    {
    case EReach::Narrative:
        return nNarrative;
    case EReach::Window:
        return nWindow;
    case EReach::None:
        break;
    }
    return 0;
}

QSize TemplateSize(const QWidget& dialog, const CDialogBaseUnits& base)
{
    return MapDialogRect(dialog.property(kUnitsProperty).toRect(), base).size();
}

int HistoryColumnWidth(const CDialogBaseUnits& base)
{
    return MapDialogRect({0, 0, kHistoryColumnUnits, 0}, base).width();
}

// An editor (or the answer line) that needs more height than its template row gives (a
// stacked result, the room of its scroll bar): its row in the template, and how much more.
struct CEditorGrowth
{
    QRect m_Row;
    int m_nExtra;
};

std::vector<CEditorGrowth> FindEditorGrowth(const QWidget& dialog, const CDialogBaseUnits& base)
{
    std::vector<CEditorGrowth> growth;
    for (const QWidget* pEditor : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    {
        const bool bGrows = qobject_cast<const CZelvixCtrl*>(pEditor) != nullptr ||
                            pEditor->property(CSolutionValue::kGrowsProperty).toBool();
        if (!bGrows)
            continue;
        const QVariant units = pEditor->property(kUnitsProperty);
        if (!units.isValid())
            continue;
        const QRect row = MapDialogRect(units.toRect(), base);
        const int nExtra = pEditor->minimumSizeHint().height() - row.height();
        if (nExtra > 0)
            growth.push_back({row, nExtra});
    }
    return growth;
}

// What lies below a grown editor moves down by its growth; what holds it grows with it. The
// buttons beside the editors keep their places.
void ApplyGrowth(QRect& rect, const std::vector<CEditorGrowth>& growth)
{
    const QRect templateRect = rect;
    for (const CEditorGrowth& editor : growth)
    {
        const bool bBelow = editor.m_Row.bottom() < templateRect.top() &&
                            templateRect.left() < editor.m_Row.right() &&
                            editor.m_Row.left() < templateRect.right();
        if (bBelow)
            rect.translate(0, editor.m_nExtra);
        else if (templateRect.contains(editor.m_Row))
            rect.setHeight(rect.height() + editor.m_nExtra);
    }
}

int TotalGrowth(const std::vector<CEditorGrowth>& growth)
{
    int nTotal = 0;
    for (const CEditorGrowth& editor : growth)
        nTotal += editor.m_nExtra;
    return nTotal;
}

// An editor asks for another height through a layout request to the window, which has no Qt
// layout of its own: the window then lays itself out again, its smallest size grown to match.
class CEditorGrowthWatch : public QObject
{
public:
    static constexpr const char* kName = "editorGrowthWatch";

    explicit CEditorGrowthWatch(QWidget& dialog) : QObject(&dialog), m_Dialog(dialog)
    {
        setObjectName(QString::fromLatin1(kName));
        dialog.installEventFilter(this);
    }

    bool m_bHistoryShown = false;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        // Editors settle their heights as the window first shows them, before they can ask.
        if (pObject == &m_Dialog && pEvent->type() == QEvent::Show)
            QCoreApplication::postEvent(&m_Dialog, new QEvent(QEvent::LayoutRequest));
        if (pObject == &m_Dialog && pEvent->type() == QEvent::LayoutRequest)
        {
            const QSize minimum =
                MinimumWindowSize(m_Dialog, m_bHistoryShown, ScreenRoom(m_Dialog));
            if (m_Dialog.minimumSize() != minimum)
                m_Dialog.setMinimumSize(minimum);
            LayOutWindow(m_Dialog, m_bHistoryShown);
        }
        return false;
    }

private:
    QWidget& m_Dialog;
};

void WatchEditorGrowth(QWidget& dialog, bool bHistoryShown)
{
    auto* pWatch = static_cast<CEditorGrowthWatch*>(dialog.findChild<QObject*>(
        QString::fromLatin1(CEditorGrowthWatch::kName), Qt::FindDirectChildrenOnly));
    if (pWatch == nullptr)
        pWatch = new CEditorGrowthWatch(dialog); // owned by the dialog
    pWatch->m_bHistoryShown = bHistoryShown;
}

// The height the narrative (control 1010) can give up, in pixels.
int NarrativeGiveWay(const QWidget& dialog, const CDialogBaseUnits& base)
{
    const auto* pNarrative =
        dialog.findChild<const QWidget*>(QStringLiteral("1010"), Qt::FindDirectChildrenOnly);
    const int nUnits = pNarrative ? pNarrative->property(kUnitsProperty).toRect().height() : 0;
    return MapDialogRect({0, 0, 0, qMax(0, nUnits - kNarrativeLeastUnits)}, base).height();
}

// How far the window's size departs from its template: the room the history column has,
// how much of the column gives way, and the narrative's extra width and height (the height
// below zero where a small screen takes some of it).
struct CWindowRoom
{
    int m_nColumn = 0;
    int m_nColumnGiven = 0;
    int m_nExtraWidth = 0;
    int m_nExtraHeight = 0;
};

CWindowRoom MeasureRoom(const QWidget& dialog, bool bHistoryShown, const CDialogBaseUnits& base)
{
    QSize size = TemplateSize(dialog, base);
    size.setHeight(size.height() + TotalGrowth(FindEditorGrowth(dialog, base)));
    const int nColumn = bHistoryShown ? HistoryColumnWidth(base) : 0;
    const int nWidthRoom = qMax(0, dialog.width() - size.width());
    CWindowRoom room;
    room.m_nColumn = qMin(nColumn, nWidthRoom); // the column gives way first
    room.m_nColumnGiven = nColumn - room.m_nColumn;
    room.m_nExtraWidth = nWidthRoom - room.m_nColumn;
    room.m_nExtraHeight = qMax(dialog.height() - size.height(), -NarrativeGiveWay(dialog, base));
    return room;
}

// A control of the history column is no wider than what the column has left.
int ColumnWidth(int nWidth, const CWindowRoom& room, const CDialogBaseUnits& base)
{
    const int nInner =
        MapDialogRect({0, 0, kHistoryColumnUnits - kHistoryGapUnits, 0}, base).width();
    return qMax(0, qMin(nWidth, nInner - room.m_nColumnGiven));
}
} // namespace

QSize MinimumWindowSize(const QWidget& dialog, bool bHistoryShown, const QSize& screenRoom)
{
    const CDialogBaseUnits base = DialogBaseUnits(QFontMetrics(dialog.font()));
    QSize size = TemplateSize(dialog, base);
    size.setHeight(size.height() + TotalGrowth(FindEditorGrowth(dialog, base)));
    const QSize full =
        bHistoryShown ? QSize(size.width() + HistoryColumnWidth(base), size.height()) : size;
    if (!screenRoom.isValid())
        return full;
    return {
        qBound(size.width(), screenRoom.width(), full.width()),
        qBound(size.height() - NarrativeGiveWay(dialog, base), screenRoom.height(), full.height())};
}

QSize ScreenRoom(const QWidget& window)
{
    const QScreen* pScreen = window.screen();
    if (pScreen == nullptr)
        return {};
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    return pScreen->availableGeometry().size() - frame;
}

namespace
{
// The graph, when shown, takes the lower part of the narrative's place; the outline, which
// covers the narrative, follows it.
void PlaceGraph(QWidget& dialog)
{
    auto* pGraph =
        dialog.findChild<QWidget*>(QStringLiteral("paneGraph"), Qt::FindDirectChildrenOnly);
    auto* pNarrative =
        dialog.findChild<QWidget*>(QStringLiteral("1010"), Qt::FindDirectChildrenOnly);
    if (pGraph == nullptr || pNarrative == nullptr || pGraph->isHidden())
        return;
    constexpr int kGap = 6;
    const QRect whole = pNarrative->geometry();
    const int nGraph = qMax(80, (whole.height() - kGap) * 11 / 20);
    const int nNarrative = qMax(40, whole.height() - kGap - nGraph);
    pNarrative->setGeometry(whole.left(), whole.top(), whole.width(), nNarrative);
    pGraph->setGeometry(whole.left(), whole.top() + nNarrative + kGap, whole.width(), nGraph);
}
} // namespace

void LayOutWindow(QWidget& dialog, bool bHistoryShown)
{
    const CDialogBaseUnits base = DialogBaseUnits(QFontMetrics(dialog.font()));
    const CWindowRoom room = MeasureRoom(dialog, bHistoryShown, base);
    const int nToWindow = room.m_nExtraWidth + room.m_nColumn;
    const std::vector<CEditorGrowth> growth = FindEditorGrowth(dialog, base);
    WatchEditorGrowth(dialog, bHistoryShown);
    for (QWidget* pChild : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    {
        const QVariant units = pChild->property(kUnitsProperty);
        const CGrowthRule* pRule = FindRule(pChild->objectName());
        if (!units.isValid() || pRule == nullptr)
            continue;
        QRect rect = MapDialogRect(units.toRect(), base);
        ApplyGrowth(rect, growth);
        rect.translate(Reach(pRule->m_Move, room.m_nExtraWidth, nToWindow),
                       pRule->m_bDown ? room.m_nExtraHeight : 0);
        rect.setWidth(rect.width() + Reach(pRule->m_Widen, room.m_nExtraWidth, nToWindow));
        if (pRule->m_bColumn)
            rect.setWidth(ColumnWidth(rect.width(), room, base));
        if (pRule->m_bTaller)
            rect.setHeight(rect.height() + room.m_nExtraHeight);
        pChild->setGeometry(rect);
    }
    PlaceGraph(dialog);
}

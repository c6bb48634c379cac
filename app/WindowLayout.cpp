#include "WindowLayout.h"

#include "DialogUnits.h"

#include <QFontMetrics>
#include <QVariant>
#include <QWidget>

#include <string_view>

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
    EReach m_Move;  // the left edge
    EReach m_Widen; // the width
    bool m_bDown;   // the top follows the extra height
    bool m_bTaller; // the height takes the extra height
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
    {"labelHistory", EReach::Narrative, EReach::None, false, false},
    {"listHistory", EReach::Narrative, EReach::None, false, true},
    {"buttonClearHistory", EReach::Narrative, EReach::None, true, false},
};

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
} // namespace

QSize MinimumWindowSize(const QWidget& dialog, bool bHistoryShown)
{
    const CDialogBaseUnits base = DialogBaseUnits(QFontMetrics(dialog.font()));
    const QSize size = TemplateSize(dialog, base);
    return bHistoryShown ? QSize(size.width() + HistoryColumnWidth(base), size.height()) : size;
}

void LayOutWindow(QWidget& dialog, bool bHistoryShown)
{
    const CDialogBaseUnits base = DialogBaseUnits(QFontMetrics(dialog.font()));
    const QSize minimum = MinimumWindowSize(dialog, bHistoryShown);
    const int nExtraWidth = qMax(0, dialog.width() - minimum.width());
    const int nExtraHeight = qMax(0, dialog.height() - minimum.height());
    const int nColumn = bHistoryShown ? HistoryColumnWidth(base) : 0;
    for (QWidget* pChild : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    {
        const QVariant units = pChild->property(kUnitsProperty);
        const CGrowthRule* pRule = FindRule(pChild->objectName());
        if (!units.isValid() || pRule == nullptr)
            continue;
        QRect rect = MapDialogRect(units.toRect(), base);
        rect.translate(Reach(pRule->m_Move, nExtraWidth, nExtraWidth + nColumn),
                       pRule->m_bDown ? nExtraHeight : 0);
        rect.setWidth(rect.width() + Reach(pRule->m_Widen, nExtraWidth, nExtraWidth + nColumn));
        if (pRule->m_bTaller)
            rect.setHeight(rect.height() + nExtraHeight);
        pChild->setGeometry(rect);
    }
}

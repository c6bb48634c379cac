// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogUnits.h"

#include <QFontMetrics>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace
{
constexpr const char* kUnitsProperty = "dialogUnits";
constexpr const char* kIdProperty = "controlId";

// a x b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c)
{
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}
} // namespace

CDialogBaseUnits DialogBaseUnits(const QFontMetrics& metrics)
{
    static const QString strAlphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    // Half the width of the 52 letters over 26, rounded: their average width.
    const int nAverage = (metrics.horizontalAdvance(strAlphabet) / 26 + 1) / 2;
    return {nAverage, metrics.height()};
}

QRect MapDialogRect(const QRect& rectUnits, const CDialogBaseUnits& base)
{
    const int nLeft = MulDiv(rectUnits.x(), base.m_nX, 4);
    const int nTop = MulDiv(rectUnits.y(), base.m_nY, 8);
    const int nRight = MulDiv(rectUnits.x() + rectUnits.width(), base.m_nX, 4);
    const int nBottom = MulDiv(rectUnits.y() + rectUnits.height(), base.m_nY, 8);
    return {nLeft, nTop, nRight - nLeft, nBottom - nTop};
}

void ApplyDialogTemplate(QWidget& dialog)
{
    const CDialogBaseUnits base = DialogBaseUnits(QFontMetrics(dialog.font()));
    for (QWidget* pChild : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    {
        const QVariant units = pChild->property(kUnitsProperty);
        if (units.isValid())
            pChild->setGeometry(MapDialogRect(units.toRect(), base));
        const QVariant id = pChild->property(kIdProperty);
        if (id.isValid())
            pChild->setObjectName(QString::number(id.toInt()));
    }
    const QVariant size = dialog.property(kUnitsProperty);
    if (size.isValid())
    {
        const QSize pixels = MapDialogRect(size.toRect(), base).size();
        dialog.setMinimumSize(pixels);
        dialog.resize(pixels);
    }
}

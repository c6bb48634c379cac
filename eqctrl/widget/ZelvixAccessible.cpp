// SPDX-License-Identifier: LGPL-3.0-or-later
#include "widget/ZelvixAccessible.h"

#include "model/EquationWriters.h"
#include "widget/ZelvixCtrl.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace
{
CPlainText PlainTextOf(const CZelvixCtrl& control)
{
    return WritePlainTextMapped(control.GetEquation().toLatin1().toStdString());
}

int PlainOffset(const CPlainText& plain, int nIndex)
{
    const int nLast = static_cast<int>(plain.m_Offsets.size()) - 1;
    return plain.m_Offsets[static_cast<std::size_t>(std::clamp(nIndex, 0, nLast))];
}

// The first position of the equation text at or after a plain-text offset.
int EquationIndex(const CPlainText& plain, int nOffset)
{
    const auto it = std::lower_bound(plain.m_Offsets.begin(), plain.m_Offsets.end(), nOffset);
    const auto nIndex = static_cast<int>(it - plain.m_Offsets.begin());
    return std::min(nIndex, static_cast<int>(plain.m_Offsets.size()) - 1);
}

class CZelvixAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit CZelvixAccessible(CZelvixCtrl* pControl)
        : QAccessibleWidget(pControl, QAccessible::EditableText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        switch (kind)
        {
        case QAccessible::Name:
            return Control().accessibleName().isEmpty() ? QStringLiteral("Equation")
                                                        : Control().accessibleName();
        case QAccessible::Value:
            return Control().GetEquationInWords();
        case QAccessible::Description:
            return Description();
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !Control().IsReadOnly();
        state.readOnly = Control().IsReadOnly();
        state.selectableText = true;
        state.focusable = true;
        return state;
    }

    // The text interface speaks ordinary notation; offsets map to and from the equation text.
    int characterCount() const override
    {
        return static_cast<int>(PlainTextOf(Control()).m_strText.size());
    }
    QString text(int nStart, int nEnd) const override
    {
        const std::string strPlain = PlainTextOf(Control()).m_strText;
        nStart = std::clamp(nStart, 0, static_cast<int>(strPlain.size()));
        nEnd = std::clamp(nEnd, nStart, static_cast<int>(strPlain.size()));
        return QString::fromLatin1(strPlain.substr(static_cast<std::size_t>(nStart),
                                                   static_cast<std::size_t>(nEnd - nStart)));
    }
    int cursorPosition() const override
    {
        return PlainOffset(PlainTextOf(Control()), Control().GetCaret());
    }
    void setCursorPosition(int nOffset) override
    {
        Control().SetCaret(EquationIndex(PlainTextOf(Control()), nOffset));
    }
    int selectionCount() const override
    {
        return Control().GetSelectionStart() < Control().GetSelectionEnd() ? 1 : 0;
    }
    void selection(int nSelection, int* pStart, int* pEnd) const override
    {
        *pStart = *pEnd = 0;
        if (nSelection != 0 || selectionCount() == 0)
            return;
        const CPlainText plain = PlainTextOf(Control());
        *pStart = PlainOffset(plain, Control().GetSelectionStart());
        *pEnd = PlainOffset(plain, Control().GetSelectionEnd());
    }
    void setSelection(int, int nStart, int nEnd) override
    {
        const CPlainText plain = PlainTextOf(Control());
        Control().SetCaret(EquationIndex(plain, nStart));
        Control().SetCaret(EquationIndex(plain, nEnd), true);
    }
    void addSelection(int nStart, int nEnd) override { setSelection(0, nStart, nEnd); }
    void removeSelection(int) override { Control().SetCaret(Control().GetCaret()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int nStart, int) override { setCursorPosition(nStart); }
    QString attributes(int nOffset, int* pStart, int* pEnd) const override
    {
        *pStart = *pEnd = nOffset;
        return {};
    }

private:
    CZelvixCtrl& Control() const { return *static_cast<CZelvixCtrl*>(widget()); }

    QString Description() const
    {
        QString strDescription = Control().accessibleDescription();
        if (strDescription.isEmpty())
            strDescription = QStringLiteral("Equation editor");
        const QString strError = Control().PeekFirstError();
        if (!strError.isEmpty())
            strDescription += QStringLiteral(". First error: ") + strError;
        return strDescription;
    }
};

QAccessibleInterface* CreateZelvixAccessible(const QString& strClassName, QObject* pObject)
{
    if (strClassName == QLatin1String("CZelvixCtrl") && pObject != nullptr &&
        pObject->isWidgetType())
        return new CZelvixAccessible(static_cast<CZelvixCtrl*>(pObject));
    return nullptr;
}
} // namespace

void InstallZelvixAccessibleFactory()
{
    static const bool bInstalled = (QAccessible::installFactory(&CreateZelvixAccessible), true);
    (void)bInstalled;
}

void NotifyZelvixAccessible(CZelvixCtrl& control, bool bTextChanged)
{
    if (!QAccessible::isActive())
        return;
    if (bTextChanged)
    {
        QAccessibleValueChangeEvent valueEvent(&control, control.GetEquationInWords());
        QAccessible::updateAccessibility(&valueEvent);
    }
    QAccessibleTextCursorEvent cursorEvent(&control,
                                           PlainOffset(PlainTextOf(control), control.GetCaret()));
    QAccessible::updateAccessibility(&cursorEvent);
}

// SPDX-License-Identifier: LGPL-3.0-or-later
#include "ZelvixDesignerPlugin.h"

#include "widget/Zelvix.h"

#include <QIcon>

CZelvixDesignerPlugin::CZelvixDesignerPlugin(QObject* pParent) : QObject(pParent) {}

QString CZelvixDesignerPlugin::name() const
{
    return QStringLiteral("CZelvixCtrl");
}

QString CZelvixDesignerPlugin::group() const
{
    return QStringLiteral("Input Widgets");
}

QString CZelvixDesignerPlugin::toolTip() const
{
    return QString::fromLatin1(kZelvixCtrlName);
}

QString CZelvixDesignerPlugin::whatsThis() const
{
    return QStringLiteral(
        "Equation editor with raised powers and stacked fractions. Beside ReadOnly, "
        "StackedDivisions (a read-only editor draws divisions as fractions) and Equation it "
        "offers at run time SelectedEquation, CanUndo, CanRedo, EquationInWords, PlainText "
        "and Latex, the slots Undo, Redo, Cut, Copy, CopyAsLatex, Paste, SelectAll and "
        "ClearUndo, and the signal SelectionChanged.");
}

QString CZelvixDesignerPlugin::includeFile() const
{
    return QStringLiteral("widget/ZelvixCtrl.h");
}

QIcon CZelvixDesignerPlugin::icon() const
{
    return QIcon(CreateZelvixIcon());
}

bool CZelvixDesignerPlugin::isContainer() const
{
    return false;
}

// The form owns the editor through its parent.
QWidget* CZelvixDesignerPlugin::createWidget(QWidget* pParent)
{
    return ZelvixCreateControl(pParent);
}

bool CZelvixDesignerPlugin::isInitialized() const
{
    return m_bInitialized;
}

void CZelvixDesignerPlugin::initialize(QDesignerFormEditorInterface*)
{
    m_bInitialized = true;
}

QString CZelvixDesignerPlugin::domXml() const
{
    return QStringLiteral(R"(<ui language="c++">
 <widget class="CZelvixCtrl" name="zelvixCtrl">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>240</width><height>33</height></rect>
  </property>
  <property name="ReadOnly">
   <bool>false</bool>
  </property>
  <property name="StackedDivisions">
   <bool>false</bool>
  </property>
  <property name="accessibleName">
   <string>Equation</string>
  </property>
  <property name="accessibleDescription">
   <string>Equation editor</string>
  </property>
 </widget>
</ui>
)");
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/Zelvix.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QTest>
#include <QTimer>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <memory>

namespace
{
// The build folder: bin/ holds this test, lib/ the library and its Designer plugin.
QString BinaryDir()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/..");
}

TEST(ZelvixLibraryTest, CreationFunctionsBuildTheControlAndItsPage)
{
    EXPECT_EQ(ZelvixCanUnloadNow(), 1);
    {
        std::unique_ptr<CZelvixCtrl> pCtrl = CreateZelvixCtrl();
        ASSERT_TRUE(pCtrl);
        EXPECT_FALSE(pCtrl->IsReadOnly());
        EXPECT_EQ(pCtrl->GetEquation(), QString());
        EXPECT_EQ(pCtrl->GetCaret(), 0);
        EXPECT_EQ(pCtrl->GetFirstError(), QString());
        std::unique_ptr<CZelvixPropPage> pPage = CreateZelvixPropPage(*pCtrl);
        ASSERT_TRUE(pPage);
        EXPECT_EQ(ZelvixCanUnloadNow(), 0);
    }
    EXPECT_EQ(ZelvixCanUnloadNow(), 1);
}

// A host that loads the library by name finds the plain entry points.
TEST(ZelvixLibraryTest, HostLoadingTheLibraryByNameCreatesTheControl)
{
    QLibrary library(BinaryDir() + QStringLiteral("/lib/libzelvix.so"));
    ASSERT_TRUE(library.load()) << library.errorString().toStdString();
    using CreateControl = QWidget* (*)(QWidget*);
    using CreatePage = QWidget* (*)(QWidget*, QWidget*);
    auto pCreateControl = reinterpret_cast<CreateControl>(library.resolve("ZelvixCreateControl"));
    auto pCreatePage = reinterpret_cast<CreatePage>(library.resolve("ZelvixCreatePropPage"));
    ASSERT_TRUE(pCreateControl && pCreatePage);

    QWidget host;
    QWidget* pControl = pCreateControl(&host);
    ASSERT_TRUE(qobject_cast<CZelvixCtrl*>(pControl));
    EXPECT_EQ(pControl->parent(), &host);
    EXPECT_TRUE(qobject_cast<CZelvixPropPage*>(pCreatePage(pControl, &host)));
    EXPECT_EQ(pCreatePage(&host, &host), nullptr);
}

TEST(ZelvixLibraryTest, FormsStoreReadOnlyButNotTheText)
{
    const QMetaObject& meta = CZelvixCtrl::staticMetaObject;
    const QMetaProperty readOnly = meta.property(meta.indexOfProperty("ReadOnly"));
    const QMetaProperty equation = meta.property(meta.indexOfProperty("Equation"));
    EXPECT_TRUE(readOnly.isStored() && readOnly.isDesignable() && readOnly.isResettable());
    EXPECT_FALSE(equation.isStored());

    CZelvixCtrl ctrl;
    ctrl.setProperty("ReadOnly", true);
    ctrl.setProperty("Equation", QStringLiteral("x%,$"));
    EXPECT_TRUE(ctrl.IsReadOnly());
    EXPECT_EQ(ctrl.property("Equation").toString(), QStringLiteral("x")); // template dropped
    readOnly.reset(&ctrl);
    EXPECT_FALSE(ctrl.IsReadOnly());

    // Off by default, so a host that relies on the plain drawing keeps it.
    const QMetaProperty stacked = meta.property(meta.indexOfProperty("StackedDivisions"));
    EXPECT_TRUE(stacked.isStored() && stacked.isDesignable() && stacked.isResettable());
    EXPECT_FALSE(ctrl.IsStackedDivisions());
    ctrl.setProperty("StackedDivisions", true);
    EXPECT_TRUE(ctrl.IsStackedDivisions());
    stacked.reset(&ctrl);
    EXPECT_FALSE(ctrl.IsStackedDivisions());
}

TEST(ZelvixLibraryTest, PropertyPageAppliesReadOnlyAtOnce)
{
    CZelvixCtrl ctrl;
    ctrl.SetReadOnly(true);
    CZelvixPropPage page(&ctrl);
    EXPECT_EQ(page.windowTitle(), QStringLiteral("General"));
    const QList<QLabel*> labels = page.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->text(), QStringLiteral("Static"));
    ASSERT_TRUE(page.GetTextBox());
    EXPECT_TRUE(page.GetTextBox()->text().isEmpty());
    QCheckBox* pBox = page.GetReadOnlyBox();
    EXPECT_EQ(pBox->text(), QStringLiteral("Read Only"));
    EXPECT_TRUE(pBox->isChecked());

    page.show();
    QTest::mouseClick(pBox, Qt::LeftButton);
    EXPECT_FALSE(ctrl.IsReadOnly());
    QTest::mouseClick(pBox, Qt::LeftButton);
    EXPECT_TRUE(ctrl.IsReadOnly());
}

TEST(ZelvixLibraryTest, AboutBoxShowsTheVersionModally)
{
    CZelvixCtrl ctrl;
    QString strTitle;
    QString strVersion;
    QStringList cutOff; // the texts wider than their fixed place
    QTimer::singleShot(0,
                       [&]
                       {
                           QWidget* pModal = QApplication::activeModalWidget();
                           if (!pModal)
                               return;
                           strTitle = pModal->windowTitle();
                           if (auto* pLabel =
                                   pModal->findChild<QLabel*>(QStringLiteral("versionText")))
                               strVersion = pLabel->text();
                           for (const QLabel* pLabel : pModal->findChildren<QLabel*>())
                               if (pLabel->sizeHint().width() > pLabel->width())
                                   cutOff << pLabel->text();
                           QTest::keyClick(pModal, Qt::Key_Return); // the default button
                       });
    ctrl.AboutBox();
    EXPECT_EQ(strTitle, QStringLiteral("About Zelvix Control"));
    EXPECT_EQ(strVersion, QStringLiteral("Zelvix Control, Version 1.0"));
    EXPECT_TRUE(cutOff.isEmpty()) << cutOff.join(QLatin1Char('|')).toStdString();
}

TEST(ZelvixLibraryTest, DesignerPluginPlacesTheEditor)
{
    const QString strPath = BinaryDir() + QStringLiteral("/lib/designer/libzelvixdesigner.so");
    if (!QFile::exists(strPath))
        GTEST_SKIP() << "Designer plugin not built";
    QPluginLoader loader(strPath);
    auto* pPlugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
    ASSERT_TRUE(pPlugin) << loader.errorString().toStdString();
    EXPECT_EQ(pPlugin->name(), QStringLiteral("CZelvixCtrl"));
    EXPECT_FALSE(pPlugin->icon().isNull()); // Designer's widget box draws it at start-up
    EXPECT_TRUE(pPlugin->domXml().contains(QStringLiteral("<property name=\"ReadOnly\">")));
    QWidget form;
    EXPECT_TRUE(qobject_cast<CZelvixCtrl*>(pPlugin->createWidget(&form)));
}
} // namespace

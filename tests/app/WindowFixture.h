#pragma once

#include "FennoryDlg.h"
#include "widget/ZelvixCtrl.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <memory>

// The real main window, shown and active, with its controls found by their dialog ids.
class WindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pDlg = std::make_unique<CFennoryDlg>();
        m_pDlg->show();
        QApplication::setActiveWindow(m_pDlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_pDlg.get()));
    }

    template <typename T> T* Control(int nId) const
    {
        T* pControl = m_pDlg->findChild<T*>(QString::number(nId));
        EXPECT_NE(pControl, nullptr) << "no control " << nId;
        return pControl;
    }
    CZelvixCtrl* Input() const { return Control<CZelvixCtrl>(1000); }
    CZelvixCtrl* Result() const { return Control<CZelvixCtrl>(1002); }
    CZelvixCtrl* Further() const { return Control<CZelvixCtrl>(1003); }
    QTextEdit* Messages() const { return Control<QTextEdit>(1004); }
    QTextEdit* Explanation() const { return Control<QTextEdit>(1010); }
    QPushButton* Button(int nId) const { return Control<QPushButton>(nId); }

    // Types into the input editor; "{F}" is Ctrl+F, "{P}" Ctrl+P, "{Tab}" Tab.
    void Type(const QString& strKeys) const
    {
        for (qsizetype i = 0; i < strKeys.size(); ++i)
        {
            if (strKeys.mid(i, 3) == QLatin1String("{F}") || strKeys.mid(i, 3) == QLatin1String("{P}"))
            {
                const auto key = strKeys[i + 1] == QLatin1Char('F') ? Qt::Key_F : Qt::Key_P;
                QTest::keyClick(Input(), key, Qt::ControlModifier);
                i += 2;
            }
            else if (strKeys.mid(i, 5) == QLatin1String("{Tab}"))
            {
                QTest::keyClick(Input(), Qt::Key_Tab);
                i += 4;
            }
            else
                QTest::keyClicks(Input(), QString(strKeys[i]));
        }
    }

    void ClickSimplify() const { QTest::mouseClick(Button(1009), Qt::LeftButton); }

    std::unique_ptr<CFennoryDlg> m_pDlg;
};

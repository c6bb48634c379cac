// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FennoryDlg.h"
#include "widget/ZelvixCtrl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

// The real main window, shown and active, with its controls found by their dialog ids.
class WindowFixture : public ::testing::Test
{
protected:
    // Each test starts from a first run: no remembered size, no history.
    void SetUp() override
    {
        QSettings().clear();
        OpenWindow();
    }

    void OpenWindow()
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
    template <typename T> T* Named(const char* szName) const
    {
        T* pWidget = m_pDlg->findChild<T*>(QString::fromLatin1(szName));
        EXPECT_NE(pWidget, nullptr) << "no " << szName;
        return pWidget;
    }

    // Types into the input editor, key by key.
    void Type(const QString& strKeys) const { QTest::keyClicks(Input(), strKeys); }

    void ClickSimplify() const { QTest::mouseClick(Button(1009), Qt::LeftButton); }

    // Answers the question box that the next step opens with the button of that text, and
    // notes the question; the question stays empty when no box opens.
    void AnswerNextQuestion(const QString& strButton, QString& strQuestion) const
    {
        strQuestion.clear();
        QTimer::singleShot(0,
                           [strButton, &strQuestion]
                           {
                               auto* pBox =
                                   qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                               if (pBox == nullptr)
                                   return;
                               strQuestion = pBox->text();
                               for (QAbstractButton* pButton : pBox->buttons())
                                   if (pButton->text().remove(QLatin1Char('&')) == strButton)
                                       pButton->click();
                           });
    }

    std::unique_ptr<CFennoryDlg> m_pDlg;
};

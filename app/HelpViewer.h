// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QTextBrowser;
class QUrl;

// The program's help: the page shipped inside the program, in a browser window of its own
// that stays open beside the main window.
class CHelpViewer : public QDialog
{
    Q_OBJECT

public:
    explicit CHelpViewer(QWidget* pParent);

    // Shows the window at the page's contents.
    void ShowContents();
    QTextBrowser* GetBrowser() const { return m_pBrowser; }

    static const QUrl& ContentsUrl();

signals:
    // The page's "About Fennory..." link.
    void AboutRequested();

private:
    void OnLink(const QUrl& url);

    QTextBrowser* m_pBrowser; // a child of this window
};

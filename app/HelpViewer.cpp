// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpViewer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace
{
// Links with this scheme are commands of the program rather than pages.
constexpr const char* kCommandScheme = "fennory";
constexpr const char* kAboutCommand = "about";
} // namespace

CHelpViewer::CHelpViewer(QWidget* pParent) : QDialog(pParent), m_pBrowser(new QTextBrowser(this))
{
    setWindowTitle(tr("Fennory Help"));
    setObjectName(QStringLiteral("helpViewer"));
    m_pBrowser->setOpenLinks(false);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->addWidget(m_pBrowser);
    resize(560, 600);
    connect(m_pBrowser, &QTextBrowser::anchorClicked, this, &CHelpViewer::OnLink);
}

const QUrl& CHelpViewer::ContentsUrl()
{
    static const QUrl url = []
    {
        // An installed program reads the page installed beside it (<prefix>/share/fennory/help
        // seen from <prefix>/bin); from the build tree it reads the copy built in.
        const QFileInfo installed(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                  QStringLiteral(FENNORY_HELP_FROM_BINDIR "/index.html"));
        QUrl contents = installed.isFile() ? QUrl::fromLocalFile(installed.canonicalFilePath())
                                           : QUrl(QStringLiteral("qrc:/help/index.html"));
        contents.setFragment(QStringLiteral("contents"));
        return contents;
    }();
    return url;
}

void CHelpViewer::ShowContents()
{
    m_pBrowser->setSource(ContentsUrl());
    show();
    raise();
    activateWindow();
}

void CHelpViewer::OnLink(const QUrl& url)
{
    if (url.scheme() == QLatin1String(kCommandScheme))
    {
        if (url.path() == QLatin1String(kAboutCommand))
            emit AboutRequested();
        return;
    }
    m_pBrowser->setSource(m_pBrowser->source().resolved(url));
}

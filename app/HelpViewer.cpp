#include "HelpViewer.h"

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
    static const QUrl url(QStringLiteral("qrc:/help/index.html#contents"));
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

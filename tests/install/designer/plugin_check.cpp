// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the Zelvix Designer plugin the way Qt Designer does and calls every member of its
// interface, checking each answer is one Designer can use.
//   zelvix-plugin-check PLUGIN_FILE INCLUDE_DIR
// Prints one line per finding and exits 1 when anything is wrong.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMetaObject>
#include <QPluginLoader>
#include <QWidget>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <cstdio>
#include <vector>

namespace
{
struct SCheck
{
    const char* szWhat;
    bool bOk;
    QString strSeen;
};

// The widget element of domXml: its class and the names of the properties it sets.
struct SDomWidget
{
    QString strError;
    QString strClass;
    QStringList properties;
};

SDomWidget ReadDomXml(const QString& strXml)
{
    SDomWidget dom;
    QXmlStreamReader reader(strXml);
    int nWidgetDepth = 0;
    int nDepth = 0;
    while (!reader.atEnd())
    {
        reader.readNext();
        if (reader.isEndElement())
            --nDepth;
        if (!reader.isStartElement())
            continue;
        ++nDepth;
        if (nDepth == 1 && reader.name() != QLatin1String("ui"))
            dom.strError = QStringLiteral("the root element is not <ui>");
        if (reader.name() == QLatin1String("widget") && nWidgetDepth == 0)
        {
            nWidgetDepth = nDepth;
            dom.strClass = reader.attributes().value(QLatin1String("class")).toString();
        }
        else if (reader.name() == QLatin1String("property") && nDepth == nWidgetDepth + 1)
            dom.properties << reader.attributes().value(QLatin1String("name")).toString();
    }
    if (reader.hasError())
        dom.strError = reader.errorString();
    return dom;
}

QStringList MissingProperties(const QObject& widget, const QStringList& properties)
{
    QStringList missing;
    for (const QString& strName : properties)
        if (widget.metaObject()->indexOfProperty(strName.toLatin1().constData()) < 0)
            missing << strName;
    return missing;
}

std::vector<SCheck> CheckPlugin(QDesignerCustomWidgetInterface& plugin, const QDir& includeDir)
{
    const QString strName = plugin.name();
    const QIcon icon = plugin.icon();
    const SDomWidget dom = ReadDomXml(plugin.domXml());
    QWidget form;
    QWidget* pWidget = plugin.createWidget(&form);
    const QString strClass =
        pWidget ? QString::fromLatin1(pWidget->metaObject()->className()) : QString();
    const QStringList missing =
        pWidget ? MissingProperties(*pWidget, dom.properties) : QStringList();
    const bool bWasInitialized = plugin.isInitialized();
    plugin.initialize(nullptr);

    return {
        {"name() is the control's class", strName == QLatin1String("CZelvixCtrl"), strName},
        {"group() names a widget box group", !plugin.group().trimmed().isEmpty(), plugin.group()},
        {"icon() can be drawn", !icon.isNull() && !icon.pixmap(32, 32).isNull(),
         QStringLiteral("null: %1").arg(icon.isNull())},
        {"toolTip() says something", !plugin.toolTip().trimmed().isEmpty(), plugin.toolTip()},
        {"whatsThis() says something", plugin.whatsThis().trimmed().size() > 20,
         plugin.whatsThis()},
        {"isContainer() is false", !plugin.isContainer(), QString::number(plugin.isContainer())},
        {"includeFile() is an installed header",
         includeDir.exists(plugin.includeFile()) &&
             plugin.includeFile().endsWith(QLatin1String(".h")),
         includeDir.filePath(plugin.includeFile())},
        {"domXml() parses", dom.strError.isEmpty(), dom.strError},
        {"domXml() places the class name() names", dom.strClass == strName, dom.strClass},
        {"createWidget() makes the control on the form",
         pWidget && strClass == strName && pWidget->parentWidget() == &form, strClass},
        {"the control has every property domXml() sets", pWidget && missing.isEmpty(),
         missing.join(QLatin1Char(' '))},
        {"initialize() initializes", !bWasInitialized && plugin.isInitialized(),
         QStringLiteral("before %1, after %2").arg(bWasInitialized).arg(plugin.isInitialized())},
    };
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: %s PLUGIN_FILE INCLUDE_DIR\n", argv[0]);
        return 2;
    }
    // Every symbol is bound at load, so one the library keeps to itself fails here with its
    // name instead of ending the process when the member that needs it is first called.
    QPluginLoader loader(QString::fromLocal8Bit(argv[1]));
    loader.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    auto* pPlugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
    if (!pPlugin)
    {
        std::fprintf(stderr, "FAILED: %s does not load as a Designer widget plugin: %s\n", argv[1],
                     qPrintable(loader.errorString()));
        return 1;
    }
    int nFailed = 0;
    for (const SCheck& check : CheckPlugin(*pPlugin, QDir(QString::fromLocal8Bit(argv[2]))))
    {
        std::printf("%s: %s\n", check.bOk ? "ok" : "FAILED", check.szWhat);
        if (!check.bOk)
        {
            std::printf("  saw: %s\n", qPrintable(check.strSeen));
            ++nFailed;
        }
    }
    return nFailed == 0 ? 0 : 1;
}

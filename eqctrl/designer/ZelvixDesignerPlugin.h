// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// Offers CZelvixCtrl in Designer's widget box; forms keep its ReadOnly property.
class CZelvixDesignerPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit CZelvixDesignerPlugin(QObject* pParent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* pParent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* pCore) override;
    QString domXml() const override;

private:
    bool m_bInitialized = false;
};

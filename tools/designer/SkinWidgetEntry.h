// One skinned widget as Designer's widget box offers it: class, header, group, default size, and
// how to make one.
#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

class SkinWidgetEntry : public QDesignerCustomWidgetInterface {
public:
    using Maker = std::function<QWidget*(QWidget* parent)>;

    SkinWidgetEntry(const QString& className, const QString& includeFile, const QString& group,
        const QString& toolTip, QSize defaultSize, bool container, Maker make);

    QString name() const override { return m_className; }
    QString group() const override { return m_group; }
    QString toolTip() const override { return m_toolTip; }
    QString whatsThis() const override { return m_toolTip; }
    QString includeFile() const override { return m_includeFile; }
    QIcon icon() const override { return {}; }
    bool isContainer() const override { return m_container; }
    QWidget* createWidget(QWidget* parent) override { return m_make(parent); }
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface*) override { m_initialized = true; }
    // The widget as dropped on a form: its class, a name Designer numbers, and its size.
    QString domXml() const override;

private:
    QString m_className;
    QString m_includeFile;
    QString m_group;
    QString m_toolTip;
    QSize m_defaultSize;
    bool m_container;
    Maker m_make;
    bool m_initialized = false;
};

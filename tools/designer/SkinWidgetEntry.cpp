#include "SkinWidgetEntry.h"

#include <QXmlStreamWriter>

SkinWidgetEntry::SkinWidgetEntry(const QString& className, const QString& includeFile,
    const QString& group, const QString& toolTip, QSize defaultSize, bool container, Maker make)
    : m_className(className)
    , m_includeFile(includeFile)
    , m_group(group)
    , m_toolTip(toolTip)
    , m_defaultSize(defaultSize)
    , m_container(container)
    , m_make(std::move(make))
{
}

QString SkinWidgetEntry::domXml() const
{
    QString xml;
    QXmlStreamWriter writer(&xml);
    writer.writeStartElement(QStringLiteral("ui"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("c++"));
    writer.writeStartElement(QStringLiteral("widget"));
    writer.writeAttribute(QStringLiteral("class"), m_className);
    // "TsuiButton" is dropped as suiButton, suiButton_2, ...: the names the form descriptions use.
    QString name = m_className;
    if (name.startsWith(QLatin1Char('T')))
        name.remove(0, 1);
    if (!name.isEmpty())
        name[0] = name[0].toLower();
    writer.writeAttribute(QStringLiteral("name"), name);
    writer.writeStartElement(QStringLiteral("property"));
    writer.writeAttribute(QStringLiteral("name"), QStringLiteral("geometry"));
    writer.writeStartElement(QStringLiteral("rect"));
    writer.writeTextElement(QStringLiteral("x"), QStringLiteral("0"));
    writer.writeTextElement(QStringLiteral("y"), QStringLiteral("0"));
    writer.writeTextElement(QStringLiteral("width"), QString::number(m_defaultSize.width()));
    writer.writeTextElement(QStringLiteral("height"), QString::number(m_defaultSize.height()));
    writer.writeEndElement();
    writer.writeEndElement();
    writer.writeEndElement();
    writer.writeEndElement();
    return xml;
}

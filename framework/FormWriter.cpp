#include "framework/FormWriter.h"

#include "framework/Component.h"
#include "framework/ComponentRegistry.h"
#include "framework/Event.h"
#include "framework/FormValues.h"
#include "framework/OrlendaException.h"
#include "framework/TCollection.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QSaveFile>
#include <QWidget>
#include <QXmlStreamWriter>
#include <memory>

namespace {

bool isPublished(const QMetaProperty& p)
{
    // Published names are capitalised; Qt's own lower-case properties are not the form's.
    return p.isReadable() && p.isStored() && p.name()[0] >= 'A' && p.name()[0] <= 'Z';
}

class Writer {
public:
    Writer(const QWidget* form, QXmlStreamWriter& xml)
        : m_form(form)
        , m_xml(xml)
    {
    }
    ~Writer()
    {
        for (QObject* d : std::as_const(m_defaults))
            delete d;
    }

    void run();

private:
    void writeComponent(const QObject* object);
    void writeProperties(const QObject* object, const QObject* defaults, const QString& prefix);
    void writeValue(const QString& name, const QString& text);
    void writeCollection(const QString& name, const TCollection* collection);
    const QObject* defaultsFor(const QObject* object);
    QList<const QObject*> childrenOf(const QObject* enclosing) const;

    const QWidget* m_form;
    QXmlStreamWriter& m_xml;
    QList<const QObject*> m_components;
    QHash<const QMetaObject*, QObject*> m_defaults;
};

void Writer::run()
{
    if (const Component* root = Component::of(m_form)) {
        for (const Component* c : root->Components())
            m_components.append(c->Self());
    } else {
        for (QObject* o : m_form->findChildren<QObject*>()) {
            if (Component::of(o)
                && ComponentRegistry::instance().find(QLatin1String(o->metaObject()->className())))
                m_components.append(o);
        }
    }
    m_xml.writeStartDocument();
    m_xml.writeStartElement(QStringLiteral("form"));
    m_xml.writeAttribute(QStringLiteral("class"), QLatin1String(m_form->metaObject()->className()));
    m_xml.writeAttribute(QStringLiteral("name"), m_form->objectName());
    writeProperties(m_form, defaultsFor(m_form), QString());
    for (const QObject* child : childrenOf(m_form))
        writeComponent(child);
    m_xml.writeEndElement();
    m_xml.writeEndDocument();
}

QList<const QObject*> Writer::childrenOf(const QObject* enclosing) const
{
    QList<const QObject*> result;
    for (const QObject* c : m_components) {
        const QObject* parent = c->parent();
        // Components whose parent is not written themselves are kept at the form's level.
        const bool parentWritten = parent != m_form && m_components.contains(parent);
        if ((enclosing == m_form && !parentWritten) || (enclosing != m_form && parent == enclosing))
            result.append(c);
    }
    return result;
}

void Writer::writeComponent(const QObject* object)
{
    m_xml.writeStartElement(QStringLiteral("object"));
    m_xml.writeAttribute(QStringLiteral("class"), QLatin1String(object->metaObject()->className()));
    m_xml.writeAttribute(QStringLiteral("name"), object->objectName());
    writeProperties(object, defaultsFor(object), QString());
    for (const QObject* child : childrenOf(object))
        writeComponent(child);
    m_xml.writeEndElement();
}

const QObject* Writer::defaultsFor(const QObject* object)
{
    const ComponentRegistry::Entry* entry
        = ComponentRegistry::instance().nearest(object->metaObject());
    if (!entry)
        return nullptr;
    auto it = m_defaults.find(entry->metaObject);
    if (it == m_defaults.end())
        it = m_defaults.insert(entry->metaObject, entry->create(nullptr));
    return it.value();
}

void Writer::writeValue(const QString& name, const QString& text)
{
    m_xml.writeStartElement(QStringLiteral("property"));
    m_xml.writeAttribute(QStringLiteral("name"), name);
    m_xml.writeCharacters(text);
    m_xml.writeEndElement();
}

void Writer::writeCollection(const QString& name, const TCollection* collection)
{
    m_xml.writeStartElement(QStringLiteral("property"));
    m_xml.writeAttribute(QStringLiteral("name"), name);
    for (const QObject* item : collection->items()) {
        m_xml.writeStartElement(QStringLiteral("item"));
        // Items have no registered class to compare with: all their settings are written.
        writeProperties(item, nullptr, QString());
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

void Writer::writeProperties(const QObject* object, const QObject* defaults, const QString& prefix)
{
    const QMetaObject* mo = object->metaObject();
    // Settings first, handlers last: a handler bound early would hear the settings being read.
    QList<QMetaProperty> ordered;
    for (int i = 0; i < mo->propertyCount(); ++i) {
        if (!FormValues::isHandler(mo->property(i)))
            ordered.append(mo->property(i));
    }
    for (int i = 0; i < mo->propertyCount(); ++i) {
        if (FormValues::isHandler(mo->property(i)))
            ordered.append(mo->property(i));
    }
    for (const QMetaProperty& p : std::as_const(ordered)) {
        if (!isPublished(p))
            continue;
        // A class that publishes a name again (a panel's stored Height) stores only its own.
        if (mo->indexOfProperty(p.name()) != p.propertyIndex())
            continue;
        const QString name = prefix + QLatin1String(p.name());
        const QVariant value = p.read(object);
        QVariant standard;
        if (defaults) {
            const int d = defaults->metaObject()->indexOfProperty(p.name());
            if (d >= 0)
                standard = defaults->metaObject()->property(d).read(defaults);
        }

        if (FormValues::isObject(p)) {
            QObject* v = value.value<QObject*>();
            if (auto* collection = qobject_cast<TCollection*>(v)) {
                auto* standardCollection = qobject_cast<TCollection*>(standard.value<QObject*>());
                if (collection->Count() > 0
                    || (standardCollection && standardCollection->Count() > 0))
                    writeCollection(name, collection);
                continue;
            }
            if (v && v->parent() == object && !Component::of(v)) {
                // Owned sub-objects (Font, Constraints) are written property by property.
                writeProperties(v, standard.value<QObject*>(), name + QLatin1Char('.'));
                continue;
            }
            if (!p.isWritable())
                continue;
            // A field bound to a component of the same name is not a setting.
            if (v && v->objectName() == QLatin1String(p.name()))
                continue;
            if (v == standard.value<QObject*>())
                continue;
            writeValue(name, v ? v->objectName() : QString());
            continue;
        }
        if (!p.isWritable())
            continue;
        if (FormValues::isHandler(p)) {
            const FormMethod m = value.value<FormMethod>();
            if (m.isValid() && m.target == m_form)
                writeValue(name, m.name());
            continue;
        }
        if (defaults && value == standard)
            continue;
        if (FormValues::isStringList(p)) {
            m_xml.writeStartElement(QStringLiteral("property"));
            m_xml.writeAttribute(QStringLiteral("name"), name);
            for (const QString& line : value.toStringList())
                m_xml.writeTextElement(QStringLiteral("string"), line);
            m_xml.writeEndElement();
            continue;
        }
        if (FormValues::isPicture(p)) {
            const QImage picture = FormValues::storedPicture(value.value<QImage>());
            if (picture.isNull()) {
                writeValue(name, QString());
                continue;
            }
            QByteArray data;
            QBuffer buffer(&data);
            buffer.open(QIODevice::WriteOnly);
            picture.save(&buffer, "PNG");
            m_xml.writeStartElement(QStringLiteral("property"));
            m_xml.writeAttribute(QStringLiteral("name"), name);
            m_xml.writeAttribute(QStringLiteral("encoding"), QStringLiteral("base64"));
            m_xml.writeCharacters(QString::fromLatin1(data.toBase64()));
            m_xml.writeEndElement();
            continue;
        }
        if (const std::optional<QString> text = FormValues::format(p, value))
            writeValue(name, *text);
    }
    if (!prefix.isEmpty())
        return;
    if (const Component* c = Component::of(object)) {
        for (const QString& binary : c->BinaryPropertyNames()) {
            const std::optional<QByteArray> data = c->WriteBinaryProperty(binary);
            if (!data)
                continue;
            m_xml.writeStartElement(QStringLiteral("property"));
            m_xml.writeAttribute(QStringLiteral("name"), binary);
            m_xml.writeAttribute(QStringLiteral("encoding"), QStringLiteral("base64"));
            m_xml.writeCharacters(QString::fromLatin1(data->toBase64()));
            m_xml.writeEndElement();
        }
    }
}

} // namespace

QByteArray formDescription(const QWidget* form)
{
    QByteArray data;
    QXmlStreamWriter xml(&data);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    Writer(form, xml).run();
    return data;
}

void writeForm(const QWidget* form, const QString& fileName)
{
    const QByteArray data = formDescription(form);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw OrlendaException(QStringLiteral("Cannot write form description %1").arg(fileName));
}

#include "framework/FormReader.h"

#include "framework/ComponentRegistry.h"
#include "framework/Event.h"
#include "framework/FormDescriptionError.h"
#include "framework/FormValues.h"
#include "framework/OrlendaException.h"
#include "framework/TCollection.h"
#include "framework/TForm.h"

#include <QFile>
#include <QImage>
#include <QMetaMethod>
#include <QPointer>
#include <QWidget>
#include <QXmlStreamReader>

namespace {

// Descriptions nest a few levels; a deeper one is hostile, not a form.
constexpr int maxDepth = 64;

class Reader {
public:
    Reader(QWidget* form, const QString& fileName)
        : m_form(form)
        , m_fileName(fileName)
    {
    }

    void run(QIODevice* device);

private:
    struct Saved {
        QPointer<QObject> object;
        QMetaProperty property;
        QVariant value;
    };
    struct PendingReference {
        QPointer<QObject> object;
        QMetaProperty property;
        QString name;
        qint64 line;
        bool atRoot;
    };

    [[noreturn]] void fail(qint64 line, const QString& name, const QString& problem) const
    {
        throw FormDescriptionError(m_fileName, line, name, problem);
    }
    [[noreturn]] void failXml() const
    {
        fail(m_xml.lineNumber(), QString(),
            QStringLiteral("malformed form description: %1").arg(m_xml.errorString()));
    }
    qint64 line() const { return m_xml.lineNumber(); }

    void readForm();
    void readBody(QObject* object, bool atRoot, int depth);
    void readObject(QObject* enclosing, int depth);
    void readProperty(QObject* object, bool atRoot, int depth);
    void readCollection(TCollection* collection, int depth);
    void readBinary(Component* component, const QString& name, qint64 at);
    // Sets a property; a value the component refuses (its own exception) fails the description at
    // the property's line.
    void assign(QObject* object, const QMetaProperty& property, const QVariant& value, bool atRoot,
        qint64 at, const QString& path);
    QObject* resolveComponent(const QString& name) const;
    void finish();
    void rollBack();

    QWidget* m_form;
    QString m_fileName;
    QXmlStreamReader m_xml;
    QList<QPointer<QObject>> m_created;
    QList<Saved> m_saved;
    QList<PendingReference> m_references;
};

void Reader::run(QIODevice* device)
{
    m_xml.setDevice(device);
    Component* root = Component::of(m_form);
    if (root)
        root->SetLoading(true);
    // Nothing docks while loading: positions and sizes are set as stored, and docking runs
    // once all settings are in.
    try {
        readForm();
        finish();
    } catch (...) {
        rollBack();
        if (root)
            root->SetLoading(false);
        throw;
    }
    if (root)
        root->SetLoading(false);
    for (const QPointer<QObject>& object : std::as_const(m_created)) {
        if (Component* c = Component::of(object))
            c->SetLoading(false);
    }
    // Dock from the outside in; a container whose size changes re-docks its own children.
    AlignLayout::dock(m_form);
    for (const QPointer<QObject>& object : std::as_const(m_created)) {
        if (Component* c = Component::of(object))
            c->Loaded();
    }
    if (root)
        root->Loaded();
    if (auto* form = qobject_cast<TForm*>(m_form))
        form->DoCreate();
}

void Reader::readForm()
{
    while (!m_xml.atEnd() && !m_xml.isStartElement())
        m_xml.readNext();
    if (m_xml.hasError())
        failXml();
    if (!m_xml.isStartElement() || m_xml.name() != QLatin1String("form"))
        fail(line(), m_xml.name().toString(), QStringLiteral("expected a form element, found"));
    const QString className = m_xml.attributes().value(QLatin1String("class")).toString();
    if (!className.isEmpty()) {
        bool matches = false;
        for (const QMetaObject* m = m_form->metaObject(); m && !matches; m = m->superClass())
            matches = className == QLatin1String(m->className());
        if (!matches)
            fail(line(), className, QStringLiteral("the form is not of the described class"));
    }
    const QString name = m_xml.attributes().value(QLatin1String("name")).toString();
    if (!name.isEmpty()) {
        m_saved.append({ m_form, {}, m_form->objectName() });
        m_form->setObjectName(name);
    }
    readBody(m_form, true, 0);
    // Nothing may follow the form but comments and white space.
    while (!m_xml.atEnd()) {
        m_xml.readNext();
        if (m_xml.isStartElement())
            fail(line(), m_xml.name().toString(), QStringLiteral("unexpected element"));
    }
    if (m_xml.hasError())
        failXml();
}

void Reader::readBody(QObject* object, bool atRoot, int depth)
{
    if (depth > maxDepth)
        fail(line(), QString(), QStringLiteral("components nested too deeply"));
    while (m_xml.readNextStartElement()) {
        if (m_xml.name() == QLatin1String("property"))
            readProperty(object, atRoot, depth);
        else if (m_xml.name() == QLatin1String("object"))
            readObject(object, depth + 1);
        else
            fail(line(), m_xml.name().toString(), QStringLiteral("unknown element"));
    }
    if (m_xml.hasError())
        failXml();
}

void Reader::readObject(QObject* enclosing, int depth)
{
    const qint64 at = line();
    const QString className = m_xml.attributes().value(QLatin1String("class")).toString();
    const QString name = m_xml.attributes().value(QLatin1String("name")).toString();
    const ComponentRegistry::Entry* entry = ComponentRegistry::instance().find(className);
    if (!entry)
        fail(at, className, QStringLiteral("unknown component class"));
    if (!name.isEmpty() && resolveComponent(name))
        fail(at, name, QStringLiteral("duplicate component name"));

    // Controls go into the enclosing control; other components into the enclosing non-visual
    // component (a menu item into its menu) or else the form.
    QObject* parent = m_form;
    if (entry->metaObject->inherits(&QWidget::staticMetaObject)) {
        if (auto* w = qobject_cast<QWidget*>(enclosing))
            parent = w;
    } else if (!enclosing->isWidgetType()) {
        parent = enclosing;
    }
    QObject* object = nullptr;
    try {
        object = entry->create(parent);
    } catch (const OrlendaException& e) {
        // A component that refuses to be created here (a second skinned frame on one form).
        fail(at, className, e.message());
    }
    m_created.append(object);
    object->setObjectName(name);
    if (Component* c = Component::of(object)) {
        c->SetLoading(true);
        if (c->Owner() != m_form && Component::of(m_form))
            c->SetOwner(m_form);
    }
    readBody(object, false, depth);
    if (auto* w = qobject_cast<QWidget*>(object)) {
        // A control added to a form already on screen shows itself unless told otherwise.
        if (w->parentWidget() && w->parentWidget()->isVisible()
            && !w->testAttribute(Qt::WA_WState_ExplicitShowHide))
            w->show();
    }
}

void Reader::readProperty(QObject* object, bool atRoot, int depth)
{
    const qint64 at = line();
    const QString path = m_xml.attributes().value(QLatin1String("name")).toString();
    if (path.isEmpty())
        fail(at, path, QStringLiteral("property without a name"));

    // "Font.Height": walk the sub-objects to the last name.
    QObject* target = object;
    const QStringList parts = path.split(QLatin1Char('.'));
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const int index = target->metaObject()->indexOfProperty(parts[i].toLatin1().constData());
        if (index < 0)
            fail(at, path, QStringLiteral("unknown property"));
        const QMetaProperty p = target->metaObject()->property(index);
        QObject* sub = FormValues::isObject(p) ? p.read(target).value<QObject*>() : nullptr;
        if (!sub)
            fail(at, path, QStringLiteral("unknown property"));
        target = sub;
    }
    const int index = target->metaObject()->indexOfProperty(parts.last().toLatin1().constData());
    if (index < 0 && parts.size() == 1) {
        Component* c = Component::of(object);
        if (c && !path.isEmpty() && c->BinaryPropertyNames().contains(path)) {
            readBinary(c, path, at);
            return;
        }
    }
    if (index < 0 || parts.last().isEmpty())
        fail(at, path, QStringLiteral("unknown property"));
    const QMetaProperty property = target->metaObject()->property(index);

    if (FormValues::isObject(property)) {
        QObject* current = property.read(target).value<QObject*>();
        if (auto* collection = qobject_cast<TCollection*>(current)) {
            if (atRoot && object == m_form)
                fail(at, path, QStringLiteral("collections of the form itself are not read"));
            readCollection(collection, depth);
            return;
        }
        const QString text = m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        if (m_xml.hasError())
            failXml();
        if (!property.isWritable())
            fail(at, path, QStringLiteral("property cannot be set"));
        m_references.append({ target, property, text.trimmed(), at, atRoot });
        return;
    }

    if (FormValues::isStringList(property)) {
        QStringList lines;
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1String("string"))
                fail(line(), m_xml.name().toString(),
                    QStringLiteral("unknown element in a string list"));
            lines.append(m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement));
            if (m_xml.hasError())
                failXml();
        }
        if (m_xml.hasError())
            failXml();
        if (!property.isWritable())
            fail(at, path, QStringLiteral("property cannot be set"));
        assign(target, property, QVariant(lines), atRoot, at, path);
        return;
    }

    const QString encoding = m_xml.attributes().value(QLatin1String("encoding")).toString();
    const QString text = m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    if (m_xml.hasError())
        failXml();
    if (!property.isWritable())
        fail(at, path, QStringLiteral("property cannot be set"));

    if (FormValues::isHandler(property)) {
        FormMethod method;
        if (!text.trimmed().isEmpty()) {
            const QByteArray wanted = text.trimmed().toLatin1();
            const QMetaObject* mo = m_form->metaObject();
            for (int i = 0; i < mo->methodCount(); ++i) {
                const QMetaMethod m = mo->method(i);
                if (m.name() == wanted
                    && (m.methodType() == QMetaMethod::Method
                        || m.methodType() == QMetaMethod::Slot)) {
                    method = FormMethod { m_form, m };
                    break;
                }
            }
            if (!method.isValid())
                fail(at, text.trimmed(), QStringLiteral("unknown event handler"));
        }
        assign(target, property, QVariant::fromValue(method), atRoot, at, path);
        if (method.isValid() && !(property.read(target).value<FormMethod>() == method))
            fail(at, text.trimmed(), QStringLiteral("event handler does not fit the event"));
        return;
    }

    if (FormValues::isPicture(property)) {
        QImage picture;
        if (encoding == QLatin1String("base64")) {
            picture = QImage::fromData(QByteArray::fromBase64(text.trimmed().toLatin1()));
            if (picture.isNull())
                fail(at, path, QStringLiteral("picture data cannot be read for"));
        } else if (!text.trimmed().isEmpty()) {
            picture = FormValues::readPicture(text.trimmed());
            if (picture.isNull())
                fail(at, text.trimmed(), QStringLiteral("picture cannot be read"));
        }
        assign(target, property, QVariant(picture), atRoot, at, path);
        return;
    }

    const std::optional<QVariant> value = FormValues::parse(property, text);
    if (!value)
        fail(at, text, QStringLiteral("invalid value for property %1:").arg(path));
    assign(target, property, *value, atRoot, at, path);
}

void Reader::readBinary(Component* component, const QString& name, qint64 at)
{
    const QString encoding = m_xml.attributes().value(QLatin1String("encoding")).toString();
    const QString text = m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    if (m_xml.hasError())
        failXml();
    if (encoding != QLatin1String("base64"))
        fail(at, name, QStringLiteral("binary data must be base64 encoded:"));
    auto decoded = QByteArray::fromBase64Encoding(
        text.trimmed().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        fail(at, name, QStringLiteral("binary data cannot be decoded for"));
    try {
        component->ReadBinaryProperty(name, *decoded);
    } catch (const OrlendaException& e) {
        // The component's own complaint, placed in the description.
        fail(at, name, e.message());
    }
}

void Reader::readCollection(TCollection* collection, int depth)
{
    if (depth > maxDepth)
        fail(line(), QString(), QStringLiteral("components nested too deeply"));
    // Stored items replace the collection's defaults.
    collection->Clear();
    while (m_xml.readNextStartElement()) {
        if (m_xml.name() != QLatin1String("item"))
            fail(
                line(), m_xml.name().toString(), QStringLiteral("unknown element in a collection"));
        QObject* item = collection->Add();
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1String("property"))
                fail(line(), m_xml.name().toString(), QStringLiteral("unknown element in an item"));
            readProperty(item, false, depth + 1);
        }
        if (m_xml.hasError())
            failXml();
    }
    if (m_xml.hasError())
        failXml();
}

void Reader::assign(QObject* object, const QMetaProperty& property, const QVariant& value,
    bool atRoot, qint64 at, const QString& path)
{
    if (atRoot) {
        // The form's own earlier values, to put back if the description turns out bad.
        m_saved.append({ object, property, property.read(object) });
    }
    try {
        property.write(object, value);
    } catch (const OrlendaException& e) {
        fail(at, path, e.message());
    }
}

QObject* Reader::resolveComponent(const QString& name) const
{
    if (name.compare(m_form->objectName(), Qt::CaseInsensitive) == 0)
        return m_form;
    for (const QPointer<QObject>& object : m_created) {
        if (object && object->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return object;
    }
    return nullptr;
}

void Reader::finish()
{
    for (const PendingReference& r : std::as_const(m_references)) {
        if (!r.object)
            continue;
        QObject* target = nullptr;
        if (!r.name.isEmpty()) {
            target = resolveComponent(r.name);
            if (!target)
                fail(r.line, r.name, QStringLiteral("unknown component"));
            const QMetaObject* wanted = r.property.metaType().metaObject();
            if (wanted && !target->metaObject()->inherits(wanted))
                fail(r.line, r.name, QStringLiteral("component of the wrong class"));
        }
        QVariant value(r.property.metaType(), &target);
        assign(
            r.object, r.property, value, r.atRoot, r.line, QString::fromLatin1(r.property.name()));
    }
    // Fields of the form named like its components receive them.
    const QMetaObject* mo = m_form->metaObject();
    for (int i = 0; i < mo->propertyCount(); ++i) {
        const QMetaProperty p = mo->property(i);
        if (!p.isWritable() || !FormValues::isObject(p))
            continue;
        for (const QPointer<QObject>& object : std::as_const(m_created)) {
            if (!object || object->objectName() != QLatin1String(p.name()))
                continue;
            const QMetaObject* wanted = p.metaType().metaObject();
            if (wanted && object->metaObject()->inherits(wanted)) {
                QObject* value = object;
                p.write(m_form, QVariant(p.metaType(), &value));
            }
        }
    }
}

void Reader::rollBack()
{
    // Last built first; a component may already have gone with its parent.
    for (qsizetype i = m_created.size() - 1; i >= 0; --i)
        delete m_created[i].data();
    m_created.clear();
    for (qsizetype i = m_saved.size() - 1; i >= 0; --i) {
        const Saved& s = m_saved[i];
        if (!s.object)
            continue;
        if (s.property.isValid())
            s.property.write(s.object, s.value);
        else
            s.object->setObjectName(s.value.toString());
    }
    m_saved.clear();
}

} // namespace

void readForm(QWidget* form, const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw FormDescriptionError(
            fileName, 0, fileName, QStringLiteral("cannot open form description"));
    readForm(form, &file, fileName);
}

void readForm(QWidget* form, QIODevice* device, const QString& fileName)
{
    Reader(form, fileName).run(device);
}

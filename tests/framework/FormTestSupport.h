// Test components and a test form shared by the component-layer tests.
#pragma once

#include "framework/Component.h"
#include "framework/ComponentRegistry.h"
#include "framework/ControlTypes.h"
#include "framework/TForm.h"
#include "framework/TPanel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidgetItem>
#include <stdexcept>

// Records the order its settings arrive in and the notifications it hears.
class RecordingComponent : public QObject, public Component {
    Q_OBJECT
    Q_PROPERTY(int Alpha READ Alpha WRITE setAlpha)
    Q_PROPERTY(QString Beta READ Beta WRITE setBeta)
    Q_PROPERTY(RecordingComponent* Buddy READ Buddy WRITE setBuddy)
public:
    explicit RecordingComponent(QObject* parent = nullptr)
        : QObject(parent)
        , Component(this)
    {
    }

    int Alpha() const { return m_alpha; }
    void setAlpha(int v)
    {
        m_alpha = v;
        assigned << QStringLiteral("Alpha=%1").arg(v);
    }
    QString Beta() const { return m_beta; }
    void setBeta(const QString& v)
    {
        m_beta = v;
        assigned << QStringLiteral("Beta=%1").arg(v);
    }
    RecordingComponent* Buddy() const { return m_buddy; }
    void setBuddy(RecordingComponent* b)
    {
        m_buddy = b;
        if (b)
            FreeNotification(b);
        assigned << QStringLiteral("Buddy=%1").arg(b ? b->objectName() : QString());
    }

    void Notification(QObject* component, Operation operation) override
    {
        Component::Notification(component, operation);
        notes << QStringLiteral("%1:%2")
                     .arg(operation == Operation::opRemove ? "remove" : "insert")
                     .arg(component == static_cast<QObject*>(m_buddy) ? "buddy" : "other");
        if (operation == Operation::opRemove && component == static_cast<QObject*>(m_buddy))
            m_buddy = nullptr;
    }
    void Loaded() override { assigned << QStringLiteral("Loaded"); }

    QStringList assigned;
    QStringList notes;

private:
    int m_alpha = 0;
    QString m_beta;
    RecordingComponent* m_buddy = nullptr;
};

class TestForm : public TForm {
    Q_OBJECT
    Q_PROPERTY(TPanel* pnlMain MEMBER pnlMain)
public:
    explicit TestForm(QWidget* owner = nullptr)
        : TForm(owner)
    {
    }
    ~TestForm() override { BeforeDestruction(); }

    Q_INVOKABLE void FormCreate(QObject* Sender)
    {
        log << QStringLiteral("create:%1:%2").arg(Sender == this).arg(ComponentCount());
    }
    Q_INVOKABLE void FormDestroy(QObject* Sender)
    {
        log << QStringLiteral("destroy:%1").arg(ComponentCount());
        if (destroyLog)
            *destroyLog = log;
    }
    Q_INVOKABLE void ControlClick(QObject* Sender) { log << "click:" + Sender->objectName(); }
    Q_INVOKABLE void OtherClick(QObject* Sender) { log << "other:" + Sender->objectName(); }
    Q_INVOKABLE void ControlResize(QObject* Sender) { log << "resize:" + Sender->objectName(); }
    Q_INVOKABLE void NodeChange(QObject* Sender, QTreeWidgetItem* Node)
    {
        log << "change:" + (Node ? Node->text(0) : QStringLiteral("none"));
    }
    Q_INVOKABLE void WrongShape(int) { }
    Q_INVOKABLE void Throwing(QObject*) { throw std::runtime_error("not ours"); }

    QStringList log;
    QStringList* destroyLog = nullptr;
    TPanel* pnlMain = nullptr;
};

namespace FormTest {

inline void registerTestClasses()
{
    ComponentRegistry::instance().add<RecordingComponent>();
}

// Writes `xml` into `dir` under `name` and returns its path.
inline QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& xml)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(xml) != xml.size())
        throw std::runtime_error("cannot write test file");
    return path;
}

} // namespace FormTest

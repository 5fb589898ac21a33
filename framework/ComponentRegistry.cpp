#include "framework/ComponentRegistry.h"

#include "framework/TButton.h"
#include "framework/TCppWebBrowser.h"
#include "framework/TForm.h"
#include "framework/TImage.h"
#include "framework/TImageList.h"
#include "framework/TLabel.h"
#include "framework/TMainMenu.h"
#include "framework/TMDIClient.h"
#include "framework/TMenuItem.h"
#include "framework/TPanel.h"
#include "framework/TPopupMenu.h"
#include "framework/TRadioButton.h"
#include "framework/TSplitter.h"
#include "framework/TStatusBar.h"
#include "framework/TTreeView.h"

ComponentRegistry& ComponentRegistry::instance()
{
    static ComponentRegistry registry;
    return registry;
}

ComponentRegistry::ComponentRegistry()
{
    // The framework's own classes are registered here rather than from their files, so a
    // program that only names them in descriptions still links them in.
    add<TButton>();
    add<TCppWebBrowser>();
    add<TForm>();
    add<TImage>();
    add<TImageList>();
    add<TLabel>();
    add<TMainMenu>();
    add<TMDIClient>();
    add<TMenuItem>();
    add<TPanel>();
    add<TPopupMenu>();
    add<TRadioButton>();
    add<TSplitter>();
    add<TStatusBar>();
    add<TTreeView>();
}

void ComponentRegistry::add(const QMetaObject* metaObject, Factory create)
{
    m_entries.insert(
        QString::fromLatin1(metaObject->className()), Entry { metaObject, std::move(create) });
}

const ComponentRegistry::Entry* ComponentRegistry::find(const QString& className) const
{
    auto it = m_entries.constFind(className);
    return it == m_entries.constEnd() ? nullptr : &it.value();
}

const ComponentRegistry::Entry* ComponentRegistry::nearest(const QMetaObject* metaObject) const
{
    for (const QMetaObject* m = metaObject; m; m = m->superClass()) {
        if (const Entry* e = find(QString::fromLatin1(m->className())))
            return e;
    }
    return nullptr;
}

QStringList ComponentRegistry::classNames() const
{
    QStringList names = m_entries.keys();
    names.sort();
    return names;
}

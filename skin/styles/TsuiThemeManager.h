// Pushes one UIStyle and one FileTheme into a chosen list of themed components of its form.
#pragma once

#include "framework/Component.h"
#include "framework/Event.h"
#include "skin/styles/SUIThemes.h"
#include "skin/styles/TsuiFileTheme.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

// One line per controlled component, holding its Name.
using TsuiThemeMgrCompList = QStringList;

class TsuiThemeManager : public QObject, public Component {
    Q_OBJECT
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(QStringList CompList READ CompList WRITE SetCompList)
    Q_PROPERTY(
        FormMethod OnUIStyleChanged READ onUIStyleChangedHandler WRITE setOnUIStyleChangedHandler)
public:
    explicit TsuiThemeManager(QObject* parent = nullptr);
    ~TsuiThemeManager() override;

    Event<> OnUIStyleChanged;

    TsuiUIStyle UIStyle() const { return m_style; }
    // Always updates the listed components, also for the current style; the event fires only
    // when the style changed.
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return m_fileTheme.data(); }
    void SetFileTheme(TsuiFileTheme* theme);
    const TsuiThemeMgrCompList& CompList() const { return m_compList; }
    void SetCompList(const TsuiThemeMgrCompList& list) { m_compList = list; }

    // Sets UIStyle, then FileTheme, by name on each listed component of the owner form; names
    // that match nothing are skipped. A listed component without those properties raises.
    void UpdateAll();
    void UpdateTheme() { UpdateAll(); }

    // The owner form (the only place the manager acts), or null.
    QWidget* OwnerForm() const;
    // The components the dialog offers: themed components of the owner form, managers excluded.
    QList<QObject*> Candidates() const;
    // Runs the TfrmMgr dialog: on OK the checked names become CompList; UpdateAll runs either way.
    void EditCompList();

    void Notification(QObject* component, Operation operation) override;

    FormMethod onUIStyleChangedHandler() const { return OnUIStyleChanged.method(); }
    void setOnUIStyleChangedHandler(const FormMethod& m) { OnUIStyleChanged.bind(m); }

private:
    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
    QPointer<TsuiFileTheme> m_fileTheme;
    TsuiThemeMgrCompList m_compList;
};

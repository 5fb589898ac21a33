// Builds a form from its description (an XML file, usually a resource such as ":/forms/Main.xml").
//
// <form class="TfmMain" name="fmMain"> holds the form's own settings and its components:
//   <property name="P">text</property>     assigned in stored order through the Q_PROPERTY P
//   <object class="C" name="N">...</object> built by class name from ComponentRegistry
// Parents: a control's parent is the enclosing control (or the form); a non-visual component's
// parent is the enclosing non-visual component (menu items in their menu or item) or else the
// form. The owner of every component is the form.
// Values: integers in decimal; true/false; enumeration value names (alLeft); sets as [a,b] or [];
// colours "#RRGGBB" or a system colour name (clBtnFace); strings as they stand; nested
// properties with a dot ("Font.Height", "Constraints.MinWidth"); component references by name,
// resolved after all components exist (an empty value clears one); pictures (QImage
// properties) as a resource or regular file path, or inline with encoding="base64" (PNG or BMP
// data, as the writer stores them); string lists (QStringList properties) as one
// <string>line</string> element per line. Collections: <property name="Items"><item><property
// name="Width">20</property></item>... replace the collection's items. Events: a property of type
// FormMethod names a method of the form, declared Q_INVOKABLE or as a slot with the sender first,
// e.g. Q_INVOKABLE void rbNameClick(QObject* Sender); an empty value clears the handler. Fields: a
// form class may declare Q_PROPERTY(TTreeView* tvValue MEMBER tvValue); after the components are
// built, every such writable pointer property named like a component receives it. Alignment: docked
// controls of one kind are laid out in the order of their stored positions (alTop by Top, alLeft by
// Left, alBottom and alRight from the far edge), child order breaking ties.
// Docking waits until all settings are in; the settings themselves raise no OnResize and no
// radio-button OnClick. Docking after the read raises OnResize where a size changed, as does a
// control's first showing. Then every component's Loaded() runs and, when the form is a TForm,
// its OnCreate is raised last (an exception from it is shown and creation goes on). Errors throw
// FormDescriptionError (file, line, name): the components built so far are deleted and the form's
// own settings assigned so far are put back, so nothing half-built remains.
#pragma once

#include <QString>

class QIODevice;
class QWidget;

void readForm(QWidget* form, const QString& fileName);
// The same from an open device; `fileName` is what errors name.
void readForm(QWidget* form, QIODevice* device, const QString& fileName);

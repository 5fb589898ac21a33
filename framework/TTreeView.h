// A tree of nodes (QTreeWidget items) with an image list and a selection-change event.
#pragma once

#include "framework/TControl.h"

#include <QTreeWidget>

class TImageList;

class TTreeView : public TControlBase<QTreeWidget> {
    Q_OBJECT
    Q_MOC_INCLUDE("framework/TImageList.h")
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(ControlTypes::TBevelKind BevelKind READ BevelKind WRITE setBevelKind)
    Q_PROPERTY(ControlTypes::TBevelCut BevelInner READ BevelInner WRITE setBevelInner)
    Q_PROPERTY(ControlTypes::TBevelCut BevelOuter READ BevelOuter WRITE setBevelOuter)
    Q_PROPERTY(ControlTypes::TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE setHideSelection)
    Q_PROPERTY(TImageList* Images READ Images WRITE setImages)
    Q_PROPERTY(int Indent READ Indent WRITE setIndent)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE setReadOnly)
    Q_PROPERTY(bool ShowRoot READ ShowRoot WRITE setShowRoot)
    Q_PROPERTY(FormMethod OnChange READ onChangeHandler WRITE setOnChangeHandler)
public:
    explicit TTreeView(QWidget* parent = nullptr);

    // Raised once when the selection changes, after it changed; the node is the newly selected one
    // (null when none).
    Event<QTreeWidgetItem*> OnChange;

    ControlTypes::TBevelKind BevelKind() const { return m_bevelKind; }
    void setBevelKind(ControlTypes::TBevelKind kind) { m_bevelKind = kind; }
    ControlTypes::TBevelCut BevelInner() const { return m_bevelInner; }
    void setBevelInner(ControlTypes::TBevelCut cut) { m_bevelInner = cut; }
    ControlTypes::TBevelCut BevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(ControlTypes::TBevelCut cut) { m_bevelOuter = cut; }
    ControlTypes::TBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(ControlTypes::TBorderStyle style);
    bool HideSelection() const { return m_hideSelection; }
    void setHideSelection(bool hide) { m_hideSelection = hide; }
    TImageList* Images() const { return m_images; }
    void setImages(TImageList* images);
    // Indent is QTreeView::indentation(), ShowRoot QTreeView::rootIsDecorated().
    int Indent() const { return indentation(); }
    void setIndent(int indent) { setIndentation(indent); }
    bool ReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool ShowRoot() const { return rootIsDecorated(); }
    void setShowRoot(bool show) { setRootIsDecorated(show); }

    // Gives a node the image list's image `index` (no image for -1 or an index out of range).
    void setImageIndex(QTreeWidgetItem* node, int index);
    // Removes every node without raising OnChange for each, then raises it once with no node.
    void clearNodes();

    void Notification(QObject* component, Operation operation) override;

    FormMethod onChangeHandler() const { return OnChange.method(); }
    void setOnChangeHandler(const FormMethod& m) { OnChange.bind(m); }

private:
    void refreshImages();

    TImageList* m_images = nullptr;
    ControlTypes::TBevelKind m_bevelKind = ControlTypes::TBevelKind::bkNone;
    ControlTypes::TBevelCut m_bevelInner = ControlTypes::TBevelCut::bvRaised;
    ControlTypes::TBevelCut m_bevelOuter = ControlTypes::TBevelCut::bvLowered;
    ControlTypes::TBorderStyle m_borderStyle = ControlTypes::TBorderStyle::bsSingle;
    bool m_hideSelection = true;
    bool m_readOnly = false;
    bool m_clearing = false;
};

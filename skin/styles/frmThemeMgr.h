// The dialog in which the components a theme manager controls are picked.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

class TfrmMgr : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMgr(QWidget* parent = nullptr);

    // One line per component, carrying it; checked when its name is in `checked`.
    void Fill(const QList<QObject*>& components, const QStringList& checked);
    // The names of the checked lines, in list order.
    QStringList CheckedNames() const;

    QListWidget* List;
    QPushButton* btn_sel;
    QPushButton* btn_unsel;
    QPushButton* btn_ok;

public Q_SLOTS:
    void btn_selClick();
    void btn_unselClick();

private:
    void checkAll(bool checked);
};

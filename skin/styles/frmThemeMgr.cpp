#include "skin/styles/frmThemeMgr.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

namespace {

// The line carries its component, as the check list box's objects do.
constexpr int kComponentRole = Qt::UserRole;

} // namespace

TfrmMgr::TfrmMgr(QWidget* parent)
    : QDialog(parent)
    , List(new QListWidget(this))
    , btn_sel(new QPushButton(QStringLiteral("&Select all"), this))
    , btn_unsel(new QPushButton(QStringLiteral("&Unselect all"), this))
    , btn_ok(new QPushButton(QStringLiteral("&OK"), this))
{
    setObjectName(QStringLiteral("frmMgr"));
    setWindowTitle(QStringLiteral("Theme Manager - DOZErad"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(233, 301);
    // A dialog border: no resizing, no minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    List->setObjectName(QStringLiteral("List"));
    List->setGeometry(16, 16, 201, 185);
    List->setUniformItemSizes(true);
    btn_sel->setObjectName(QStringLiteral("btn_sel"));
    btn_sel->setGeometry(120, 208, 97, 25);
    btn_sel->setAutoDefault(false);
    btn_unsel->setObjectName(QStringLiteral("btn_unsel"));
    btn_unsel->setGeometry(16, 208, 97, 25);
    btn_unsel->setAutoDefault(false);
    btn_ok->setObjectName(QStringLiteral("btn_ok"));
    btn_ok->setGeometry(72, 264, 89, 25);
    btn_ok->setDefault(true);

    connect(btn_sel, &QPushButton::clicked, this, &TfrmMgr::btn_selClick);
    connect(btn_unsel, &QPushButton::clicked, this, &TfrmMgr::btn_unselClick);
    connect(btn_ok, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(), size());
        r.moveCenter(screen->geometry().center());
        move(r.topLeft());
    }
}

void TfrmMgr::Fill(const QList<QObject*>& components, const QStringList& checked)
{
    List->clear();
    for (QObject* component : components) {
        auto* line = new QListWidgetItem(component->objectName(), List);
        line->setData(kComponentRole, QVariant::fromValue(component));
        line->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        line->setCheckState(checked.contains(component->objectName(), Qt::CaseInsensitive)
                ? Qt::Checked
                : Qt::Unchecked);
        line->setSizeHint(QSize(0, 13));
    }
}

QStringList TfrmMgr::CheckedNames() const
{
    QStringList names;
    for (int i = 0; i < List->count(); ++i)
        if (List->item(i)->checkState() == Qt::Checked)
            names.append(List->item(i)->text());
    return names;
}

void TfrmMgr::btn_selClick()
{
    checkAll(true);
}

void TfrmMgr::btn_unselClick()
{
    checkAll(false);
}

void TfrmMgr::checkAll(bool checked)
{
    for (int i = 0; i < List->count(); ++i)
        List->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

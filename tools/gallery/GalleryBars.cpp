#include "tools/gallery/GalleryBars.h"

#include "skin/controls/SUIScrollBar.h"
#include "skin/controls/SUITrackBar.h"
#include "skin/controls/Suiprogressbar.h"

#include <QBoxLayout>

namespace {

// A fixed-size area where the bars sit at exact places, put before the place's closing stretch.
QWidget* area(QWidget* place, int width, int height)
{
    auto* host = new QWidget(place);
    host->setFixedSize(width, height);
    if (auto* box = qobject_cast<QBoxLayout*>(place->layout()))
        box->insertWidget(box->count() - 1, host);
    return host;
}

} // namespace

void AddScrollBars(QWidget* place, TsuiUIStyle style)
{
    QWidget* host = area(place, 250, 150);
    // Horizontal: at the start, a wide thumb in the middle, a fixed-length thumb at the end.
    const struct {
        int position;
        int pageSize;
        int lineButton;
    } horizontal[] = { { 0, 2, 0 }, { 50, 40, 0 }, { 100, 2, 60 } };
    int top = 0;
    for (const auto& h : horizontal) {
        auto* bar = new TsuiScrollBar(host);
        bar->SetUIStyle(style);
        bar->setBounds(QRect(0, top, 170, bar->height()));
        bar->SetPageSize(h.pageSize);
        bar->SetLineButton(h.lineButton);
        bar->SetPosition(h.position);
        // Fixed steps: a file theme applied later may change every bar's thickness.
        top += 24;
    }
    const int positions[] = { 0, 35, 100 };
    int left = 180;
    for (int position : positions) {
        auto* bar = new TsuiScrollBar(host);
        bar->SetUIStyle(style);
        bar->SetOrientation(suiVertical);
        bar->setBounds(QRect(left, 0, bar->width(), 150));
        bar->SetPageSize(position == 35 ? 30 : 2);
        bar->SetPosition(position);
        left += 22;
    }
}

void AddProgressBars(QWidget* place, TsuiUIStyle style)
{
    QWidget* host = area(place, 250, 150);
    const int positions[] = { 0, 33, 50, 100, 120 };
    int top = 0;
    for (int position : positions) {
        auto* bar = new TsuiProgressBar(host);
        bar->SetUIStyle(style);
        bar->setBounds(QRect(0, top, 170, 16));
        bar->SetPosition(position);
        top += 24;
    }
    int left = 184;
    for (int position : { 0, 50, 100 }) {
        auto* bar = new TsuiProgressBar(host);
        bar->SetUIStyle(style);
        bar->SetOrientation(suiVertical);
        bar->setBounds(QRect(left, 0, 12, 112));
        bar->SetPosition(position);
        left += 22;
    }
}

void AddTrackBars(QWidget* place, TsuiUIStyle style)
{
    QWidget* host = area(place, 250, 150);
    const int positions[] = { 0, 5, 10 };
    int top = 0;
    for (int position : positions) {
        auto* bar = new TsuiTrackBar(host);
        bar->SetUIStyle(style);
        bar->setBounds(QRect(0, top, 160, bar->height()));
        bar->SetPosition(position);
        bar->SetFrequency(position == 5 ? 2 : 1);
        top += 28;
    }
    int left = 172;
    for (int position : { 0, 4, 10 }) {
        auto* bar = new TsuiTrackBar(host);
        bar->SetUIStyle(style);
        bar->SetOrientation(suiVertical);
        bar->setBounds(QRect(left, 0, bar->width(), 140));
        bar->SetPosition(position);
        left += 26;
    }
}

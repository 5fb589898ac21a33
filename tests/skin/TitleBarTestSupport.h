// Hosts for title bar tests: a plain window, a stand-in frame, and the pictures a style gives.
#pragma once

#include "framework/ApplicationExceptions.h"
#include "skin/styles/Suiresdef.h"
#include "skin/windows/SUITitleBar.h"

#include <QImage>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace titleprobe {
// Recognised by class name as the skinned frame: the bar draws 3 pixels up and left on it.
class TsuiForm : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};
} // namespace titleprobe

// Frame `frame` (1-based) of the style's 18-frame caption button strip.
inline QImage titleButtonFrame(TsuiUIStyle style, int frame)
{
    QImage picture;
    GetInsideThemeBitmap(style, SuiThemes::SuiItem::TitleBarButtonImage, &picture, 18, frame);
    return picture.convertToFormat(QImage::Format_RGB32);
}

inline QImage themePicture(TsuiUIStyle style, int item)
{
    QImage picture;
    GetInsideThemeBitmap(style, item, &picture);
    return picture.convertToFormat(QImage::Format_RGB32);
}

// Whether `image` shows `picture` at `at` pixel for pixel (RGB only), in the part of the picture
// that lies inside the image.
inline bool showsPicture(const QImage& image, const QPoint& at, const QImage& picture)
{
    if (picture.isNull())
        return false;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (image.valid(at.x() + x, at.y() + y)
                && (image.pixel(at.x() + x, at.y() + y) & 0xFFFFFF)
                    != (picture.pixel(x, y) & 0xFFFFFF))
                return false;
    return true;
}

// A shown top-level window 776 pixels wide holding one title bar, standalone or on a frame.
class TitleBarFixture : public testing::Test {
protected:
    void SetUp() override
    {
        ApplicationExceptions::setPresenter([this](const QString& m) { messages << m; });
    }
    void TearDown() override
    {
        host.reset();
        ApplicationExceptions::resetPresenter();
    }

    TsuiTitleBar* makeBar(TsuiUIStyle style, bool inFrame = false, int width = 776)
    {
        host = std::make_unique<QWidget>();
        host->resize(width, 200);
        QWidget* parent = host.get();
        if (inFrame) {
            parent = new titleprobe::TsuiForm(host.get());
            parent->setGeometry(0, 0, width, 200);
        }
        auto* bar = new TsuiTitleBar(parent);
        bar->SetUIStyle(style);
        bar->setWidth(width);
        return bar;
    }
    void show()
    {
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    }

    std::unique_ptr<QWidget> host;
    QStringList messages;
};

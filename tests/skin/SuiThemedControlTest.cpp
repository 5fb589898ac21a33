// The themed-control pattern, seen through a small themed widget built on it.
#include "skin/styles/SuiThemedControl.h"
#include "skin/styles/Suiresdef.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace SuiThemes;

namespace {

class StubFileTheme : public TsuiFileTheme {
public:
    bool usable = true;
    bool CanUse() const override { return usable; }
    void GetBitmap(int, QImage& target) const override
    {
        target = QImage(7, 3, QImage::Format_RGB32);
    }
    void GetBitmap(int, QImage& target, int count, int) const override
    {
        target = QImage(count, 2, QImage::Format_RGB32);
    }
    uint32_t GetColor(int) const override { return 0x123456; }
    int32_t GetInt(int) const override { return 77; }
    bool GetBool(int) const override { return true; }
};

} // namespace

namespace controlprobe {
class TsuiForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle MEMBER style)
public:
    using QWidget::QWidget;
    TsuiUIStyle style = TsuiUIStyle::DeepBlue;
};

// What a themed control keeps: copies of its items, re-read on every style change.
class ThemedWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    explicit ThemedWidget(QWidget* parent = nullptr)
        : QWidget(parent)
    {
        m_theme.initFromOwner(SuiThemedControl::ownerOf(this));
    }
    TsuiUIStyle UIStyle() const { return m_theme.uiStyle(); }
    void SetUIStyle(TsuiUIStyle style)
    {
        ++writes;
        m_theme.setUIStyle(style);
    }
    TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { m_theme.setFileTheme(theme); }
    const SuiThemedControl& theme() const { return m_theme; }

    int reloads = 0;
    int writes = 0;
    uint32_t borderColor = 0;
    int32_t minWidth = 0;
    bool transparent = false;
    QImage frame;

private:
    void reload()
    {
        ++reloads;
        borderColor = m_theme.color(SuiItem::ControlBorderColor);
        minWidth = m_theme.integer(SuiItem::FormMinWidthInt);
        transparent = m_theme.flag(SuiItem::ButtonTransparentBool);
        m_theme.bitmap(SuiItem::ButtonImage, frame, 3, 1);
    }
    SuiThemedControl m_theme { this, [this] { reload(); } };
};
} // namespace controlprobe

using controlprobe::ThemedWidget;

TEST(SuiThemedControl, AControlStartsInTheStyleOfItsFormsFrameAndLoadsItsItems)
{
    QWidget form;
    controlprobe::TsuiForm frame(&form);
    frame.style = TsuiUIStyle::BlueGlass;
    QWidget panel(&form);
    ThemedWidget onPanel(&panel); // the owner is the form, not the panel it lies on
    EXPECT_EQ(onPanel.UIStyle(), TsuiUIStyle::BlueGlass);
    EXPECT_EQ(onPanel.reloads, 1);
    EXPECT_EQ(onPanel.minWidth, 270);
    EXPECT_TRUE(onPanel.transparent);
    EXPECT_EQ(onPanel.frame.size(), QSize(77, 27));

    ThemedWidget loose;
    EXPECT_EQ(loose.UIStyle(), TsuiUIStyle::DeepBlue);
    QWidget bare;
    ThemedWidget onBare(&bare);
    EXPECT_EQ(onBare.UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(onBare.minWidth, 130);
}

TEST(SuiThemedControl, StyleAndFileThemeAreSettableByName)
{
    ThemedWidget w;
    EXPECT_TRUE(w.setProperty("UIStyle", QStringLiteral("WinXP")));
    EXPECT_EQ(w.UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(w.borderColor, 0x686868u);
    EXPECT_TRUE(w.setProperty("UIStyle", QVariant::fromValue(TsuiUIStyle::Protein)));
    EXPECT_EQ(w.property("UIStyle").value<TsuiUIStyle>(), TsuiUIStyle::Protein);

    StubFileTheme theme;
    EXPECT_TRUE(w.setProperty("FileTheme", QVariant::fromValue<TsuiFileTheme*>(&theme)));
    EXPECT_EQ(w.property("FileTheme").value<TsuiFileTheme*>(), &theme);
    // A built-in style keeps drawing from its tables even with a theme assigned.
    EXPECT_FALSE(w.theme().usesFileTheme());
    EXPECT_EQ(w.minWidth, 130);
    EXPECT_TRUE(w.setProperty("UIStyle", QStringLiteral("FromThemeFile")));
    EXPECT_TRUE(w.theme().usesFileTheme());
    EXPECT_EQ(w.borderColor, 0x123456u);
    EXPECT_EQ(w.minWidth, 77);
    EXPECT_TRUE(w.transparent);
    EXPECT_EQ(w.frame.size(), QSize(3, 2));
}

TEST(SuiThemedControl, SettingAStyleAlwaysReloadsAndAnUnusableThemeFallsBackToDeepBlue)
{
    ThemedWidget w;
    const int before = w.reloads;
    w.SetUIStyle(TsuiUIStyle::DeepBlue);
    w.SetUIStyle(TsuiUIStyle::DeepBlue);
    EXPECT_EQ(w.reloads, before + 2);

    StubFileTheme theme;
    theme.usable = false;
    w.SetFileTheme(&theme);
    w.SetUIStyle(TsuiUIStyle::FromThemeFile);
    EXPECT_EQ(w.UIStyle(), TsuiUIStyle::FromThemeFile);
    EXPECT_EQ(w.theme().effectiveStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(w.minWidth, 130);
    // Loading the theme later takes effect when the style or theme is set again.
    theme.usable = true;
    EXPECT_EQ(w.minWidth, 130);
    w.SetFileTheme(&theme);
    EXPECT_EQ(w.minWidth, 77);
}

TEST(SuiThemedControl, RemovingTheReferencedThemeSwitchesToDeepBlueThroughTheWriter)
{
    ThemedWidget w;
    w.SetUIStyle(TsuiUIStyle::WinXP);
    auto used = std::make_unique<StubFileTheme>();
    auto other = std::make_unique<StubFileTheme>();
    w.SetFileTheme(used.get());
    ThemedWidget bystander;
    bystander.SetUIStyle(TsuiUIStyle::MacOS);

    other.reset(); // not referenced by anyone: nothing changes
    EXPECT_EQ(w.UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(w.FileTheme(), used.get());

    const int writes = w.writes;
    used.reset();
    EXPECT_EQ(w.FileTheme(), nullptr);
    EXPECT_EQ(w.UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(w.writes, writes + 1);
    EXPECT_EQ(w.borderColor, 0u);
    EXPECT_EQ(bystander.UIStyle(), TsuiUIStyle::MacOS);
}

TEST(SuiThemedControl, ReplacingOrOutlivingATheme)
{
    auto first = std::make_unique<StubFileTheme>();
    StubFileTheme second;
    ThemedWidget w;
    w.SetUIStyle(TsuiUIStyle::Protein);
    w.SetFileTheme(first.get());
    w.SetFileTheme(&second);
    first.reset(); // no longer referenced: the control keeps its style
    EXPECT_EQ(w.UIStyle(), TsuiUIStyle::Protein);
    EXPECT_EQ(w.FileTheme(), &second);

    // A control destroyed before its theme leaves nothing behind for the theme's removal.
    auto theme = std::make_unique<StubFileTheme>();
    {
        ThemedWidget gone;
        gone.SetFileTheme(theme.get());
    }
    theme.reset(); // must not reach the destroyed control (a crash under the sanitizers)
}

#include "SuiThemedControlTest.moc"

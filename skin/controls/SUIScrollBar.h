// A skinned scroll bar: two arrow image buttons and a scroll track whose thumb is assembled from
// the three pieces of ScrollBarSliderImage.
#pragma once

#include "framework/TControl.h"
#include "skin/controls/SuiProgressBarOrientation.h"
#include "skin/styles/SuiThemedControl.h"

#include <QImage>

class TsuiImageButton;
class TsuiScrollTrackBar;

class TsuiScrollBar : public TControlBase<QWidget> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(int LineButton READ LineButton WRITE SetLineButton)
    Q_PROPERTY(
        SuiBars::TsuiProgressBarOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(int SmallChange READ SmallChange WRITE SetSmallChange)
    Q_PROPERTY(int LargeChange READ LargeChange WRITE SetLargeChange)
    Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)
    Q_PROPERTY(FormMethod OnChange READ onChangeHandler WRITE setOnChangeHandler)
public:
    explicit TsuiScrollBar(QWidget* parent = nullptr);
    ~TsuiScrollBar() override;

    TsuiUIStyle UIStyle() const { return m_theme.uiStyle(); }
    void SetUIStyle(TsuiUIStyle style) { m_theme.setUIStyle(style); }
    TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { m_theme.setFileTheme(theme); }

    TsuiProgressBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TsuiProgressBarOrientation orientation);
    int LineButton() const { return m_lineButton; }
    void SetLineButton(int value);
    int SmallChange() const { return m_smallChange; }
    // The arrow buttons' step, 1 ... 32767 as the platform's scroll increment allows.
    void SetSmallChange(int value);

    int Max() const;
    void SetMax(int value);
    int Min() const;
    void SetMin(int value);
    int Position() const;
    void SetPosition(int value);
    int PageSize() const;
    void SetPageSize(int value);
    int LargeChange() const;
    void SetLargeChange(int value);

    FormMethod onChangeHandler() const;
    void setOnChangeHandler(const FormMethod& m);

    int GetLastChange() const;
    bool GetSliderVisible() const;
    void SetSliderVisible(bool visible);

    // The children, for the owner's handlers (OnChange lives on the track) and for tests.
    TsuiScrollTrackBar* Track() const { return m_track; }
    TsuiImageButton* IncrementButton() const { return m_increment; }
    TsuiImageButton* DecrementButton() const { return m_decrement; }

    QSize sizeHint() const override { return size(); }

protected:
    void resized() override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdatePictures();
    void UpdateSliderPic();
    void PlaceTrackBarAndButton();
    void step(int delta);

    TsuiScrollTrackBar* m_track = nullptr;
    TsuiImageButton* m_increment = nullptr;
    TsuiImageButton* m_decrement = nullptr;
    QImage m_thumbStart;
    QImage m_thumbMiddle;
    QImage m_thumbEnd;
    TsuiProgressBarOrientation m_orientation = suiHorizontal;
    int m_smallChange = 1;
    int m_lineButton = 0;
    bool m_placing = false;
    SuiThemedControl m_theme { this, [this] { styleReloaded(); } };
    void styleReloaded();
};

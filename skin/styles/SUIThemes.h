// Skin styles: the style enumeration, item kinds and the built-in theme lookups.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <cstdint>

class TsuiFileTheme;

namespace SuiThemes {
Q_NAMESPACE

// One-byte style: the built-in looks, or the control's file theme.
enum class TsuiUIStyle : uint8_t {
    FromThemeFile = 0,
    MacOS = 1,
    WinXP = 2,
    DeepBlue = 3, // the default and the fall-back everywhere
    Protein = 4,
    BlueGlass = 5,
};
Q_ENUM_NS(TsuiUIStyle)

// Kind of a theme item; Str items are images (a resource name built in, pixels in a theme file).
enum class TsuiType : uint8_t {
    Int = 0,
    Color = 1,
    Str = 2,
    Bool = 3,
};
Q_ENUM_NS(TsuiType)

} // namespace SuiThemes

using SuiThemes::TsuiType;
using SuiThemes::TsuiUIStyle;

// Built-in lookups. Item indexes are 1..42. A kind that does not fit the request, the style
// FromThemeFile, or an index outside 1..42 never fails: colour 0, integer -1, flag false,
// bitmap left as it was.
//
// With frameCount 0 the target receives the whole strip; otherwise frame `frameNumber`
// (1-based from the left) of `frameCount` equal frames. A null target is ignored. At `scale` 2
// the picture is the @2x one (device pixel ratio 2, the same logical size and frames).
void GetInsideThemeBitmap(TsuiUIStyle style, int index, QImage* target, int frameCount = 0,
    int frameNumber = 0, int scale = 1);
uint32_t GetInsideThemeColor(TsuiUIStyle style, int index); // 0x00BBGGRR
int32_t GetInsideThemeInt(TsuiUIStyle style, int index);
bool GetInsideThemeBool(TsuiUIStyle style, int index);

// A form: a top-level widget, or the widget an MDI sub-window shows (an MDI child form).
bool IsSUIForm(const QObject* object);

// The window a form's caption buttons act on: the MDI sub-window around an MDI child form, the
// form itself otherwise.
QWidget* SUIFormWindow(QWidget* form);

// Whether the object is a TsuiForm (by class name, in any namespace, anywhere in its class chain).
bool IsTsuiForm(const QObject* object);

// The style a new themed control takes: that of the first TsuiForm among the direct child
// widgets of `owner` when it is a form (a top-level widget), DeepBlue otherwise.
TsuiUIStyle GetSUIFormStyle(QObject* owner);

// Whether a control takes its items from `fileTheme`. `effective` receives the style to use
// otherwise: `style` itself, or DeepBlue when FromThemeFile has no usable theme.
bool UsingFileTheme(TsuiFileTheme* fileTheme, TsuiUIStyle style, TsuiUIStyle& effective);

// A bitmap resource of the skin by name ("MENU_CHECKED"); a null image when there is none.
// Decoded images are cached, and QImage shares them, so repeated lookups are cheap. At `scale`
// 2 it is the picture drawn at twice the size, with device pixel ratio 2, so its logical size
// and every pixel rule stay those of the 1x picture; a picture without such a twin comes at 1x.
QImage GetSkinResource(const QString& name, int scale = 1);

// The scale skin pictures are taken at for a device pixel ratio: the @2x pictures from a ratio
// of 2 on (Qt scales them further above 2), the 1x ones below; a ratio of 1.5 shows the 1x
// pictures scaled as before.
int SkinPictureScale(qreal devicePixelRatio);
// For a widget, its own ratio (that of the screen its window is on); for anything else the
// application's highest.
int SkinPictureScale(const QObject* control);

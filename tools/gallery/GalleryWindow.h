// One gallery window: a skinned frame in one style with a themed menu, a title bar with help and
// custom buttons, and one labelled place per control family for the control issues to fill.
#pragma once

#include "framework/TForm.h"
#include "skin/styles/SUIThemes.h"

#include <QStringList>
#include <memory>

class TsuiForm;

struct GalleryWindow {
    std::unique_ptr<TForm> form;
    TsuiForm* frame = nullptr;
};

// The styles the gallery shows, in order, with the names their screenshots carry.
const QList<TsuiUIStyle>& GalleryStyles();
QString GalleryStyleName(TsuiUIStyle style);

// The places of the control families, left to right and top to bottom.
const QStringList& GallerySections();

GalleryWindow CreateGalleryWindow(TsuiUIStyle style);
// The same window on a theme file: a TsuiFileTheme of the window loads it and every themed
// component takes it. OrlendaException when the file is invalid or cannot be loaded.
GalleryWindow CreateThemeGalleryWindow(const QString& themeFile);
// What a theme's window and screenshot are called: the file's base name ("Copper").
QString GalleryThemeName(const QString& themeFile);

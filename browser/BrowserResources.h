// The browser's pictures and form descriptions live in a static library's resources, which
// must be registered once before the first lookup.
#pragma once

#include <QIcon>
#include <QImage>

void initBrowserResources();

// Resources never change while the program runs, so each picture is decoded once per process:
// the application and every main window share the icon, every main window the banner.
QIcon programIcon();
QImage bannerPicture();

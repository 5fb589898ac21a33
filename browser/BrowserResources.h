// The browser's pictures and form descriptions live in a static library's resources, which
// must be registered once before the first lookup.
#pragma once

void initBrowserResources();

// The catalogue's own exception: Qt-free, so the catalogue stays a plain C++ library, and known to
// the application's handler, which shows its message.
#pragma once

#include <stdexcept>
#include <string>

class CatalogueError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

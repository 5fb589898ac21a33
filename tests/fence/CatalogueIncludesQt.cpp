// Must not compile: the catalogue is plain C++ and links no Qt.
#include <QString>

// orlenda_catwriter SOURCE OUTPUT: turns the catalogue's text source into the data file.
#include "catalogue/CatalogueSource.h"
#include "catalogue/OrlendaWriter.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE OUTPUT\n", argc > 0 ? argv[0] : "orlenda_catwriter");
        return 2;
    }
    CatalogueSource source;
    if (!source.load(argv[1])) {
        std::fprintf(stderr, "%s\n", source.error().c_str());
        return 1;
    }
    if (source.items().empty()) {
        std::fprintf(stderr, "%s: holds no values\n", argv[1]);
        return 1;
    }
    OrlendaWriter writer;
    for (const tagSysValItem& item : source.items()) {
        // The parser already applies the writer's checks; this only guards against drift.
        if (!writer.AddItem(item)) {
            std::fprintf(stderr, "%s: %s: %s\n", argv[1], item.szName, writer.error().c_str());
            return 1;
        }
    }
    if (!writer.Save(argv[2])) {
        std::fprintf(stderr, "%s\n", writer.error().c_str());
        return 1;
    }
    return 0;
}

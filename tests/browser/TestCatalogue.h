// Small catalogues built in memory for the browser tests.
#pragma once

#include "catalogue/OrlendaData.h"

#include <cstring>
#include <memory>
#include <string>

struct TestValue {
    const char* name;
    int category;
    int valueType = 1;
    const char* length = "1";
    std::string description = {};
    std::string detail = {};
};

inline std::unique_ptr<OrlendaData> makeCatalogue(std::initializer_list<TestValue> values)
{
    // A file that does not exist loads nothing, which leaves an empty catalogue to fill.
    auto data = std::make_unique<OrlendaData>("/nonexistent/orlenda-test.dat");
    for (const TestValue& value : values) {
        tagSysValItem item;
        std::strncpy(item.szName, value.name, sizeof item.szName - 1);
        item.nCategory = value.category;
        item.nValueType = value.valueType;
        std::strncpy(item.szLength, value.length, sizeof item.szLength - 1);
        item.strDescription = value.description;
        item.strDetail = value.detail;
        data->AddItem(&item);
    }
    return data;
}

// The catalogue: the system value records of one data file, in file order.
#pragma once

#include "catalogue/tagSysValItem.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class OrlendaData {
public:
    // Every string of the data file once had to fit a read buffer of this size with its NUL, so a
    // string holds at most kReadBufferSize - 1 bytes; a longer one is a broken record.
    static constexpr std::size_t kReadBufferSize = 40960;
    static constexpr const char* kDefaultFileName = "orlenda.dat";
    // The window the file is read through; it holds the longest string whole.
    static constexpr std::size_t kWindowSize = 64 * 1024;

    explicit OrlendaData(const char* fileName = nullptr);
    virtual ~OrlendaData();
    OrlendaData(const OrlendaData&) = delete;
    OrlendaData& operator=(const OrlendaData&) = delete;

    bool Load(const char* fileName);
    int GetCount() const;
    // Throws CatalogueError for an index outside 0..GetCount()-1.
    tagSysValItem* GetItem(int index) const;
    void Clear();
    bool AddItem(const tagSysValItem* item);

    const std::string& fileName() const { return m_fileName; }

private:
    bool appendRead(std::unique_ptr<tagSysValItem> item);

    std::vector<std::unique_ptr<tagSysValItem>> m_items;
    std::string m_fileName;
};

// The catalogue: the system value records of one data file, in file order.
#pragma once

#include "catalogue/tagSysValItem.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class OrlendaData {
public:
    // Every string of the data file passes through this shared buffer, so it holds at most
    // kReadBufferSize - 1 bytes.
    static constexpr std::size_t kReadBufferSize = 40960;
    static constexpr const char* kDefaultFileName = "orlenda.dat";
    static constexpr std::size_t kStreamBufferSize = 256 * 1024;

    explicit OrlendaData(const char* fileName = nullptr);
    virtual ~OrlendaData();
    OrlendaData(const OrlendaData&) = delete;
    OrlendaData& operator=(const OrlendaData&) = delete;

    bool Load(const char* fileName);
    int GetCount() const;
    // Throws std::out_of_range for an index outside 0..GetCount()-1.
    tagSysValItem* GetItem(int index) const;
    void Clear();
    bool AddItem(const tagSysValItem* item);

    const std::string& fileName() const { return m_fileName; }

private:
    static bool ReadItem(std::FILE* file, tagSysValItem* item);
    // The text of one string: its bytes up to the first NUL, valid until the next read.
    struct Text {
        const char* bytes = nullptr;
        std::size_t length = 0;
    };
    // Reads one string; a string longer than buffer can hold fails.
    static bool ReadString(std::FILE* file, char* buffer, Text* text);
    bool appendRead(std::unique_ptr<tagSysValItem> item);

    std::vector<std::unique_ptr<tagSysValItem>> m_items;
    std::string m_fileName;
};

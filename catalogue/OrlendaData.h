// The catalogue: the system value records of one data file, in file order.
#pragma once

#include "catalogue/tagSysValItem.h"

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class OrlendaData {
public:
    // Every string of the data file once had to fit a read buffer of this size with its NUL, so a
    // string holds at most kReadBufferSize - 1 bytes; a longer one is a broken record.
    static constexpr std::size_t kReadBufferSize = 40960;
    static constexpr const char* kDefaultFileName = "orlenda.dat";

    explicit OrlendaData(const char* fileName = nullptr);
    virtual ~OrlendaData();
    OrlendaData(const OrlendaData&) = delete;
    OrlendaData& operator=(const OrlendaData&) = delete;

    bool Load(const char* fileName);
    int GetCount() const;
    // Throws CatalogueError for an index outside 0..GetCount()-1.
    tagSysValItem* GetItem(int index) const;
    // Deletes every record with its texts. Their storage, and the buffer the last file was read
    // into, stay for the next Load to fill again (the buffer only if no copied text still shares
    // it); Load drops what it does not use, the destructor frees everything.
    void Clear();
    bool AddItem(const tagSysValItem* item);

    const std::string& fileName() const { return m_fileName; }

private:
    // Records live in blocks: one allocation per block rather than per record, and a record never
    // moves once it is in the list, so pointers to it stay valid while the list grows.
    static constexpr std::size_t kBlockRecords = 128;
    // The slot the next record is read or copied into; it joins the list with commitSlot().
    // Null when the list is full (GetCount speaks int); throws std::bad_alloc.
    tagSysValItem* nextSlot();
    void commitSlot() { ++m_count; }
    // Empties a slot whose record did not join the list, freeing its strings.
    void dropSlot();
    // Fills the list from an open file; true when every record the file counts was read.
    // Throws std::bad_alloc.
    bool readRecords(std::FILE* file);
    // Makes m_file a buffer of size bytes that no text shares.
    void useBuffer(std::size_t size);
    // Reads a file that cannot tell its size into m_file; returns the number of bytes read.
    std::size_t readWhole(std::FILE* file);

    std::vector<std::unique_ptr<tagSysValItem[]>> m_blocks;
    std::size_t m_count = 0;
    std::string m_fileName;
    // The bytes of the last file read, one reference held here; record texts are slices of it.
    CatalogueText::Bytes* m_file = nullptr;
};

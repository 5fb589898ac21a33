// A text field of a catalogue record: a byte string with value semantics whose bytes are shared,
// read-only, by every copy. A loaded catalogue hands its records slices of the one buffer the file
// was read into, so loading copies no text; assigning new text gives the field bytes of its own.
// Copies share and never change each other: no member writes to the bytes.
#pragma once

#include <atomic>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

class CatalogueText {
public:
    // Reference-counted bytes that texts point into; the count is atomic so texts may be copied
    // and dropped on any thread.
    class Bytes;

    CatalogueText() = default;
    CatalogueText(std::string_view text);
    CatalogueText(const std::string& text)
        : CatalogueText(std::string_view(text))
    {
    }
    CatalogueText(const char* text)
        : CatalogueText(std::string_view(text))
    {
    }
    CatalogueText(const CatalogueText& other) noexcept;
    CatalogueText(CatalogueText&& other) noexcept;
    // By value: a copy shares the other's bytes, a move takes them; the old bytes go with it.
    CatalogueText& operator=(CatalogueText other) noexcept;
    ~CatalogueText();

    const char* data() const { return m_size ? m_data : ""; }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    std::string_view view() const { return { data(), m_size }; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }

    friend bool operator==(const CatalogueText& a, const CatalogueText& b)
    {
        return a.view() == b.view();
    }
    friend bool operator==(const CatalogueText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const CatalogueText& a, const std::string& b) { return a.view() == b; }
    friend bool operator==(const CatalogueText& a, const char* b) { return a.view() == b; }
    friend std::string operator+(std::string left, const CatalogueText& right)
    {
        return left.append(right.view());
    }

    // Makes the text a slice of bytes that already hold a reference on the slice's behalf, which
    // the text takes over. Used by the reader, which counts its slices' references in one step.
    void adopt(Bytes* bytes, const char* data, std::size_t size) noexcept;

private:
    Bytes* m_bytes = nullptr;
    const char* m_data = nullptr;
    std::size_t m_size = 0;
};

std::ostream& operator<<(std::ostream& out, const CatalogueText& text);

class CatalogueText::Bytes {
public:
    // One allocation holding the count and size bytes, with one reference for the caller.
    // Throws std::bad_alloc.
    static Bytes* create(std::size_t size);
    void retain(std::size_t references = 1) noexcept;
    // Frees the bytes with the last reference.
    void release() noexcept;
    // True while the caller's reference is the only one, so the bytes may be written again.
    bool unshared() const noexcept;

    char* data() noexcept { return reinterpret_cast<char*>(this + 1); }
    std::size_t size() const noexcept { return m_size; }

private:
    explicit Bytes(std::size_t size) noexcept;
    ~Bytes() = default;

    std::atomic<std::size_t> m_references;
    std::size_t m_size;
};

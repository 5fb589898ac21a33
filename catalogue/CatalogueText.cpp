#include "catalogue/CatalogueText.h"

#include <cstring>
#include <new>
#include <ostream>
#include <utility>

CatalogueText::Bytes::Bytes(std::size_t size) noexcept
    : m_references(1)
    , m_size(size)
{
}

CatalogueText::Bytes* CatalogueText::Bytes::create(std::size_t size)
{
    // The bytes follow the header in the same allocation.
    void* memory = ::operator new(sizeof(Bytes) + size);
    return new (memory) Bytes(size);
}

void CatalogueText::Bytes::retain(std::size_t references) noexcept
{
    m_references.fetch_add(references, std::memory_order_relaxed);
}

void CatalogueText::Bytes::release() noexcept
{
    if (m_references.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        this->~Bytes();
        ::operator delete(static_cast<void*>(this));
    }
}

bool CatalogueText::Bytes::unshared() const noexcept
{
    return m_references.load(std::memory_order_acquire) == 1;
}

CatalogueText::CatalogueText(std::string_view text)
{
    if (text.empty())
        return;
    m_bytes = Bytes::create(text.size());
    std::memcpy(m_bytes->data(), text.data(), text.size());
    m_data = m_bytes->data();
    m_size = text.size();
}

CatalogueText::CatalogueText(const CatalogueText& other) noexcept
    : m_bytes(other.m_bytes)
    , m_data(other.m_data)
    , m_size(other.m_size)
{
    if (m_bytes)
        m_bytes->retain();
}

CatalogueText::CatalogueText(CatalogueText&& other) noexcept
    : m_bytes(std::exchange(other.m_bytes, nullptr))
    , m_data(std::exchange(other.m_data, nullptr))
    , m_size(std::exchange(other.m_size, 0))
{
}

CatalogueText& CatalogueText::operator=(CatalogueText other) noexcept
{
    std::swap(m_bytes, other.m_bytes);
    std::swap(m_data, other.m_data);
    std::swap(m_size, other.m_size);
    return *this;
}

CatalogueText::~CatalogueText()
{
    if (m_bytes)
        m_bytes->release();
}

void CatalogueText::adopt(Bytes* bytes, const char* data, std::size_t size) noexcept
{
    if (m_bytes)
        m_bytes->release();
    m_bytes = bytes;
    m_data = data;
    m_size = size;
}

std::ostream& operator<<(std::ostream& out, const CatalogueText& text)
{
    return out << text.view();
}

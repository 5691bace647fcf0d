#pragma once

#include <algorithm>
#include <string>

// The drawing SDK's string: 16-bit code units, a plain value. Case-insensitive
// comparison folds ASCII only, which is what command and keyword names use.
class OdString
{
public:
    OdString() = default;
    OdString(const char16_t* psz) : m_str(psz ? psz : u"") {}
    OdString(std::u16string str) : m_str(std::move(str)) {}
    // ASCII text (command and group names); other bytes are taken as Latin-1.
    OdString(const char* psz)
    {
        for (; psz && *psz; ++psz)
            m_str.push_back(char16_t(static_cast<unsigned char>(*psz)));
    }

    const char16_t* c_str() const { return m_str.c_str(); }
    const std::u16string& str() const { return m_str; }
    int getLength() const { return static_cast<int>(m_str.size()); }
    bool isEmpty() const { return m_str.empty(); }

    int compare(const OdString& other) const { return m_str.compare(other.m_str); }
    int iCompare(const OdString& other) const
    {
        const std::size_t n = std::min(m_str.size(), other.m_str.size());
        for (std::size_t i = 0; i < n; ++i)
        {
            const char16_t a = fold(m_str[i]);
            const char16_t b = fold(other.m_str[i]);
            if (a != b)
                return a < b ? -1 : 1;
        }
        if (m_str.size() == other.m_str.size())
            return 0;
        return m_str.size() < other.m_str.size() ? -1 : 1;
    }

    OdString operator+(const OdString& other) const { return OdString(m_str + other.m_str); }
    friend bool operator==(const OdString& a, const OdString& b) { return a.m_str == b.m_str; }
    friend bool operator!=(const OdString& a, const OdString& b) { return a.m_str != b.m_str; }
    friend bool operator<(const OdString& a, const OdString& b) { return a.m_str < b.m_str; }

    static const OdString kEmpty;

private:
    static char16_t fold(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c; }

    std::u16string m_str;
};

inline const OdString OdString::kEmpty;

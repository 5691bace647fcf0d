#pragma once

#include "OdString.h"

#include <QString>

#include <string>

// The host framework's string: a QString that also speaks OdString. The
// comparisons overloaded against QString keep `ctw == qstring` unambiguous.
class CTwString
{
public:
    CTwString() = default;
    CTwString(const QString& str) : m_str(str) {}
    CTwString(const OdString& str) : m_str(QString::fromUtf16(str.c_str(), str.getLength())) {}
    CTwString(const char16_t* psz) : m_str(QString::fromUtf16(psz)) {}
    CTwString(const char* pszUtf8) : m_str(QString::fromUtf8(pszUtf8)) {}

    // Narrow text in the local 8-bit encoding.
    static CTwString from_ansi_str(const std::string& str)
    {
        return CTwString(QString::fromLocal8Bit(str.data(), qsizetype(str.size())));
    }

    operator QString() const { return m_str; }
    operator OdString() const { return toOdString(); }
    const QString& toQString() const { return m_str; }
    OdString toOdString() const { return OdString(m_str.toStdU16String()); }
    std::string to_ansi_str() const { return m_str.toLocal8Bit().toStdString(); }

    bool isEmpty() const { return m_str.isEmpty(); }
    int length() const { return int(m_str.size()); }

    // 0 when equal ignoring case, else the sign of the ordering.
    int compareNoCase(const CTwString& other) const
    {
        const int c = QString::compare(m_str, other.m_str, Qt::CaseInsensitive);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    bool equalNoCase(const CTwString& other) const { return compareNoCase(other) == 0; }

    CTwString& operator+=(const CTwString& other)
    {
        m_str += other.m_str;
        return *this;
    }
    friend CTwString operator+(const CTwString& a, const CTwString& b)
    {
        return CTwString(a.m_str + b.m_str);
    }
    friend CTwString operator+(const CTwString& a, const QString& b)
    {
        return CTwString(a.m_str + b);
    }
    friend CTwString operator+(const QString& a, const CTwString& b)
    {
        return CTwString(a + b.m_str);
    }
    friend CTwString operator+(const CTwString& a, const char16_t* b) { return a + CTwString(b); }

    friend bool operator==(const CTwString& a, const CTwString& b) { return a.m_str == b.m_str; }
    friend bool operator!=(const CTwString& a, const CTwString& b) { return a.m_str != b.m_str; }
    friend bool operator==(const CTwString& a, const QString& b) { return a.m_str == b; }
    friend bool operator==(const QString& a, const CTwString& b) { return a == b.m_str; }
    friend bool operator!=(const CTwString& a, const QString& b) { return a.m_str != b; }
    friend bool operator!=(const QString& a, const CTwString& b) { return a != b.m_str; }
    friend bool operator==(const CTwString& a, const char16_t* b) { return a == CTwString(b); }
    friend bool operator==(const CTwString& a, const char* b) { return a == CTwString(b); }
    friend bool operator!=(const CTwString& a, const char* b) { return !(a == b); }
    friend bool operator<(const CTwString& a, const CTwString& b) { return a.m_str < b.m_str; }

private:
    QString m_str;
};

#include "HostUserIO.h"

#include "UserInput.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

void HostUserIO::SetKeywords(int iFlags, const CTwKeywordArray& keywords)
{
    m_keywords = keywords;
    m_keywordFlags = iFlags;
}

CTwKeywordArray HostUserIO::takeKeywords(int& iFlags)
{
    CTwKeywordArray keywords = m_keywords;
    iFlags |= m_keywordFlags;
    m_keywords = CTwKeywordArray();
    m_keywordFlags = 0;
    return keywords;
}

CTwString HostUserIO::ComposePrompt(const CTwString& strPrompt,
                                    const CTwKeywordArray& keywords) const
{
    QString prompt = QString(strPrompt).trimmed();
    while (prompt.endsWith(QLatin1Char(':')))
        prompt.chop(1);
    if (!keywords.isEmpty())
    {
        QStringList names;
        for (const CTwKeyword& keyword : keywords)
            names.append(keyword.localName);
        prompt += QStringLiteral(" [%1]").arg(names.join(QLatin1Char('/')));
    }
    return prompt + QLatin1Char(':');
}

HostUserIO::Match HostUserIO::matchKeyword(const QString& strAnswer,
                                           const CTwKeywordArray& keywords, CTwString& strGlobal)
{
    const QString answer = strAnswer.trimmed();
    if (answer.isEmpty())
        return Match::Unknown;
    for (const CTwKeyword& keyword : keywords)
    {
        if (keyword.localName.equalNoCase(answer) || keyword.globalName.equalNoCase(answer))
        {
            strGlobal = keyword.globalName;
            return Match::Found;
        }
    }
    int found = 0;
    for (const CTwKeyword& keyword : keywords)
    {
        if (QString(keyword.localName).startsWith(answer, Qt::CaseInsensitive))
        {
            strGlobal = keyword.globalName;
            ++found;
        }
    }
    if (found == 1)
        return Match::Found;
    return found > 1 ? Match::Ambiguous : Match::Unknown;
}

bool HostUserIO::keywordAnswer(const QString& strLine, const CTwKeywordArray& keywords,
                               int& iStatus)
{
    CTwString global;
    switch (matchKeyword(strLine, keywords, global))
    {
    case Match::Found:
        m_lastKeyword = global;
        iStatus = kTwKeyword;
        return true;
    case Match::Ambiguous:
        m_input.reject(tr("Ambiguous keyword \"%1\".").arg(strLine.trimmed()));
        iStatus = 0;
        return true;
    case Match::Unknown:
        break;
    }
    return false;
}

int HostUserIO::GetKeyword(const CTwString& strPrompt, const CTwKeywordArray& keywords,
                           CTwString& strAnswer, int iFlags, int iDefault)
{
    takeKeywords(iFlags);
    for (;;)
    {
        QString line;
        if (!m_input.readLine(strPrompt, line))
            return kTwCancel;
        if (line.trimmed().isEmpty())
        {
            if (iDefault > 0 && iDefault <= keywords.size())
            {
                strAnswer = keywords.at(iDefault - 1).globalName;
                return kTwNormal;
            }
            if (iFlags & kTwAllowEmpty)
                return kTwNone;
            m_input.reject(tr("Requires one of the keywords."));
            continue;
        }
        CTwString global;
        switch (matchKeyword(line, keywords, global))
        {
        case Match::Found:
            strAnswer = global;
            return kTwNormal;
        case Match::Ambiguous:
            m_input.reject(tr("Ambiguous keyword \"%1\".").arg(line.trimmed()));
            break;
        case Match::Unknown:
            m_input.reject(tr("Invalid keyword \"%1\".").arg(line.trimmed()));
            break;
        }
    }
}

bool HostUserIO::parsePoint(const QString& strText, QPointF& point)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?)\\s*,\\s*"
                       "([-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?)\\s*$"));
    const QRegularExpressionMatch match = pattern.match(strText);
    if (!match.hasMatch())
        return false;
    bool okX = false;
    bool okY = false;
    const double x = match.captured(1).toDouble(&okX);
    const double y = match.captured(2).toDouble(&okY);
    if (!okX || !okY || !std::isfinite(x) || !std::isfinite(y))
        return false;
    point = QPointF(x, y);
    return true;
}

int HostUserIO::GetPoint(const CTwString& strPrompt, QPointF& point, int iFlags)
{
    const CTwKeywordArray keywords = takeKeywords(iFlags);
    for (;;)
    {
        QString line;
        if (!m_input.readLine(strPrompt, line, true))
            return kTwCancel;
        if (line.trimmed().isEmpty())
        {
            if (iFlags & kTwAllowEmpty)
                return kTwNone;
            m_input.reject(tr("Requires a point, typed as x,y."));
            continue;
        }
        if (parsePoint(line, point))
        {
            emit m_input.pointAccepted(point);
            return kTwNormal;
        }
        int status = 0;
        if (keywordAnswer(line, keywords, status))
        {
            if (status == kTwKeyword)
                return status;
            continue;
        }
        m_input.reject(tr("Invalid point \"%1\": type it as x,y.").arg(line.trimmed()));
    }
}

int HostUserIO::GetInteger(const CTwString& strPrompt, int& iValue, int iFlags)
{
    const CTwKeywordArray keywords = takeKeywords(iFlags);
    for (;;)
    {
        QString line;
        if (!m_input.readLine(strPrompt, line))
            return kTwCancel;
        const QString text = line.trimmed();
        if (text.isEmpty())
        {
            if (iFlags & kTwAllowEmpty)
                return kTwNone;
            m_input.reject(tr("Requires an integer."));
            continue;
        }
        bool ok = false;
        const int value = text.toInt(&ok);
        if (ok)
        {
            iValue = value;
            return kTwNormal;
        }
        int status = 0;
        if (keywordAnswer(line, keywords, status))
        {
            if (status == kTwKeyword)
                return status;
            continue;
        }
        m_input.reject(tr("Invalid integer \"%1\".").arg(text));
    }
}

int HostUserIO::GetString(const CTwString& strPrompt, CTwString& strValue)
{
    int iFlags = 0;
    takeKeywords(iFlags);
    QString line;
    if (!m_input.readLine(strPrompt, line))
        return kTwCancel;
    strValue = line;
    return kTwNormal;
}

void HostUserIO::PutMessage(const CTwString& strMessage)
{
    m_input.message(strMessage);
}

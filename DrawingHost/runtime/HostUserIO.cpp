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

QString HostUserIO::shortcutOf(const QString& strKeyword)
{
    qsizetype start = 0;
    while (start < strKeyword.size() && !strKeyword.at(start).isUpper())
        ++start;
    qsizetype end = start;
    while (end < strKeyword.size() && strKeyword.at(end).isUpper())
        ++end;
    return strKeyword.mid(start, end - start);
}

HostUserIO::Match HostUserIO::matchKeyword(const QString& strAnswer,
                                           const CTwKeywordArray& keywords, CTwString& strGlobal)
{
    const QString answer = strAnswer.trimmed();
    if (answer.isEmpty())
        return Match::Unknown;
    int shortcuts = 0;
    for (const CTwKeyword& keyword : keywords)
    {
        if (keyword.localName.equalNoCase(answer) || keyword.globalName.equalNoCase(answer))
        {
            strGlobal = keyword.globalName;
            return Match::Found;
        }
        const QString shortcut = shortcutOf(keyword.localName);
        if (!shortcut.isEmpty() && shortcut.compare(answer, Qt::CaseInsensitive) == 0)
        {
            strGlobal = keyword.globalName;
            ++shortcuts;
        }
    }
    if (shortcuts > 0)
        return shortcuts == 1 ? Match::Found : Match::Ambiguous;
    // A prefix of the local keyword answers it once it takes in the whole
    // shortcut ("SP" or "Spi" for "SPitz", never "S" beside "STumpf").
    int found = 0;
    int prefixes = 0;
    for (const CTwKeyword& keyword : keywords)
    {
        const QString local = keyword.localName;
        if (!local.startsWith(answer, Qt::CaseInsensitive))
            continue;
        ++prefixes;
        const QString shortcut = shortcutOf(local);
        if (answer.size() >= local.indexOf(shortcut) + shortcut.size())
        {
            strGlobal = keyword.globalName;
            ++found;
        }
    }
    if (found == 1)
        return Match::Found;
    return found > 1 || prefixes > 1 ? Match::Ambiguous : Match::Unknown;
}

int HostUserIO::ask(const Prompt& prompt)
{
    for (;;)
    {
        QString line;
        if (!m_input.readLine(prompt.text, line, prompt.answer))
            return kTwCancel;
        const QString text = line.trimmed();
        if (text.isEmpty() && prompt.answer != UserInput::Answer::Text)
        {
            if (prompt.onEmpty)
                return prompt.onEmpty();
            if (prompt.iFlags & kTwAllowEmpty)
                return kTwNone;
            m_input.reject(prompt.emptyRefusal);
            continue;
        }
        if (prompt.accept(line))
            return kTwNormal;
        CTwString global;
        switch (matchKeyword(text, prompt.keywords, global))
        {
        case Match::Found:
            m_lastKeyword = global;
            return prompt.keywordStatus;
        case Match::Ambiguous:
            m_input.reject(tr("Ambiguous keyword \"%1\".").arg(text));
            continue;
        case Match::Unknown:
            break;
        }
        m_input.reject(prompt.invalid(text));
    }
}

int HostUserIO::GetKeyword(const CTwString& strPrompt, const CTwKeywordArray& keywords,
                           CTwString& strAnswer, int iFlags, int iDefault)
{
    takeKeywords(iFlags);
    Prompt prompt(strPrompt, UserInput::Answer::Word, iFlags, keywords);
    prompt.keywordStatus = kTwNormal;
    prompt.emptyRefusal = tr("Requires one of the keywords.");
    if (iDefault > 0 && iDefault <= keywords.size())
    {
        prompt.onEmpty = [&]
        {
            m_lastKeyword = keywords.at(iDefault - 1).globalName;
            return kTwNormal;
        };
    }
    prompt.accept = [](const QString&) { return false; };
    prompt.invalid = [](const QString& strText)
    { return tr("Invalid keyword \"%1\".").arg(strText); };
    const int status = ask(prompt);
    if (status == kTwNormal)
        strAnswer = m_lastKeyword;
    return status;
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
    Prompt prompt(strPrompt, UserInput::Answer::Point, iFlags, keywords);
    prompt.emptyRefusal = tr("Requires a point, typed as x,y.");
    prompt.accept = [&](const QString& strLine)
    {
        if (!parsePoint(strLine, point))
            return false;
        emit m_input.pointAccepted(point);
        return true;
    };
    prompt.invalid = [](const QString& strText)
    { return tr("Invalid point \"%1\": type it as x,y.").arg(strText); };
    return ask(prompt);
}

int HostUserIO::GetInteger(const CTwString& strPrompt, int& iValue, int iFlags)
{
    const CTwKeywordArray keywords = takeKeywords(iFlags);
    Prompt prompt(strPrompt, UserInput::Answer::Word, iFlags, keywords);
    prompt.emptyRefusal = tr("Requires an integer.");
    prompt.accept = [&](const QString& strLine)
    {
        bool ok = false;
        const int value = strLine.trimmed().toInt(&ok);
        if (ok)
            iValue = value;
        return ok;
    };
    prompt.invalid = [](const QString& strText)
    { return tr("Invalid integer \"%1\".").arg(strText); };
    return ask(prompt);
}

int HostUserIO::GetString(const CTwString& strPrompt, CTwString& strValue)
{
    int iFlags = 0;
    takeKeywords(iFlags);
    Prompt prompt(strPrompt, UserInput::Answer::Text, iFlags, CTwKeywordArray());
    prompt.accept = [&](const QString& strLine)
    {
        strValue = strLine;
        return true;
    };
    return ask(prompt);
}

void HostUserIO::PutMessage(const CTwString& strMessage)
{
    m_input.message(strMessage);
}

void HostUserIO::refuse(const QString& strMessage)
{
    m_input.reject(strMessage);
}

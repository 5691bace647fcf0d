#include "InputLine.h"

#include <algorithm>

bool InputLine::isOperator(QChar c)
{
    return c == u'+' || c == u'-' || c == u'*' || c == u'/' || c == u'^';
}

InputLine::Text InputLine::insert(const Text& line, const QString& text, InsertKind kind,
                                  bool bBracketButton)
{
    if (text.isEmpty())
        return line;
    if (m_resultShown && kind == InsertKind::Operator)
        m_chained = true;
    QString result = line.text;
    int pos = std::clamp(line.cursor, 0, int(result.size()));
    const int len = int(result.size());

    // Between two operands the cursor is not at a boundary: after an operator
    // or ")" (or at the start), and before an operator, "(" or the end.
    auto atBoundary = [&]
    {
        if (pos != len && !isOperator(result.at(pos)) && result.at(pos) != u'(')
            return false;
        return pos == 0 || isOperator(result.at(pos - 1)) || result.at(pos - 1) == u')';
    };

    if (kind == InsertKind::Function && !atBoundary())
    {
        // The function wraps the whole line (or the shown result, as "ans").
        QString wrapped = text;
        wrapped.insert(wrapped.size() - 1, m_resultShown ? QStringLiteral("ans") : result);
        m_resultShown = false;
        // A two-argument function takes the line as its second argument.
        const bool bSecond = text.size() >= 2 && text.at(text.size() - 2) == u',';
        return {wrapped, bSecond ? int(text.size()) - 2 : int(wrapped.size())};
    }
    if ((m_resultShown && kind != InsertKind::Operator) ||
        (kind == InsertKind::Number && !atBoundary()))
    {
        result.clear();
        pos = 0;
    }

    result.insert(pos, text);
    m_resultShown = false;
    int cursor = pos + int(text.size());
    if (text.endsWith(u')') && !bBracketButton)
        --cursor;
    if (text.size() > 1 && text.at(text.size() - 2) == u',')
        --cursor;
    return {result, cursor};
}

InputLine::KeyAction InputLine::key(const Key& key)
{
    switch (key.key)
    {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_CapsLock:
        return KeyAction::Consume;
    // "=" is never part of an expression: typed, it calculates as its button does.
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Equal:
        return KeyAction::Calculate;
    case Qt::Key_Escape:
        return KeyAction::Clear;
    // The keyboard moving on to another control leaves the result as it is.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return KeyAction::PassOn;
    default:
        break;
    }
    if (!m_resultShown)
        return KeyAction::PassOn;
    m_resultShown = false;
    // An operator continues with the result; any other key starts anew.
    switch (key.key)
    {
    case Qt::Key_Asterisk:
    case Qt::Key_Plus:
    case Qt::Key_Minus:
    case Qt::Key_Slash:
    case Qt::Key_Dead_Circumflex:
        m_chained = true;
        return KeyAction::PassOn;
    default:
        return KeyAction::ClearFirst;
    }
}

void InputLine::showResult(const QString& strShown, const QString& strFullValue)
{
    m_resultShown = true;
    m_shown = strShown;
    m_full = strFullValue;
    m_lineText = strShown;
    m_chained = false;
}

void InputLine::textChanged(const QString& strLine)
{
    // An edit inside the leading result ends the chain.
    if (m_chained)
    {
        const auto mismatch =
            std::mismatch(m_lineText.begin(), m_lineText.end(), strLine.begin(), strLine.end());
        if (mismatch.first - m_lineText.begin() < m_shown.size())
            m_chained = false;
    }
    m_lineText = strLine;
}

void InputLine::replaced()
{
    m_resultShown = false;
    m_chained = false;
}

InputLine::Calculation InputLine::calculation(const QString& strLine, const QString& strAns) const
{
    Calculation calc{strLine, QString(strLine).remove(u' '), false, m_full};
    const qsizetype shown = m_shown.size();
    if (!m_chained || strLine.size() <= shown || !strLine.startsWith(m_shown))
        return calc;
    // `ans` must still hold the value this result was shown from.
    if (!isOperator(strLine.at(shown)) || strAns != m_full)
        return calc;
    calc.expression = QStringLiteral("ans") + strLine.mid(shown);
    calc.chained = true;
    return calc;
}

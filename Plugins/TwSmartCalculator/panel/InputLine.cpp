#include "InputLine.h"

#include <TMyTinyExpr.h>

#include <algorithm>
#include <charconv>
#include <cmath>

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

namespace
{

bool isPlainNumber(const QString& strLine)
{
    // [+-]? digits with at most one point, at least one digit
    int i = (strLine.startsWith(u'-') || strLine.startsWith(u'+')) ? 1 : 0;
    bool bDigit = false;
    bool bPoint = false;
    for (; i < strLine.size(); ++i)
    {
        const QChar c = strLine.at(i);
        if (c >= u'0' && c <= u'9')
            bDigit = true;
        else if (c == u'.' && !bPoint)
            bPoint = true;
        else
            return false;
    }
    return bDigit;
}

QString withoutSpaces(const QString& strLine)
{
    return QString::fromStdU16String(MyTools::WithoutSpaces(strLine.toStdU16String()));
}

bool isMove(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End;
}

bool isOperatorKey(int key)
{
    return key == Qt::Key_Asterisk || key == Qt::Key_Plus || key == Qt::Key_Minus ||
           key == Qt::Key_Slash || key == Qt::Key_AsciiCircum || key == Qt::Key_Dead_Circumflex;
}

} // namespace

bool InputLine::finishedForSpace(const QString& strLine)
{
    // Feet and inches are written with spaces (5'-6 1/2"), and a length may
    // go on after its inches: in such a line only Return calculates.
    if (strLine.isEmpty() || strLine.contains(u' ') || strLine.contains(u'\'') ||
        strLine.contains(u'"') || isPlainNumber(strLine))
        return false;
    const QChar last = strLine.back();
    return !isOperator(last) && last != u'%' && last != u'(' && last != u',';
}

InputLine::KeyDecision InputLine::key(const Key& key, const Text& line)
{
    const Qt::KeyboardModifiers held = key.modifiers & (Qt::ShiftModifier | Qt::ControlModifier |
                                                        Qt::AltModifier | Qt::MetaModifier);
    switch (key.key)
    {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_CapsLock:
        return {KeyAction::Consume};
    // "=" is never part of an expression: typed, it calculates as its button does.
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Equal:
        return {KeyAction::Calculate};
    case Qt::Key_Space:
        // Typed between numbers it is a space; a shown result has no end to
        // continue, and calculating it again would change nothing.
        if (m_resultShown)
            return {KeyAction::Consume};
        return {finishedForSpace(line.text) ? KeyAction::Calculate : KeyAction::PassOn};
    case Qt::Key_Escape:
        m_recallBack = 0;
        return {KeyAction::Clear};
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (held == Qt::NoModifier)
            return recall(key.key == Qt::Key_Up ? 1 : -1, line);
        break;
    default:
        break;
    }
    return m_resultShown ? keyOnResult(key, line) : KeyDecision(KeyAction::PassOn);
}

InputLine::KeyDecision InputLine::keyOnResult(const Key& key, const Text& line)
{
    const bool bControl = key.modifiers & Qt::ControlModifier;
    // Copying looks at the result and leaves it as it is.
    if ((bControl && (key.key == Qt::Key_C || key.key == Qt::Key_Insert)) ||
        key.key == Qt::Key_Copy)
        return line.hasSelection ? KeyDecision(KeyAction::PassOn)
                                 : KeyDecision(KeyAction::Copy, line.text);
    // Moving or selecting keeps the result, as text: a digit then goes where
    // the cursor is.
    if (isMove(key.key) || (bControl && key.key == Qt::Key_A))
    {
        m_resultShown = false;
        return {KeyAction::PassOn};
    }
    if (isOperatorKey(key.key) && !bControl)
    {
        m_resultShown = false;
        m_chained = true;
        return {KeyAction::PassOn};
    }
    // A key that types or deletes starts a new expression; one that does
    // neither (Tab, a function key, Alt on its way to a menu) leaves the
    // result alone.
    // Qt numbers the keys that have a character below Escape, the first of
    // the others.
    const bool bTypes = key.key < Qt::Key_Escape && !(key.modifiers & Qt::AltModifier);
    const bool bDeletes = key.key == Qt::Key_Backspace || key.key == Qt::Key_Delete ||
                          (key.key == Qt::Key_Insert && (key.modifiers & Qt::ShiftModifier));
    if (bControl || bTypes || bDeletes)
    {
        m_resultShown = false;
        return {KeyAction::ClearFirst};
    }
    return {KeyAction::PassOn};
}

InputLine::KeyDecision InputLine::recall(int iStep, const Text& line)
{
    auto expressionAt = [this](int iRecallBack)
    { return m_history ? m_history(iRecallBack - 1) : std::nullopt; };
    // A row that repeats the one stepped from is stepped over, as shells do:
    // a key that changes nothing on screen would seem not to work.
    const std::optional<QString> from =
        m_recallBack > 0 ? expressionAt(m_recallBack) : std::nullopt;
    int target = m_recallBack + iStep;
    std::optional<QString> expression;
    while (target > 0 && (expression = expressionAt(target)) && expression == from)
        target += iStep;
    if (target < 0 || (target > 0 && !expression))
        return {KeyAction::Consume}; // past the newest or the oldest, or no history
    if (m_recallBack == 0)
        m_draft = {line.text, m_resultShown, m_chained};
    m_recallBack = target;
    if (target == 0)
    {
        m_resultShown = m_draft.resultShown;
        m_chained = m_draft.chained;
        expression = m_draft.text;
    }
    else
    {
        m_resultShown = false;
        m_chained = false;
    }
    // Shown as it was, not an edit of what was there.
    m_lineText = *expression;
    return {KeyAction::Show, *expression};
}

void InputLine::showResult(const QString& strShown, const QString& strFullValue)
{
    m_resultShown = true;
    m_shown = strShown;
    m_full = strFullValue;
    m_lineText = strShown;
    m_chained = false;
    m_recallBack = 0;
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
    Calculation calc{strLine, withoutSpaces(strLine), false, m_full};
    const qsizetype shown = m_shown.size();
    if (!m_chained || strLine.size() <= shown || !strLine.startsWith(m_shown))
        return calc;
    // `ans` must still hold the value this result was shown from.
    if (!isOperator(strLine.at(shown)) || strAns != m_full)
        return calc;
    calc.expression = QStringLiteral("ans") + strLine.mid(shown);
    calc.row = withoutSpaces(plainDecimal(m_full) + strLine.mid(shown));
    calc.chained = true;
    return calc;
}

QString InputLine::plainDecimal(const QString& strValue)
{
    const QByteArray text = strValue.toLatin1();
    double value = 0.0;
    const auto read = std::from_chars(text.constData(), text.constData() + text.size(), value);
    if (read.ec != std::errc() || read.ptr != text.constData() + text.size() ||
        !std::isfinite(value))
        return strValue;
    // The shortest fixed text that reads back as the same double; the
    // longest, for the smallest subnormal, has 327 characters.
    char buffer[400];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (written.ec != std::errc())
        return strValue;
    return QString::fromLatin1(buffer, written.ptr - buffer);
}

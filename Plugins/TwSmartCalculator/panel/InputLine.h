#pragma once
// The input line's rules, without a widget: for each insertion and key, what
// happens to the line's text and cursor and to its state. The panel hands
// every insertion, key and text change through here and only applies the
// decision to its QLineEdit.
//
//   Editing --a calculation--> ResultShown (the result is the line's text)
//   ResultShown --an operator--> Editing, chained on the result
//   ResultShown --any other key or insertion--> Editing, the line cleared first
//   ResultShown --Shift, Control, Caps Lock, Tab--> ResultShown
//   ResultShown --"C", "←"--> ResultShown (the buttons edit it as text)
//
// Chaining: once an operator continues a shown result, the calculation reads
// that leading result as `ans` (its full value) instead of its rounded text,
// for as long as its characters stay as shown and `ans` still holds it.

#include <QString>
#include <Qt>

// How a text enters the line (see insert).
enum class InsertKind : int
{
    Number = 0,   // a formatted number: memory, measurements
    Operator = 1, // + - * / ^2 ^3 ^
    Function = 2, // sqrt() nrt(,) sin() ... wraps the line when not at a boundary
    Operand = 3,  // digits, . ( ) pi e ans, history texts
};

class InputLine
{
public:
    // The line as its widget holds it.
    struct Text
    {
        QString text;
        int cursor = 0;
    };

    struct Key
    {
        int key = 0;
        Qt::KeyboardModifiers modifiers;
    };

    enum class KeyAction
    {
        PassOn,     // the line edit handles the key
        ClearFirst, // the line is emptied, then the line edit handles the key
        Consume,    // eaten: nothing happens
        Calculate,  // as the "=" button
        Clear,      // the line is emptied and the key eaten
    };

    // What the line reads after text is inserted at the cursor: a function
    // wraps the line where the cursor is not at a boundary, a number next to
    // an operand replaces the line, the cursor lands inside new brackets
    // (behind them for the ")" button).
    Text insert(const Text& line, const QString& text, InsertKind kind,
                bool bBracketButton = false);
    KeyAction key(const Key& key);

    // A result is about to be shown; strFullValue is the `ans` text it left.
    void showResult(const QString& strShown, const QString& strFullValue);
    // The line's text changed, whatever changed it.
    void textChanged(const QString& strLine);
    // An edit by mouse (a paste from the menu, a middle click, a drop).
    void editedByMouse() { m_resultShown = false; }
    // A history expression replaced the whole line.
    void replaced();
    // The "←" button edited the shown result as text, which keeps the state.
    void resumeResult() { m_resultShown = true; }
    bool isResultShown() const { return m_resultShown; }

    struct Calculation
    {
        QString expression; // for the engine: the leading result as `ans` when chained
        QString row;        // for the history
        bool chained = false;
        QString fullValue; // the value `ans` stood for
    };
    // What Return calculates for strLine while `ans` reads strAns.
    Calculation calculation(const QString& strLine, const QString& strAns) const;

    static bool isOperator(QChar c);

private:
    bool m_resultShown = false;
    // The shown result's text, its full value and the line as last seen, to
    // tell where an edit happened.
    QString m_shown;
    QString m_full;
    QString m_lineText;
    bool m_chained = false;
};

#pragma once
// The input line's rules, without a widget: for each insertion and key, what
// happens to the line's text and cursor and to its state. The panel hands
// every insertion, key, click and text change through here and only applies
// the decision to its QLineEdit.
//
//   Editing --a calculation--> ResultShown (the result is the line's text)
//   ResultShown --an operator--> Editing, chained on the result
//   ResultShown --a key or button that types or deletes--> Editing, the line
//                cleared first (a new expression begins)
//   ResultShown --a move, Ctrl+A, a click--> Editing, the result kept as text
//   ResultShown --Ctrl+C, Space, Shift, Tab, function keys--> ResultShown
//   ResultShown --"C", "←"--> ResultShown (the buttons edit it as text)
//
// Space calculates only a line that reads as finished (no space in it, not
// ending in an operator, "(" or ",", more than a number, no feet or inches);
// otherwise it types a space, so that "2 + 3 * 4" and 5'-6 1/2" can be
// typed as read.
//
// Chaining: once an operator continues a shown result, the calculation reads
// that leading result as `ans` (its full value) instead of its rounded text,
// for as long as its characters stay as shown and `ans` still holds it. The
// history then gets the full value written out, so that the row gives the
// same result again.
//
// Recall: Up and Down step through the history's expressions, newest first;
// Down past the newest brings back the line as it was, result state and all.

#include <QString>
#include <Qt>

#include <functional>
#include <optional>

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
        bool hasSelection = false;
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
        Copy,       // text goes to the clipboard; the key is eaten
        Show,       // the line reads text, the cursor at its end; the key is eaten
    };
    struct KeyDecision
    {
        KeyDecision(KeyAction a, QString t = {}) : action(a), text(std::move(t)) {}
        KeyAction action;
        QString text;
    };

    // The history's expression iBack rows up from the newest (0 is the
    // newest); none beyond the oldest.
    using History = std::function<std::optional<QString>(int iBack)>;
    void setHistory(History history) { m_history = std::move(history); }
    // Rows were deleted: recall starts again from the newest.
    void historyChanged() { m_recallBack = 0; }

    // What the line reads after text is inserted at the cursor: a function
    // wraps the line where the cursor is not at a boundary, a number next to
    // an operand replaces the line, the cursor lands inside new brackets
    // (behind them for the ")" button).
    Text insert(const Text& line, const QString& text, InsertKind kind,
                bool bBracketButton = false);
    KeyDecision key(const Key& key, const Text& line);

    // A result is about to be shown; strFullValue is the `ans` text it left.
    void showResult(const QString& strShown, const QString& strFullValue);
    // The line's text changed, whatever changed it.
    void textChanged(const QString& strLine);
    // An edit by mouse (a paste from the menu, a middle click, a drop).
    void editedByMouse() { m_resultShown = false; }
    // A click placed the cursor: a shown result is text from now on.
    void clicked() { m_resultShown = false; }
    // A history expression replaced the whole line.
    void replaced();
    // The "←" button edited the shown result as text, which keeps the state.
    void resumeResult() { m_resultShown = true; }
    bool isResultShown() const { return m_resultShown; }

    struct Calculation
    {
        QString expression; // for the engine: the leading result as `ans` when chained
        QString row;        // for the history: the full value written out when chained
        bool chained = false;
        QString fullValue; // the value `ans` stood for
    };
    // What Return calculates for strLine while `ans` reads strAns.
    Calculation calculation(const QString& strLine, const QString& strAns) const;

    static bool isOperator(QChar c);
    // Space calculates this line (rather than typing a space into it).
    static bool finishedForSpace(const QString& strLine);
    // A value's text (as `ans` reads it, perhaps with an exponent, which the
    // expression language lacks) as plain decimals that read back as the same
    // double.
    static QString plainDecimal(const QString& strValue);

private:
    KeyDecision recall(int iStep, const Text& line);
    KeyDecision keyOnResult(const Key& key, const Text& line);

    bool m_resultShown = false;
    // The shown result's text, its full value and the line as last seen, to
    // tell where an edit happened.
    QString m_shown;
    QString m_full;
    QString m_lineText;
    bool m_chained = false;

    History m_history;
    int m_recallBack = 0; // rows up from the newest, plus one; 0: the line as typed
    struct Draft
    {
        QString text;
        bool resultShown = false;
        bool chained = false;
    };
    Draft m_draft;
};

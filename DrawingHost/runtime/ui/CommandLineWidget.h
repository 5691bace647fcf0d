#pragma once

#include "UiExport.h"

#include <QStringList>
#include <QWidget>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The host's command line: a read-only history of messages above a prompt and
// an input line. It only collects lines; what a line means is the caller's
// business (a command name, the answer to a prompt, an empty answer), and so
// is echoing it: the history shows only what appendMessage is given.
// Everything shown is plain text, so nothing a user types is ever rendered as
// markup.
//
// Keys: Enter ends the line, and so does Space unless the prompt takes free
// text; Escape cancels; Up and Down walk the lines entered before.
class DRAWINGHOST_UI_EXPORT CommandLineWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kMaxRecall = 200;

    explicit CommandLineWidget(QWidget* parent = nullptr);

    void appendMessage(const QString& message);
    void setPrompt(const QString& prompt);
    QString prompt() const;
    // False while the prompt asks for free text (a name, a path): Space is
    // then typed into the line instead of ending it.
    void setSpaceEndsLine(bool bEnds) { m_spaceEndsLine = bEnds; }
    bool spaceEndsLine() const { return m_spaceEndsLine; }

    // Places text in the input line with the cursor at its end, as a host does
    // when something is sent to its command line. Nothing is entered.
    void setInputText(const QString& text);
    QString inputText() const;
    void focusInput();

    // Keys typed elsewhere in the host's window that the command line takes:
    // printable text, Enter, Space, Backspace, Escape, Up and Down, without
    // Ctrl, Alt or Meta (those stay shortcuts).
    static bool isCommandLineKey(const QKeyEvent& event);
    // Moves the focus to the input line and types the key there.
    void typeKey(const QKeyEvent& event);

    // Lines entered so far, oldest first (empty lines are not kept).
    QStringList recallList() const { return m_recall; }

signals:
    // Enter: the input line's text, possibly empty (an empty answer).
    void lineEntered(const QString& line);
    // Escape.
    void cancelRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enterLine();
    void cancelLine();
    void recall(int step);

    QPlainTextEdit* m_history = nullptr;
    QLabel* m_prompt = nullptr;
    QLineEdit* m_input = nullptr;
    QStringList m_recall;
    int m_recallPos = 0; // == m_recall.size() while editing a fresh line
    QString m_draft;     // the fresh line, kept while browsing the recall list
    bool m_spaceEndsLine = true;
};

#pragma once

#include "UiExport.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The host's command line: a read-only history of messages above a prompt and
// an input line. It only collects lines; what a line means is the caller's
// business (a command name, the answer to a prompt, an empty answer).
// Everything shown is plain text, so nothing a user types is ever rendered as
// markup.
class DRAWINGHOST_UI_EXPORT CommandLineWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kMaxRecall = 200;

    explicit CommandLineWidget(QWidget* parent = nullptr);

    void appendMessage(const QString& message);
    void setPrompt(const QString& prompt);
    QString prompt() const;

    // Places text in the input line with the cursor at its end, as a host does
    // when something is sent to its command line. Nothing is entered.
    void setInputText(const QString& text);
    QString inputText() const;
    void focusInput();

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
};

#include "CommandLineWidget.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace
{
// Enough for a long session; older lines drop off the top.
constexpr int kMaxHistoryLines = 2000;

// The prompt on one line where the row has room, wrapped where it has not
// (they are longer in German), so that it neither widens the window nor is
// cut. A wrapping QLabel would ask for a block of several lines even then.
class PromptLabel : public QLabel
{
public:
    using QLabel::QLabel;
    QSize sizeHint() const override
    {
        const int margins = contentsMargins().left() + contentsMargins().right();
        return QSize(fontMetrics().horizontalAdvance(text()) + margins + 2,
                     QLabel::sizeHint().height());
    }
};
} // namespace

CommandLineWidget::CommandLineWidget(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    m_history = new QPlainTextEdit(this);
    m_history->setObjectName(QStringLiteral("commandHistory"));
    m_history->setReadOnly(true);
    m_history->setMaximumBlockCount(kMaxHistoryLines);
    m_history->setFocusPolicy(Qt::ClickFocus);
    m_history->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont mono = m_history->font();
    mono.setStyleHint(QFont::TypeWriter);
    mono.setFamily(QStringLiteral("monospace"));
    m_history->setFont(mono);
    layout->addWidget(m_history, 1);

    auto* inputRow = new QHBoxLayout;
    inputRow->setSpacing(4);
    m_prompt = new PromptLabel(this);
    m_prompt->setObjectName(QStringLiteral("commandPrompt"));
    m_prompt->setTextFormat(Qt::PlainText);
    m_prompt->setFont(mono);
    m_prompt->setWordWrap(true);
    m_input = new QLineEdit(this);
    m_input->setObjectName(QStringLiteral("commandInput"));
    m_input->setFont(mono);
    m_input->setFrame(false);
    // Room to type beside the longest prompt.
    m_input->setMinimumWidth(QFontMetrics(mono).horizontalAdvance(QLatin1Char('x')) * 12);
    m_input->installEventFilter(this);
    m_prompt->setBuddy(m_input);
    inputRow->addWidget(m_prompt);
    inputRow->addWidget(m_input, 1);
    layout->addLayout(inputRow);

    setFocusProxy(m_input);
    setPrompt(QCoreApplication::translate("CommandLineWidget", "Command:"));
}

void CommandLineWidget::appendMessage(const QString& message)
{
    // appendPlainText never interprets markup.
    m_history->appendPlainText(message);
    m_history->verticalScrollBar()->setValue(m_history->verticalScrollBar()->maximum());
}

void CommandLineWidget::setPrompt(const QString& prompt)
{
    m_prompt->setText(prompt);
}

QString CommandLineWidget::prompt() const
{
    return m_prompt->text();
}

void CommandLineWidget::setInputText(const QString& text)
{
    m_input->setText(text);
    m_input->setCursorPosition(text.size());
}

QString CommandLineWidget::inputText() const
{
    return m_input->text();
}

void CommandLineWidget::focusInput()
{
    m_input->setFocus(Qt::OtherFocusReason);
}

bool CommandLineWidget::isCommandLineKey(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (event.key())
    {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
    case Qt::Key_Backspace:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        break;
    }
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

void CommandLineWidget::typeKey(const QKeyEvent& event)
{
    m_input->setFocus(Qt::OtherFocusReason);
    QKeyEvent copy(event.type(), event.key(), event.modifiers(), event.text(), event.isAutoRepeat(),
                   ushort(event.count()));
    QCoreApplication::sendEvent(m_input, &copy);
}

bool CommandLineWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_input || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    // Receivers of lineEntered run host commands; nothing they throw may reach
    // the event loop.
    try
    {
        switch (static_cast<QKeyEvent*>(event)->key())
        {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            enterLine();
            return true;
        case Qt::Key_Space:
            if (!m_spaceEndsLine)
                break;
            enterLine();
            return true;
        case Qt::Key_Escape:
            cancelLine();
            return true;
        case Qt::Key_Up:
            recall(-1);
            return true;
        case Qt::Key_Down:
            recall(+1);
            return true;
        default:
            break;
        }
    }
    catch (const std::exception& error)
    {
        appendMessage(QString::fromLocal8Bit(error.what()));
        return true;
    }
    catch (...)
    {
        appendMessage(QCoreApplication::translate("CommandLineWidget", "The command failed."));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CommandLineWidget::enterLine()
{
    const QString line = m_input->text();
    m_input->clear();
    if (!line.trimmed().isEmpty() && (m_recall.isEmpty() || m_recall.last() != line))
    {
        m_recall.append(line);
        if (m_recall.size() > kMaxRecall)
            m_recall.removeFirst();
    }
    m_recallPos = static_cast<int>(m_recall.size());
    m_draft.clear();
    emit lineEntered(line);
}

void CommandLineWidget::cancelLine()
{
    m_input->clear();
    m_recallPos = static_cast<int>(m_recall.size());
    m_draft.clear();
    emit cancelRequested();
}

void CommandLineWidget::recall(int step)
{
    const int count = static_cast<int>(m_recall.size());
    const int target = qBound(0, m_recallPos + step, count);
    if (target == m_recallPos)
        return;
    if (m_recallPos == count)
        m_draft = m_input->text();
    m_recallPos = target;
    setInputText(m_recallPos == count ? m_draft : m_recall.at(m_recallPos));
}

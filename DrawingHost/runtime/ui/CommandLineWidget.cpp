#include "CommandLineWidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

CommandLineWidget::CommandLineWidget(QWidget* parent) : QWidget(parent) {}
void CommandLineWidget::appendMessage(const QString&) {}
void CommandLineWidget::setPrompt(const QString&) {}
QString CommandLineWidget::prompt() const { return {}; }
void CommandLineWidget::setInputText(const QString&) {}
QString CommandLineWidget::inputText() const { return {}; }
void CommandLineWidget::focusInput() {}
bool CommandLineWidget::eventFilter(QObject* watched, QEvent* event) { return QWidget::eventFilter(watched, event); }
void CommandLineWidget::enterLine() {}
void CommandLineWidget::cancelLine() {}
void CommandLineWidget::recall(int) {}

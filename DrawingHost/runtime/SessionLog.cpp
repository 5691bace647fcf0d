#include "SessionLog.h"

#include "CommandLine.h"

SessionLog::SessionLog(CommandLine& commandLine, QObject* parent) : QObject(parent)
{
    connect(&commandLine, &CommandLine::messageAdded, this, &SessionLog::write);
}

bool SessionLog::open(const QString& strPath, QString& strError)
{
    m_file.close();
    m_file.setFileName(strPath);
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Append))
        return true;
    strError = m_file.errorString();
    return false;
}

void SessionLog::write(const QString& strLine)
{
    if (!m_file.isOpen())
        return;
    // A message may hold line breaks; each becomes a line of its own.
    QByteArray bytes = strLine.toUtf8();
    bytes.replace('\r', "");
    bytes.append('\n');
    m_file.write(bytes);
    m_file.flush();
}

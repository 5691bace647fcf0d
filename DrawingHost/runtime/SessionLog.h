#pragma once

#include "RuntimeExport.h"

#include <QFile>
#include <QObject>

class CommandLine;

// A session log: every command-line message appended to a file as it
// appears, in UTF-8, one line each and flushed at once, so that a session can
// be followed (and checked) from outside while it runs.
class DH_RUNTIME_EXPORT SessionLog : public QObject
{
    Q_OBJECT

public:
    explicit SessionLog(CommandLine& commandLine, QObject* parent = nullptr);

    // Opens strPath for appending; false, with strError set, when it cannot.
    bool open(const QString& strPath, QString& strError);
    bool isOpen() const { return m_file.isOpen(); }

private:
    void write(const QString& strLine);

    QFile m_file;
};

#pragma once
// Log book entry functions and the message functions: every message shown is also logged, and
// in batch mode it is answered without being shown.

#include "base/UserInteraction.h"

#include <QString>
#include <QtGlobal>

void LogEntry(int level, const QString& text);
void LogEntry(int level, const QString& text, const QString& detail);
void LogEntryId(int level, int number);
void LogEntryId(int level, int number, const QString& detail);
void LogNumber(int level, const QString& text, double value, int decimals);
void LogInt(int level, const QString& text, qint64 value);
void LogIdNumber(int level, int number, double value, int decimals);
void LogIdInt(int level, int number, qint64 value);
void LogHexDump(int level, const QString& text, const quint8* bytes, int length);
void LogHexDumpId(int level, int number, const quint8* bytes, int length);

// The hex dump detail: "%02X " per byte, 16 per line, padded, then the printable characters.
QString HexDumpText(const quint8* bytes, int length);

int LogMessageBox(const QString& text, unsigned type = hvx::MB_OK, unsigned helpId = 0);
int LogMessageBoxId(int number, unsigned type = hvx::MB_OK, unsigned helpId = 0);
// A message that offers a follow-up button (IUserInteraction::messageBoxWithAction), logged as any.
int LogMessageBoxIdWithAction(int number, unsigned type, const QString& action);

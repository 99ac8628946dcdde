#pragma once
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// Files for the harnesses whose code under test reads from disk: one scratch
// folder per process, in memory where the system offers it.
namespace FuzzFiles {
// The scratch folder, created on first use and removed at exit.
QString Folder();
QString Write(const QString& name, const uint8_t* data, size_t size);
QString Write(const QString& name, const QByteArray& bytes);
QByteArray Read(const QString& path);
// Stops the run with the message, so that libFuzzer keeps the input.
[[noreturn]] void Fail(const char* what, const QByteArray& first, const QByteArray& second);
} // namespace FuzzFiles

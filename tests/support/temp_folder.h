#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh folder per test, with helpers to write and read files in it.
class TempFolder {
public:
    TempFolder();
    QString Path() const;
    QString File(const QString& name) const;
    QString Write(const QString& name, const QByteArray& bytes) const;
    QByteArray Read(const QString& name) const;
    bool Exists(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

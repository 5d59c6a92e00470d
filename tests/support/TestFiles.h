#pragma once

#include <QByteArray>
#include <QString>

// Small file chores shared by the tests that work on real files.
namespace TestFiles {

// The whole file, or nothing when it cannot be read.
QByteArray read(const QString &path);
// Creates the parent folders and writes the file whole.
bool write(const QString &path, const QByteArray &contents);
// True when this process can create files in a folder whose permission bits forbid it (root).
bool permissionBitsIgnored(const QString &readOnlyFolder);

} // namespace TestFiles

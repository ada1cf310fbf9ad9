#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>

// Paths cross from the window to the file layer as the file system's own bytes, so a name
// in any encoding reaches the same file.
inline std::string NativePath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

inline QString DisplayPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

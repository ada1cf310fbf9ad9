#include "settings/ini_format.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace ini_format {
namespace {

bool NeedsQuotes(const QString& value) {
  if (value.isEmpty())
    return false;
  return value.front().isSpace() || value.back().isSpace() || value.front() == QLatin1Char('"') ||
         value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'));
}

QString Quote(const QString& value) {
  QString out = QStringLiteral("\"");
  for (const QChar c : value) {
    if (c == QLatin1Char('\\') || c == QLatin1Char('"')) {
      out += QLatin1Char('\\');
      out += c;
    } else if (c == QLatin1Char('\n')) {
      out += QLatin1String("\\n");
    } else if (c == QLatin1Char('\r')) {
      out += QLatin1String("\\r");
    } else {
      out += c;
    }
  }
  return out + QLatin1Char('"');
}

QString Unquote(const QString& quoted) {
  QString out;
  for (qsizetype i = 1; i + 1 < quoted.size(); ++i) {
    QChar c = quoted.at(i);
    if (c == QLatin1Char('\\') && i + 2 < quoted.size()) {
      c = quoted.at(++i);
      if (c == QLatin1Char('n'))
        c = QLatin1Char('\n');
      if (c == QLatin1Char('r'))
        c = QLatin1Char('\r');
    }
    out += c;
  }
  return out;
}

QString ParseValue(const QString& raw) {
  const QString value = raw.trimmed();
  if (value.size() >= 2 && value.front() == QLatin1Char('"') && value.back() == QLatin1Char('"')) {
    return Unquote(value);
  }
  return value;
}

}  // namespace

bool Read(QIODevice& device, QSettings::SettingsMap& map) {
  QString section;
  const QList<QByteArray> lines = device.readAll().split('\n');
  for (const QByteArray& bytes : lines) {
    const QString line = QString::fromUtf8(bytes).trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))) {
      continue;
    }
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
      section = line.mid(1, line.size() - 2).trimmed();
      continue;
    }
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals <= 0 || section.isEmpty())
      continue;  // not a key line of a section
    const QString key = line.left(equals).trimmed();
    map.insert(section + QLatin1Char('/') + key, ParseValue(line.mid(equals + 1)));
  }
  return true;
}

bool Write(QIODevice& device, const QSettings::SettingsMap& map) {
  QString text;
  QString currentSection;
  for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
    const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
    if (slash <= 0)
      continue;  // every key of this program lives in a section
    const QString section = it.key().left(slash);
    if (section != currentSection) {
      if (!text.isEmpty())
        text += QLatin1Char('\n');
      text += QLatin1Char('[') + section + QLatin1String("]\n");
      currentSection = section;
    }
    const QString value = it.value().toString();
    text += it.key().mid(slash + 1) + QLatin1Char('=') +
            (NeedsQuotes(value) ? Quote(value) : value) + QLatin1Char('\n');
  }
  const QByteArray bytes = text.toUtf8();
  return device.write(bytes) == bytes.size();
}

QSettings::Format Format() {
  static const QSettings::Format format =
      QSettings::registerFormat(QStringLiteral("ini"), &Read, &Write, Qt::CaseSensitive);
  return format;
}

}  // namespace ini_format

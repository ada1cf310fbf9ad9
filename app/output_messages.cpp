#include "app/output_messages.h"

#include <QDir>
#include <QFileInfo>

#include "app/native_path.h"

namespace {
constexpr std::size_t kListedAtMost = 5;  // a Split of 999 parts asks in a box that fits
}

QString ReplaceQuestion(const std::vector<std::string>& existing) {
  if (existing.size() == 1)
    return DisplayPath(existing.front()) +
           QStringLiteral(" already exists.\rDo you want to replace it?");
  QString text = QStringLiteral("These files already exist:");
  for (std::size_t i = 0; i < existing.size() && i < kListedAtMost; ++i)
    text += QLatin1Char('\r') + DisplayPath(existing[i]);
  if (existing.size() > kListedAtMost)
    text += QStringLiteral("\rand %1 more").arg(existing.size() - kListedAtMost);
  return text + QStringLiteral("\rDo you want to replace them?");
}

QString WrittenOutputs(const std::vector<std::string>& paths) {
  if (paths.empty())
    return {};
  if (paths.size() == 1)
    return QStringLiteral("\r\rOutput file: ") + DisplayPath(paths.front());
  const QFileInfo first(DisplayPath(paths.front()));
  const QFileInfo last(DisplayPath(paths.back()));
  return QStringLiteral("\r\rFolder: ") + QDir::toNativeSeparators(first.path()) +
         QStringLiteral("\rParts: ") + first.fileName() + QStringLiteral(" to ") + last.fileName();
}

QString StoppedAt(const QString& inputPath, long line) {
  return QStringLiteral("\r\rFile: ") + inputPath +
         QStringLiteral("\rReading stopped at line %1.").arg(line);
}

#include "app/FilterList.h"

#include <QString>

namespace tarn::app {

QStringList QtNameFilters(std::string_view filter) {
  QStringList names;
  if (filter.empty()) return names;
  const QStringList parts =
      QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(u'|');
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    QString patterns = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
    patterns.replace(u';', u' ');
    if (patterns.isEmpty()) patterns = QStringLiteral("*");
    names.append(parts[i] + QStringLiteral(" (") + patterns + u')');
  }
  return names;
}

}  // namespace tarn::app

#include "link/status_translation.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace zelto {
namespace {

// The translation of a source text, or nothing when there is none.
std::optional<QString> Translated(const QString& source, const char* scope) {
  const QByteArray utf8 = source.toUtf8();
  QString translated = QCoreApplication::translate(scope, utf8.constData());
  if (translated == source)
    return std::nullopt;
  return translated;
}

}  // namespace

QString TranslateStatus(std::string_view text) {
  return TranslateMarked(text, "status");
}

QString TranslateMarked(std::string_view text, const char* scope) {
  const QString source = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (const auto whole = Translated(source, scope))
    return *whole;
  // "Порт Com3 не найден" from "Порт Com%1 не найден".
  static const QRegularExpression number(QStringLiteral("\\d+"));
  if (const QRegularExpressionMatch found = number.match(source); found.hasMatch()) {
    QString statusTemplate = source;
    statusTemplate.replace(found.capturedStart(), found.capturedLength(), QStringLiteral("%1"));
    if (const auto filled = Translated(statusTemplate, scope))
      return filled->arg(found.captured());
  }
  // "Резервная копия сохранена: ID" from "Резервная копия сохранена:".
  if (const qsizetype space = source.lastIndexOf(QLatin1Char(' ')); space > 0) {
    if (const auto head = Translated(source.left(space), scope))
      return *head + source.mid(space);
  }
  return source;
}

}  // namespace zelto

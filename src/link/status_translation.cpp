#include "link/status_translation.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <vector>

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

// The values put in place of %1, %2, … in one pass, so that a value holding "%2" stays as it
// is.
QString Filled(const QString& translation, const QStringList& values) {
  static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
  QString text;
  qsizetype from = 0;
  for (auto found = placeholder.globalMatch(translation); found.hasNext();) {
    const QRegularExpressionMatch match = found.next();
    const qsizetype index = match.captured(1).toInt() - 1;
    text += translation.mid(from, match.capturedStart() - from);
    text += index >= 0 && index < values.size() ? values[index] : match.captured();
    from = match.capturedEnd();
  }
  return text + translation.mid(from);
}

// "Порт Com3 (/dev/ttyUSB0) не найден" from "Порт %1 не найден": the port is named by its
// number and, where it has one, its path in brackets, which may itself hold anything, a
// bracket included; each way the name can end is tried.
std::optional<QString> WithPortName(const QString& source, const char* scope) {
  static const QRegularExpression port(QStringLiteral("Com\\d+"));
  const QRegularExpressionMatch found = port.match(source);
  if (!found.hasMatch())
    return std::nullopt;
  std::vector<qsizetype> ends;
  const qsizetype bare = found.capturedEnd();
  if (source.mid(bare, 2) == QStringLiteral(" (")) {
    for (qsizetype close = source.indexOf(QLatin1Char(')'), bare + 2); close >= 0;
         close = source.indexOf(QLatin1Char(')'), close + 1)) {
      ends.push_back(close + 1);
    }
  }
  ends.push_back(bare);
  const qsizetype start = found.capturedStart();
  for (const qsizetype end : ends) {
    const QString statusTemplate = source.left(start) + QStringLiteral("%1") + source.mid(end);
    if (const auto translated = Translated(statusTemplate, scope))
      return Filled(*translated, {source.mid(start, end - start)});
  }
  return std::nullopt;
}

// "Допустимо: −50…200" from "Допустимо: %1…%2": every number that stands on its own (not part
// of a word such as "T1"), with its sign and decimals, is a value.
std::optional<QString> WithNumbers(const QString& source, const char* scope) {
  static const QRegularExpression number(
      QStringLiteral("(?<![\\w.,])[-+\\x{2212}]?\\d+(?:[.,]\\d+)?(?![\\w])"),
      QRegularExpression::UseUnicodePropertiesOption);
  QString statusTemplate;
  QStringList values;
  qsizetype from = 0;
  for (auto found = number.globalMatch(source); found.hasNext();) {
    const QRegularExpressionMatch match = found.next();
    statusTemplate += source.mid(from, match.capturedStart() - from);
    values << match.captured();
    statusTemplate += QLatin1Char('%') + QString::number(values.size());
    from = match.capturedEnd();
  }
  if (values.isEmpty() || values.size() > 9)
    return std::nullopt;
  statusTemplate += source.mid(from);
  if (const auto translated = Translated(statusTemplate, scope))
    return Filled(*translated, values);
  return std::nullopt;
}

}  // namespace

QString TranslateStatus(std::string_view text) {
  return TranslateMarked(text, "status");
}

QString TranslateMarked(std::string_view text, const char* scope) {
  const QString source = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (const auto whole = Translated(source, scope))
    return *whole;
  if (const auto port = WithPortName(source, scope))
    return *port;
  if (const auto filled = WithNumbers(source, scope))
    return *filled;
  // "Резервная копия сохранена: ID" from "Резервная копия сохранена:".
  if (const qsizetype space = source.lastIndexOf(QLatin1Char(' ')); space > 0) {
    if (const auto head = Translated(source.left(space), scope))
      return *head + source.mid(space);
  }
  return source;
}

std::string ToolText(const char* source, const std::vector<std::string>& values) {
  QStringList filled;
  for (const std::string& value : values)
    filled << QString::fromStdString(value);
  return Filled(QCoreApplication::translate("cli", source), filled).toStdString();
}

QString TranslatePhrases(std::string_view text, const std::vector<std::string_view>& phrases,
                         const char* scope) {
  std::vector<QString> sources;
  for (const std::string_view phrase : phrases)
    sources.push_back(QString::fromUtf8(phrase.data(), static_cast<qsizetype>(phrase.size())));
  std::stable_sort(sources.begin(), sources.end(),
                   [](const QString& a, const QString& b) { return a.size() > b.size(); });
  // Pieces already translated are not looked at again: an English phrase never holds a
  // Russian one, but a shorter phrase may lie inside a longer one's source.
  struct Piece {
    QString text;
    bool translated;
  };
  std::vector<Piece> pieces{
      {QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), false}};
  for (const QString& source : sources) {
    if (source.isEmpty())
      continue;
    const QString translation = QCoreApplication::translate(scope, source.toUtf8().constData());
    std::vector<Piece> next;
    for (const Piece& piece : pieces) {
      if (piece.translated) {
        next.push_back(piece);
        continue;
      }
      qsizetype from = 0;
      for (qsizetype at = piece.text.indexOf(source); at >= 0;
           at = piece.text.indexOf(source, from)) {
        next.push_back({piece.text.mid(from, at - from), false});
        next.push_back({translation, true});
        from = at + source.size();
      }
      next.push_back({piece.text.mid(from), false});
    }
    pieces = std::move(next);
  }
  QString whole;
  for (const Piece& piece : pieces)
    whole += piece.text;
  return whole;
}

}  // namespace zelto

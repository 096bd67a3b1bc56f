#pragma once
// How a failed expectation prints the Qt texts it compares: a text in quotes, a list of texts as
// {"a", "b"}, rather than gtest's bytes.
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* os) {
  *os << '{';
  for (qsizetype i = 0; i < texts.size(); ++i) *os << (i ? ", \"" : "\"") << texts[i].toStdString() << '"';
  *os << '}';
}

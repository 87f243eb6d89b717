#pragma once

#include <QString>
#include <ostream>

// GoogleTest prints a QString in failure messages as its UTF-8 text instead of its bytes.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

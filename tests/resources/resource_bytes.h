#pragma once

#include <QByteArray>
#include <QFile>

namespace tolvane::resources::test_support {

// The whole content of an embedded file; empty when it is missing.
inline QByteArray ResourceBytes(const char* path) {
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

// The unsigned byte at index i.
inline int ByteAt(const QByteArray& bytes, qsizetype i) {
    return static_cast<unsigned char>(bytes[i]);
}

// Little- and big-endian fields.
inline int Le16(const QByteArray& b, qsizetype i) {
    return ByteAt(b, i) | ByteAt(b, i + 1) << 8;
}
inline qint64 Le32(const QByteArray& b, qsizetype i) {
    return Le16(b, i) | static_cast<qint64>(Le16(b, i + 2)) << 16;
}
inline int Be16(const QByteArray& b, qsizetype i) {
    return ByteAt(b, i) << 8 | ByteAt(b, i + 1);
}

}  // namespace tolvane::resources::test_support

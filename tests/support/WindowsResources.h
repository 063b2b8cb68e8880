#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QtEndian>

// Reading a Windows program's resources back from its file, with icoutils' wrestool.

// The output of a tool; empty when it failed.
inline QByteArray outputOf(const QString &tool, const QStringList &arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// A resource of a type (a number, as wrestool names them): as stored, or rebuilt into a file
// of its own kind (an icon group into an .ico file).
inline QByteArray windowsResource(const QString &program, const QString &type, bool raw) {
    QStringList arguments{QStringLiteral("-x"), QStringLiteral("--type=") + type, program};
    if (raw)
        arguments.prepend(QStringLiteral("--raw"));
    return outputOf(QStringLiteral("wrestool"), arguments);
}

// The keys of a version record with their texts (empty for a block): each block is a length, a
// value length, a type, a UTF-16 key, padding to four bytes, its value and its children
// (VS_VERSIONINFO).
inline void readVersionBlock(const QByteArray &record, int start, int end,
                             QMap<QString, QString> &strings) {
    const auto *bytes = reinterpret_cast<const uchar *>(record.constData());
    int at = start;
    while (at + 6 <= end) {
        const int length = qFromLittleEndian<quint16>(bytes + at);
        const int valueLength = qFromLittleEndian<quint16>(bytes + at + 2);
        const bool isText = qFromLittleEndian<quint16>(bytes + at + 4) == 1;
        if (length == 0)
            break;
        int cursor = at + 6;
        QString key;
        while (cursor + 2 <= end && qFromLittleEndian<quint16>(bytes + cursor) != 0) {
            key += QChar(qFromLittleEndian<quint16>(bytes + cursor));
            cursor += 2;
        }
        cursor = (cursor + 2 + 3) & ~3;
        const int valueBytes = isText ? valueLength * 2 : valueLength;
        strings[key] = isText && valueLength > 0
                           ? QString::fromUtf16(
                                 reinterpret_cast<const char16_t *>(record.constData() + cursor),
                                 valueLength - 1)
                           : QString();
        const int children = (cursor + valueBytes + 3) & ~3;
        readVersionBlock(record, children, at + length, strings);
        at = (at + length + 3) & ~3;
    }
}

inline QMap<QString, QString> versionStrings(const QString &program) {
    const QByteArray record = windowsResource(program, QStringLiteral("16"), true);
    QMap<QString, QString> strings;
    readVersionBlock(record, 0, int(record.size()), strings);
    return strings;
}

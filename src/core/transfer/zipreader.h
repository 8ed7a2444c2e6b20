#pragma once

#include <QByteArray>
#include <QString>

typedef struct zip zip_t;

// Read access to the members of a zip file (a Tellico .tc collection).
class CZipReader
{
public:
    CZipReader() = default;
    ~CZipReader();
    CZipReader(const CZipReader &) = delete;
    CZipReader &operator=(const CZipReader &) = delete;

    // Opens the archive after checking its central directory. False with
    // errorText() set for a missing, truncated or damaged file.
    bool open(const QString &path);
    void close();
    bool isOpen() const { return m_zip != nullptr; }

    bool contains(const QString &name) const;
    // The member's size once unpacked, as the archive records it; -1 when
    // it is missing.
    qint64 size(const QString &name) const;
    // The member's bytes; false when it is missing, damaged or larger than
    // maxSize once unpacked.
    bool read(const QString &name, qint64 maxSize, QByteArray &data);

    QString errorText() const { return m_error; }

private:
    zip_t *m_zip = nullptr;
    QString m_error;
};

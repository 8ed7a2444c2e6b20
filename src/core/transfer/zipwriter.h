#pragma once

#include <QByteArray>
#include <QString>

typedef struct zip zip_t;
typedef struct zip_source zip_source_t;

// Builds a zip archive in memory, so that the caller can write it out
// through a QSaveFile like any other export.
class CZipWriter
{
public:
    CZipWriter();
    ~CZipWriter();
    CZipWriter(const CZipWriter &) = delete;
    CZipWriter &operator=(const CZipWriter &) = delete;

    // Adds a member (compressed unless store is set).
    bool add(const QString &name, const QByteArray &data, bool store = false);
    // The finished archive; empty after a failure (errorText() says why).
    QByteArray finish();

    QString errorText() const { return m_error; }

private:
    zip_source_t *m_buffer = nullptr;
    zip_t *m_zip = nullptr;
    QString m_error;
};

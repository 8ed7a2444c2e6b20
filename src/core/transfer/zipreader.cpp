#include "zipreader.h"

#include <QCoreApplication>
#include <QFile>
#include <limits>
#include <zip.h>

CZipReader::~CZipReader()
{
    close();
}

bool CZipReader::open(const QString &path)
{
    close();
    int code = 0;
    m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!m_zip) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        m_error = QCoreApplication::translate("CZipReader", "The archive cannot be read: %1.")
                      .arg(QString::fromUtf8(zip_error_strerror(&error)));
        zip_error_fini(&error);
        return false;
    }
    return true;
}

void CZipReader::close()
{
    if (m_zip)
        zip_discard(m_zip);
    m_zip = nullptr;
}

bool CZipReader::contains(const QString &name) const
{
    return m_zip && zip_name_locate(m_zip, name.toUtf8().constData(), 0) >= 0;
}

qint64 CZipReader::size(const QString &name) const
{
    zip_stat_t st;
    zip_stat_init(&st);
    if (!m_zip || zip_stat(m_zip, name.toUtf8().constData(), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
        return -1;
    return st.size > zip_uint64_t(std::numeric_limits<qint64>::max()) ? std::numeric_limits<qint64>::max()
                                                                      : qint64(st.size);
}

bool CZipReader::read(const QString &name, qint64 maxSize, QByteArray &data)
{
    data.clear();
    if (!m_zip)
        return false;
    const QByteArray utf8 = name.toUtf8();
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat(m_zip, utf8.constData(), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)) {
        m_error = QCoreApplication::translate("CZipReader", "The archive holds no %1.").arg(name);
        return false;
    }
    if (st.size > zip_uint64_t(maxSize)) {
        m_error = QCoreApplication::translate("CZipReader", "%1 in the archive is too large.").arg(name);
        return false;
    }
    zip_file_t *file = zip_fopen(m_zip, utf8.constData(), 0);
    if (!file) {
        m_error = QCoreApplication::translate("CZipReader", "%1 in the archive cannot be read: %2.")
                      .arg(name, QString::fromUtf8(zip_strerror(m_zip)));
        return false;
    }
    data.resize(qsizetype(st.size));
    zip_int64_t total = 0;
    while (total < zip_int64_t(st.size)) {
        const zip_int64_t n = zip_fread(file, data.data() + total, st.size - zip_uint64_t(total));
        if (n <= 0)
            break;
        total += n;
    }
    // A damaged member fails its CRC check on the last read.
    const bool ok = total == zip_int64_t(st.size) && zip_fclose(file) == 0;
    if (!ok) {
        m_error = QCoreApplication::translate("CZipReader", "%1 in the archive is damaged.").arg(name);
        data.clear();
    }
    return ok;
}

#include "zipwriter.h"

#include <QCoreApplication>
#include <zip.h>

CZipWriter::CZipWriter()
{
    zip_error_t error;
    zip_error_init(&error);
    m_buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (m_buffer) {
        // Keep the buffer alive after zip_close so the archive can be read back.
        zip_source_keep(m_buffer);
        m_zip = zip_open_from_source(m_buffer, ZIP_TRUNCATE, &error);
    }
    if (!m_zip)
        m_error = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
}

CZipWriter::~CZipWriter()
{
    if (m_zip)
        zip_discard(m_zip);
    if (m_buffer)
        zip_source_free(m_buffer);
}

bool CZipWriter::add(const QString &name, const QByteArray &data, bool store)
{
    if (!m_zip)
        return false;
    // libzip reads the data when the archive is closed: give it its own copy.
    void *copy = ::malloc(size_t(qMax<qsizetype>(data.size(), 1)));
    if (!copy)
        return false;
    memcpy(copy, data.constData(), size_t(data.size()));
    zip_source_t *source = zip_source_buffer(m_zip, copy, zip_uint64_t(data.size()), 1);
    if (!source) {
        ::free(copy);
        m_error = QString::fromUtf8(zip_strerror(m_zip));
        return false;
    }
    const zip_int64_t index =
        zip_file_add(m_zip, name.toUtf8().constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        m_error = QString::fromUtf8(zip_strerror(m_zip));
        return false;
    }
    if (store)
        zip_set_file_compression(m_zip, zip_uint64_t(index), ZIP_CM_STORE, 0);
    return true;
}

QByteArray CZipWriter::finish()
{
    if (!m_zip)
        return {};
    if (zip_close(m_zip) != 0) {
        m_error = QString::fromUtf8(zip_strerror(m_zip));
        return {};
    }
    m_zip = nullptr;
    QByteArray out;
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_source_stat(m_buffer, &st) != 0 || zip_source_open(m_buffer) != 0) {
        m_error = QCoreApplication::translate("CZipWriter", "The archive cannot be read back.");
        return {};
    }
    out.resize(qsizetype(st.size));
    const zip_int64_t n = zip_source_read(m_buffer, out.data(), st.size);
    zip_source_close(m_buffer);
    if (n != zip_int64_t(st.size)) {
        m_error = QCoreApplication::translate("CZipWriter", "The archive cannot be read back.");
        return {};
    }
    return out;
}

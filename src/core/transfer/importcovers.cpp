#include "importcovers.h"

#include "bookimporter.h"
#include "catalog/coverbatch.h"
#include "catalog/coverfiles.h"
#include "online/picturecheck.h"
#include "online/pictureformat.h"
#include "zipreader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStorageInfo>

namespace {

// No single cover is larger than this.
constexpr qint64 kMaxCoverBytes = 64 * 1024 * 1024;

QString memberName(const QString &imageId)
{
    return QStringLiteral("images/") + imageId;
}

} // namespace

CImportCovers::CImportCovers(const CImportTable &table, const CImportOptions &options)
    : m_table(table), m_options(options)
{
    if (m_table.imagesInZip) {
        m_zip = std::make_unique<CZipReader>();
        if (!m_zip->open(m_table.path))
            m_zip.reset();
    }
}

CImportCovers::~CImportCovers() = default;

QString CImportCovers::warning(const Checked &checked, const QString &rowLabel, const QString &ref)
{
    switch (checked.problem) {
    case Checked::TooLarge:
        return QCoreApplication::translate("Import", "%1: the cover picture %2 is larger than %3; it was left out.")
            .arg(rowLabel, ref, QLocale().formattedDataSize(kMaxCoverBytes));
    case Checked::Unreadable:
        return QCoreApplication::translate("Import", "%1: the cover picture %2 could not be read.").arg(rowLabel, ref);
    case Checked::NotAPicture:
        return QCoreApplication::translate("Import", "%1: %2 is not a picture; it was left out.").arg(rowLabel, ref);
    case Checked::CannotBeShown:
        return QCoreApplication::translate("Import", "%1: the cover picture %2 is too large or has too many frames to be shown; it was left out.")
            .arg(rowLabel, ref);
    case Checked::None:
        break;
    }
    return QString();
}

bool CImportCovers::read(const Pending &cover, QByteArray &bytes)
{
    bytes.clear();
    if (!cover.file.isEmpty()) {
        QFile file(cover.file);
        if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxCoverBytes)
            return false;
        bytes = file.readAll();
        return file.error() == QFileDevice::NoError;
    }
    if (m_table.images.contains(cover.imageId)) {
        bytes = m_table.images.value(cover.imageId);
        return true;
    }
    return m_zip && m_zip->read(memberName(cover.imageId), kMaxCoverBytes, bytes);
}

CImportCovers::Checked CImportCovers::check(const Pending &cover, const QString &key)
{
    auto it = m_checked.constFind(key);
    if (it != m_checked.constEnd())
        return *it;
    Checked checked;
    // The size is known without reading: the file's, or the archive's record.
    if (!cover.file.isEmpty())
        checked.size = QFileInfo(cover.file).size();
    else if (m_table.images.contains(cover.imageId))
        checked.size = m_table.images.value(cover.imageId).size();
    else if (m_zip)
        checked.size = m_zip->size(memberName(cover.imageId));
    QByteArray bytes;
    if (checked.size > kMaxCoverBytes) {
        checked.problem = Checked::TooLarge;
    } else if (!read(cover, bytes)) {
        checked.problem = Checked::Unreadable;
    } else if ((checked.extension = PictureExtension(bytes)).isEmpty()) {
        checked.problem = Checked::NotAPicture;
    } else if (!PictureCanBeShown(bytes)) {
        checked.extension.clear();
        checked.problem = Checked::CannotBeShown;
    }
    checked.size = bytes.size();
    m_checked.insert(key, checked);
    return checked;
}

QString CImportCovers::freeName(const QString &stem, const QString &extension)
{
    // Never a name the catalogue or a file already holds: every picture can
    // then go into place before the commit without touching anything stored.
    const QDir folder(m_options.imagesFolder);
    QString name = stem + extension;
    for (int n = 2; m_usedNames.contains(name) || QFileInfo::exists(folder.filePath(name)) ||
                    QFileInfo::exists(folder.filePath(CCoverFiles::StagedName(name)));
         ++n)
        name = stem + QLatin1Char('-') + QString::number(n) + extension;
    m_usedNames.insert(name);
    return name;
}

QString CImportCovers::take(const QString &ref, const QString &stem, const QString &rowLabel, QStringList &warnings)
{
    if (ref.isEmpty())
        return QString();
    Pending cover;
    QString key;
    if (m_table.images.contains(ref) || (m_zip && m_zip->contains(memberName(ref)))) {
        cover.imageId = ref;
        key = QLatin1String("image:") + ref;
    } else {
        // Tellico can keep the pictures in a folder beside the file:
        // books_files/ for books.tc or books.xml. Only a bare file name is
        // looked for there.
        const QFileInfo source(m_table.path);
        const bool bareName = !m_table.path.isEmpty() && !ref.contains(QLatin1Char('/')) &&
                              !ref.contains(QLatin1Char('\\')) && !ref.contains(QLatin1String(".."));
        QFileInfo info(source.absoluteDir(), source.completeBaseName() + QLatin1String("_files/") + ref);
        if (!bareName || !info.isFile()) {
            info = QFileInfo(ref);
            if (info.isRelative())
                info = QFileInfo(source.absoluteDir(), ref);
        }
        if (!info.isFile()) {
            warnings << QCoreApplication::translate("Import", "%1: the cover picture %2 was not found.").arg(rowLabel, ref);
            return QString();
        }
        // Only the file's own folder and what lies below it, wherever "..",
        // symbolic links or an absolute path lead: a file from elsewhere
        // must not name pictures (or anything else) of the user's to copy.
        QString folder = m_table.path.isEmpty() ? QString() : source.absoluteDir().canonicalPath();
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        cover.file = info.canonicalFilePath();
        if (folder.size() < 2 || cover.file.isEmpty() || !cover.file.startsWith(folder)) {
            warnings << QCoreApplication::translate("Import", "%1: the cover picture %2 is not in the folder of the imported file; it was left out.")
                            .arg(rowLabel, ref);
            return QString();
        }
        key = QLatin1String("file:") + cover.file;
    }
    const Checked checked = check(cover, key);
    if (checked.extension.isEmpty()) {
        warnings << warning(checked, rowLabel, ref);
        return QString();
    }
    cover.size = checked.size;
    cover.target = freeName(stem, checked.extension);
    m_covers << cover;
    return cover.target;
}

qint64 CImportCovers::space() const
{
    if (m_options.pictureSpaceLimit >= 0)
        return m_options.pictureSpaceLimit;
    // The images folder may not exist yet: its nearest existing parent is
    // on the same disk.
    QDir dir(m_options.imagesFolder);
    while (!dir.exists() && !dir.isRoot() && dir.cdUp()) {
    }
    const QStorageInfo storage(dir.absolutePath());
    return storage.isValid() ? storage.bytesAvailable() / 2 : 0;
}

bool CImportCovers::write(QString &error)
{
    if (m_covers.isEmpty() && m_retired.isEmpty())
        return true;
    qint64 total = 0;
    for (const Pending &c : std::as_const(m_covers))
        total += c.size;
    const qint64 spare = space();
    if (total > spare) {
        const QLocale locale;
        error = QCoreApplication::translate("Import", "The cover pictures of this file take %1, more than the disk of the images folder can spare (%2, half of its free space).")
                    .arg(locale.formattedDataSize(total), locale.formattedDataSize(spare));
        return false;
    }

    m_batch = std::make_unique<CCoverBatch>(m_options.imagesFolder);
    for (const Pending &c : std::as_const(m_covers))
        m_batch->add(c.target);
    for (const QString &name : std::as_const(m_retired))
        m_batch->retire(name);
    if (!m_batch->begin()) {
        error = QCoreApplication::translate("Import", "Nothing can be written to the images folder %1.").arg(m_options.imagesFolder);
        return false;
    }
    // Books often share a picture: the last one read serves the next.
    QString lastSource;
    QByteArray bytes;
    for (const Pending &c : std::as_const(m_covers)) {
        const QString source = c.file.isEmpty() ? QLatin1String("image:") + c.imageId : c.file;
        if (source != lastSource) {
            lastSource = source;
            // Read again, so a file changed since the look is checked again.
            if (!read(c, bytes) || bytes.size() != c.size || !c.target.endsWith(PictureExtension(bytes)) ||
                !PictureCanBeShown(bytes))
                bytes.clear();
        }
        if (bytes.isEmpty() || !m_batch->put(c.target, bytes)) {
            error = QCoreApplication::translate("Import", "The cover picture %1 could not be written.")
                        .arg(QDir(m_options.imagesFolder).filePath(c.target));
            return false;
        }
    }
    return true;
}

void CImportCovers::finish(Connection &connection)
{
    if (m_batch)
        m_batch->finish(connection);
}

#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

class CCoverBatch;
class CZipReader;
class Connection;
struct CImportOptions;
struct CImportTable;

// The cover pictures of one import. A cover is taken only when it is a
// picture the cover control can show (known by its content, which also
// gives its extension) and comes from the imported file itself (embedded,
// or a member of its archive) or from the file's folder or below. All of
// them are written through one cover journal before the commit.
class CImportCovers
{
public:
    CImportCovers(const CImportTable &table, const CImportOptions &options);
    ~CImportCovers(); // rolls back pictures written for a transaction that did not commit
    CImportCovers(const CImportCovers &) = delete;
    CImportCovers &operator=(const CImportCovers &) = delete;

    // A cover name the catalogue uses: never given to a new picture.
    void addUsedName(const QString &name) { m_usedNames.insert(name); }

    // The stored name ("<stem><ext>", or "<stem>-<n><ext>" when that is
    // taken) for the cover ref of one row; empty with a line in warnings
    // when it is not taken.
    QString take(const QString &ref, const QString &stem, const QString &rowLabel, QStringList &warnings);
    // A stored picture the import replaces: it goes after the commit.
    void retire(const QString &name) { m_retired << name; }

    // Writes every picture (before the commit). False with error when the
    // import must stop: the pictures would take more than the disk can
    // spare, or one cannot be written.
    bool write(QString &error);
    // After the commit: retired pictures no book names go, then the journal.
    void finish(Connection &connection);

private:
    struct Pending
    {
        QString target;  // file name in the images folder
        QString file;    // a picture file to copy (its canonical path), or
        QString imageId; // a picture inside the imported file
        qint64 size = 0;
    };
    // What the look at one source found.
    struct Checked
    {
        enum Problem { None, TooLarge, Unreadable, NotAPicture, CannotBeShown };
        QString extension; // after the content; empty when refused
        qint64 size = 0;
        Problem problem = None;
    };
    static QString warning(const Checked &checked, const QString &rowLabel, const QString &ref);

    bool read(const Pending &cover, QByteArray &bytes);
    Checked check(const Pending &cover, const QString &key);
    QString freeName(const QString &stem, const QString &extension);
    qint64 space() const;

    const CImportTable &m_table;
    const CImportOptions &m_options;
    std::unique_ptr<CZipReader> m_zip;
    QVector<Pending> m_covers;
    QStringList m_retired;
    QSet<QString> m_usedNames;
    QHash<QString, Checked> m_checked; // by source: a shared picture is read once
    std::unique_ptr<CCoverBatch> m_batch;
};

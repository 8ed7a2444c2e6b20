#pragma once

#include <QFile>
#include <QString>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

// Makes path unwritable for this process: a plain user loses the write
// permission; root (who ignores permissions) gets the immutable flag.
// Undone by the destructor.
class WriteLock
{
public:
    explicit WriteLock(const QString &path) : m_path(path)
    {
        if (::geteuid() != 0) {
            m_permissions = QFile::permissions(path);
            m_ok = QFile::setPermissions(path, m_permissions & ~(QFile::WriteOwner | QFile::WriteUser |
                                                                 QFile::WriteGroup | QFile::WriteOther));
            m_chmod = true;
            return;
        }
        m_ok = setImmutable(true);
    }
    ~WriteLock()
    {
        if (m_chmod)
            QFile::setPermissions(m_path, m_permissions);
        else if (m_ok)
            setImmutable(false);
    }
    bool ok() const { return m_ok; }

private:
    bool setImmutable(bool on)
    {
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }

    QString m_path;
    QFile::Permissions m_permissions;
    bool m_chmod = false;
    bool m_ok = false;
};

#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QString>

// A text that one thread writes while another reads it (a lookup's status
// text, shown by the batch dialog's timer while the worker replaces it).
// Copying copies the text.
class CSharedText
{
public:
    CSharedText() = default;
    CSharedText(const QString &text) : m_text(text) {}
    CSharedText(const CSharedText &other) : m_text(other.get()) {}
    CSharedText &operator=(const CSharedText &other)
    {
        if (&other != this)
            set(other.get());
        return *this;
    }
    CSharedText &operator=(const QString &text)
    {
        set(text);
        return *this;
    }

    QString get() const
    {
        QMutexLocker lock(&m_mutex);
        return m_text;
    }
    void set(const QString &text)
    {
        QMutexLocker lock(&m_mutex);
        m_text = text;
    }
    operator QString() const { return get(); }

private:
    mutable QMutex m_mutex;
    QString m_text;
};

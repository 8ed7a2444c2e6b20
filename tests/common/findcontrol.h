#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// The child control of a dialog, sheet or page with the given object name
// (the names the .ui files give). A missing control means the form changed
// under the test, so the test stops at once instead of crashing later on a
// null pointer.
template <typename T> T *FindControl(const QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

template <typename T> T *FindControl(const QObject &parent, const char *name)
{
    return FindControl<T>(&parent, name);
}

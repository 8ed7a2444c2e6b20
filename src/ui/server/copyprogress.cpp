#include "copyprogress.h"

#include "catalog/cataloguecopy.h"

#include <QProgressDialog>

bool CCopyProgress::run(CatalogueCopy &copy, QWidget *parent, const QString &label, DbError *error)
{
    QProgressDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("copyProgress"));
    dialog.setWindowTitle(QStringLiteral("Ordoteca"));
    dialog.setLabelText(label);
    dialog.setWindowModality(Qt::ApplicationModal);
    // Shown at once: even a small copy to a distant server takes a while.
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    // Rows may outnumber an int; the bar counts thousandths.
    dialog.setRange(0, 1000);
    dialog.setValue(0);
    copy.progress = [&dialog](qint64 done, qint64 total) {
        if (total > 0)
            dialog.setValue(int(qMin<qint64>(1000, done * 1000 / total)));
        QCoreApplication::processEvents();
        return !dialog.wasCanceled();
    };
    const bool ok = copy.run(error);
    copy.progress = nullptr;
    return ok;
}

QString CCopyProgress::problemsText(const QStringList &problems)
{
    if (problems.isEmpty())
        return {};
    QString text = tr("These values could not be copied as they were:") + QLatin1Char('\n') +
                   problems.mid(0, kLinesShown).join(QLatin1Char('\n'));
    if (problems.size() > kLinesShown)
        text += QLatin1Char('\n') + tr("...and %n more.", nullptr, int(problems.size() - kLinesShown));
    return text;
}

#include "opendlgex.h"

#include "dialogfilter.h"

#include <QGridLayout>
#include <QImageReader>
#include <QLabel>

namespace {
constexpr int kPreviewSide = 200;
}

COpenDlgEx::COpenDlgEx(const QString &tableFilter, QWidget *parent) : QFileDialog(parent)
{
    // The preview pane needs Qt's own dialog.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setNameFilter(DialogFilter(tableFilter));

    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("picturePreview"));
    m_preview->setFixedSize(kPreviewSide, kPreviewSide);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    if (auto *grid = qobject_cast<QGridLayout *>(layout()))
        grid->addWidget(m_preview, 0, grid->columnCount(), grid->rowCount(), 1);
    connect(this, &QFileDialog::currentChanged, this, &COpenDlgEx::showPreview);
}

QPixmap COpenDlgEx::preview() const
{
    return m_preview->pixmap();
}

void COpenDlgEx::showPreview(const QString &path)
{
    QImageReader reader(path);
    QSize size = reader.size();
    if (size.isValid()) {
        // Decoding at the preview's size keeps large photographs quick.
        reader.setScaledSize(size.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio));
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        m_preview->clear();
        return;
    }
    m_preview->setPixmap(QPixmap::fromImage(
        image.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

QString COpenDlgEx::ChoosePicture(QWidget *parent, const QString &tableFilter)
{
    COpenDlgEx dialog(tableFilter, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

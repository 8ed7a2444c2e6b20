#pragma once

#include "scan/barcodeisbn.h"

#include <QDialog>
#include <QSet>
#include <QStringList>

#include <functional>
#include <memory>

namespace Ui {
class CBarcodeScanDlg;
}
class CBarcodeScanner;
class CCameraFeed;
class QSoundEffect;
class QTimer;
class QVideoSink;
class QVideoWidget;

// Collects ISBNs from book barcodes, either live from a camera or from photos.
// Every new ISBN is listed once per scan (the camera sees the same book in
// many frames); Done hands the list to the caller.
class CBarcodeScanDlg : public QDialog
{
    Q_OBJECT

public:
    enum class Source { Camera, Pictures };

    // Asks for picture files; an empty list when the user cancelled.
    using PicturesDialog = std::function<QStringList(QWidget *parent, const QString &filter)>;

    explicit CBarcodeScanDlg(Source source, QWidget *parent = nullptr);
    ~CBarcodeScanDlg() override;

    // Tests replace the file dialog so that nothing blocks.
    void setOpenPicturesDialog(PicturesDialog dialog) { m_picturesDialog = std::move(dialog); }

    // The ISBNs listed, in the order they were found.
    QStringList isbns() const;

    bool hasCamera() const { return m_hasCamera; }
    // The camera's frames arrive here; a test can feed its own.
    QVideoSink *videoSink() const;
    CBarcodeScanner *scanner() const { return m_scanner.get(); }
    // True while chosen pictures are still being read.
    bool isReadingPictures() const { return m_picturesWaiting > 0; }
    // True for a moment after a new ISBN was found with the camera.
    bool isFlashing() const;

    // The picture files a user may choose.
    static QString picturesFilter();

public slots:
    // Asks for photos and reads them; false when none was chosen.
    bool OnAddPictures();
    void scanPictures(const QStringList &paths);
    void OnRemove();

signals:
    void isbnAdded(const QString &isbn);
    // A picture was read (whatever it held).
    void pictureDone(const QString &path);

private:
    void fillCameraChooser();
    void onCameraChosen(int index);
    void onFrameScanned(const QVector<CBarcodeIsbn> &codes);
    void onPictureScanned(const QString &path, const QVector<CBarcodeIsbn> &codes, bool readable);
    // Lists the new ISBNs among codes; returns how many were new.
    int addIsbns(const QVector<CBarcodeIsbn> &codes);
    void addNote(const QString &text);
    void signalNewIsbn();

    std::unique_ptr<Ui::CBarcodeScanDlg> ui;
    Source m_source;
    // Declared before the feed, which hands it frames: destroyed after it.
    std::unique_ptr<CBarcodeScanner> m_scanner;
    QVideoWidget *m_preview = nullptr;
    std::unique_ptr<CCameraFeed> m_feed;
    QSoundEffect *m_beep = nullptr;
    QTimer *m_flashTimer = nullptr;
    PicturesDialog m_picturesDialog;
    QSet<QString> m_seen;
    QString m_lastRefused;
    int m_picturesWaiting = 0;
    bool m_hasCamera = false;
};

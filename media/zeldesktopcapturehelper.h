#ifndef ZELDESKTOPCAPTUREHELPER_H
#define ZELDESKTOPCAPTUREHELPER_H

#include <QDialog>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QString>

class ZELScreenCaptureEditor;

// Carries one picture from the desktop (or an image file) through the capture
// editor into a chat window. A chat window makes one helper per capture:
//
//     m_captureHelper = new ZELDesktopCaptureHelper;
//     m_captureHelper->m_dataFolder = m_dataFolder;
//     connect(m_captureHelper, &ZELDesktopCaptureHelper::capturedScreen, this, ...);
//     m_captureHelper->showDesktopCaptureWidget(loginId, peerName, conferenceName);
//
// and disposes of it (deleteLater) once capturedScreen has arrived; the helper
// touches nothing of itself after emitting it.
class ZELDesktopCaptureHelper : public QDialog
{
    Q_OBJECT

public:
    ZELDesktopCaptureHelper();
    ~ZELDesktopCaptureHelper() override;

    QString m_dataFolder;
    int m_startX = 0;
    int m_startY = 0;
    int m_endX = 0;
    int m_endY = 0;
    int m_selectionHeight = 0;
    int m_selectionWidth = 0;
    QRect m_lastSelectionRect;
    QString m_loginId;
    QString m_peerName;
    QString m_conferenceName;
    bool m_selecting = false;
    bool m_captureHandled = false;
    QPointer<ZELScreenCaptureEditor> m_screenCaptureEditor;
    // Why the last capture could not be stored (status "NOTSAVED").
    QString m_saveError;

    // The stored capture file's name: peer + login id + stamp + count + ".jpg",
    // or login id + stamp + count + ".jpg" in a conference.
    static QString captureFileName(const QString &peerName, const QString &loginId,
                                   const QString &conferenceName, const QString &stamp, int count);

signals:
    // status: "TRUE" stored, "GREATERTHAN1MB" stored but too large to send,
    // "NOTSAVED" the file could not be written (m_saveError says why), empty
    // when the capture ended without a picture.
    void capturedScreen(QString &status, QString &path, QString &fileName, QString &text);
    void pauseMovieSignal();
    void restartMovieSignal();

public slots:
    void showDesktopCaptureWidget(QString loginId, QString peerName, QString conferenceName);
    void insertImageInEditorWidget(QString loginId, QString peerName, QString conferenceName,
                                   QString imageFile);
    void sendPictureToChatWidget(QPixmap &picture, QString &text);
    void closeScreenCaptureEditorWindow();
    void reScreenCapture(bool recapture);
    void pauseMovie();
    void restartMovie();

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    ZELScreenCaptureEditor *openEditor(const QPixmap &picture, bool withRecapture);
};

#endif

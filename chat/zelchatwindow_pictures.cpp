// Pictures in a chat window: screen capture and inserted image files through
// the capture editor, the picture a message carries, and its encoding.
#include "chat/zelchatwindow.h"

#include "media/zeldesktopcapturehelper.h"
#include "platform/zelchoosers.h"
#include "platform/zelplatform.h"
#include "protocol/zelpicturefield.h"
#include "protocol/zelsafewrite.h"
#include "style/zelmessageboxclass.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextImageFormat>

#include <memory>

namespace {

const char kTooLargeTitle[] = "Screen Capture";
const char kTooLargeText[] = "Screen Capture file size should be less than 1 MB";
const char kCaptured[] = "TRUE";
const char kTooLarge[] = "GREATERTHAN1MB";
const char kNotSaved[] = "NOTSAVED";

void tellNotSaved(ZELChatWindow &window, const QString &reason)
{
    window.m_informationBox->showInformationBox(
        &window, QString::fromLatin1(kTooLargeTitle),
        ZELSafeWrite::notSaved(QStringLiteral("The picture"), ZELSafeWrite::Result{false, reason}));
}

QString pictureFolder(const ZELChatWindow &window)
{
    return window.m_dataFolder + QLatin1Char('/') + ZELPictureField::folderName();
}

// Steps shared by a capture and an inserted file: a new capture window that
// reports to this chat window, the main widget told to stand aside, and the
// chat window out of the way.
void beginCapture(ZELChatWindow &window)
{
    auto *helper = new ZELDesktopCaptureHelper;
    helper->m_dataFolder = window.m_dataFolder;
    window.m_captureHelper = helper;
    QObject::connect(helper, &ZELDesktopCaptureHelper::capturedScreen, &window, &ZELChatWindow::capturedScreen);
    QObject::connect(helper, &ZELDesktopCaptureHelper::pauseMovieSignal, &window, &ZELChatWindow::pauseMovieSignal);
    QObject::connect(helper, &ZELDesktopCaptureHelper::restartMovieSignal, &window,
                     &ZELChatWindow::restartMovieSignal);
    emit window.minimized();
    window.setMouseTracking(true);
    window.m_maximizedFlag = window.isMaximized();
    window.showMinimized();
}

// The result arrives through the capture window's own signal: it may only go
// once that signal has been delivered.
void endCapture(ZELChatWindow &window)
{
    window.restoreWindowState();
    if (window.m_captureHelper)
        window.m_captureHelper->deleteLater();
    window.m_captureHelper = nullptr;
}

} // namespace

void ZELChatWindow::desktopCapture()
{
    if (m_captureHelper)
        return; // one capture at a time
    beginCapture(*this);
    if (participantCount() == 0 && !m_peer.isEmpty())
        m_conferenceSessionName.clear();
    m_captureHelper->showDesktopCaptureWidget(m_ownLoginId, m_peer, m_conferenceSessionName);
}

void ZELChatWindow::insertImageClicked()
{
    if (m_captureHelper)
        return;
    emit pauseMovie();
    const QString file = ZELPlatform::choosers()->openFileName(this, QStringLiteral("Choose a image to insert"),
                                                               QDir::homePath() + QStringLiteral("/Desktop"),
                                                               QStringLiteral("Images (*.png *.gif *.jpg *.bmp)"));
    emit restartMovie();
    if (file.isEmpty())
        return;
    beginCapture(*this);
    m_captureHelper->insertImageInEditorWidget(m_ownLoginId, m_peer, m_conferenceSessionName, file);
}

void ZELChatWindow::capturedScreen(QString &status, QString &path, QString &fileName, QString &text)
{
    serverMessage->setFocus();
    emit screenCaptureClosedSignal();

    if (status.isEmpty() || status == QLatin1String(kTooLarge) || status == QLatin1String(kNotSaved)) {
        m_imageData.clear();
        const QString reason = m_captureHelper ? m_captureHelper->m_saveError : QString();
        endCapture(*this);
        if (status == QLatin1String(kTooLarge))
            m_informationBox->showInformationBox(this, QString::fromLatin1(kTooLargeTitle),
                                                 QString::fromLatin1(kTooLargeText));
        else if (status == QLatin1String(kNotSaved))
            tellNotSaved(*this, reason);
        return;
    }

    m_captureImagePath = path;
    m_imageData = fileName;
    QTextCursor cursor = serverMessage->textCursor();
    cursor.select(QTextCursor::LineUnderCursor);
    cursor.setPosition(cursor.selectionEnd());
    QTextImageFormat image;
    image.setName(pictureFolder(*this) + QLatin1Char('/') + fileName);
    cursor.insertImage(image);
    serverMessage->setTextCursor(cursor);
    if (!text.isEmpty())
        serverMessage->append(text);
    endCapture(*this);
}

void ZELChatWindow::checkPictureFile(QString path)
{
    static const QStringList pictureSuffixes{QStringLiteral("bmp"), QStringLiteral("png"), QStringLiteral("gif"),
                                             QStringLiteral("jpg"), QStringLiteral("tif")};
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || !pictureSuffixes.contains(path.mid(dot + 1))) {
        m_pictureDropped = false;
        return;
    }

    const QString folder = pictureFolder(*this);
    if (!QDir(folder).exists())
        QDir().mkpath(folder);
    const QDateTime now = QDateTime::currentDateTime();
    const QString stamp =
        now.date().toString(Qt::ISODate) + now.time().toString(Qt::TextDate).left(11).remove(QLatin1Char(':'));
    // The folder's entry count makes the name; a count that repeats (a file was
    // removed) must not overwrite an older picture.
    int count = int(QDir(folder).count());
    QString name;
    do {
        name = m_peer + m_ownLoginId + stamp + QString::number(count++) + QStringLiteral(".jpg");
    } while (QFileInfo::exists(folder + QLatin1Char('/') + name));

    const QImage picture(path);
    if (m_questionBox->showQuestionBox(this, QStringLiteral("Insert Image"),
                                       QStringLiteral("Do you want to send this image file?"), 3, 4)
        == 3) {
        QString target = folder + QLatin1Char('/') + name;
        QString status;
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        ZELSafeWrite::Result saved{false, QString()};
        if (picture.save(&buffer, "JPEG")) {
            saved = ZELSafeWrite::create(target, jpeg);
            // The editor's limit holds for a picture that goes around it too.
            if (saved)
                status = jpeg.size() >= ZELPictureField::MaxPictureFileSize ? QString::fromLatin1(kTooLarge)
                                                                            : QString::fromLatin1(kCaptured);
        }
        QString text;
        capturedScreen(status, target, name, text);
        if (!saved && !saved.error.isEmpty())
            tellNotSaved(*this, saved.error);
    }
    m_pictureDropped = true;
}

void ZELChatWindow::convertImageString(QString path, QString &field)
{
    QByteArray compressed;
    QFile file(path);
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))
        compressed = qCompress(file.readAll(), 9);
    file.close();
    field = QString::fromLatin1(compressed.toBase64());
}

void ZELChatWindow::attachPendingPicture(QString &encodedHtml)
{
    if (!m_imageData.isEmpty()) {
        // The receiver keeps the picture in its own folder: the path travels relative.
        const QString relative = ZELPictureField::folderName() + QLatin1Char('/') + m_imageData;
        encodedHtml.replace(pictureFolder(*this) + QLatin1Char('/') + m_imageData, relative);
        QString data;
        convertImageString(m_captureImagePath, data);
        m_imageData = m_imageData + ZELPictureField::marker() + data;
    }
    m_captureImagePath.clear();
}

void ZELChatWindow::keepTranscriptEndInView()
{
    QScrollBar *bar = totalMessage->verticalScrollBar();
    auto atEnd = std::make_shared<bool>(true);
    connect(bar, &QScrollBar::valueChanged, this, [bar, atEnd](int value) { *atEnd = value >= bar->maximum(); });
    connect(bar, &QScrollBar::rangeChanged, this, [bar, atEnd](int, int maximum) {
        if (*atEnd)
            bar->setValue(maximum);
    });
}

void ZELChatWindow::pauseMovieSignal()
{
    emit pauseMovie();
}

void ZELChatWindow::restartMovieSignal()
{
    emit restartMovie();
}

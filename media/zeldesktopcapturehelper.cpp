#include "media/zeldesktopcapturehelper.h"

#include "media/zelscreencaptureeditor.h"
#include "platform/zelplatform.h"
#include "platform/zelscreengrabber.h"
#include "protocol/zelsafewrite.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr qint64 CaptureSizeLimit = 1048576; // bytes; a file this size is refused

} // namespace

ZELDesktopCaptureHelper::ZELDesktopCaptureHelper()
    : QDialog(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowOpacity(0.5);
    auto *label = new QLabel(tr("Screen Capture Mode"), this);
    label->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Helvetica"), 50);
    font.setWeight(QFont::Bold);
    font.setItalic(false);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setBrush(QPalette::WindowText, QBrush(QColor(97, 97, 97), Qt::SolidPattern));
    label->setPalette(palette);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    setCursor(Qt::CrossCursor);
}

ZELDesktopCaptureHelper::~ZELDesktopCaptureHelper()
{
    m_dataFolder.clear();
    m_loginId.clear();
    m_peerName.clear();
    m_conferenceName.clear();
}

QString ZELDesktopCaptureHelper::captureFileName(const QString &peerName, const QString &loginId,
                                                 const QString &conferenceName,
                                                 const QString &stamp, int count)
{
    const QString tail = stamp + QString::number(count) + QStringLiteral(".jpg");
    if (conferenceName.isEmpty())
        return peerName + loginId + tail;
    return loginId + tail;
}

void ZELDesktopCaptureHelper::showDesktopCaptureWidget(QString loginId, QString peerName,
                                                       QString conferenceName)
{
    m_selecting = false;
    m_loginId = loginId;
    m_peerName = peerName;
    m_conferenceName = conferenceName;
    const QRect desktop = ZELPlatform::screenGrabber()->desktopGeometry();
    setGeometry(0, 0, desktop.width(), desktop.height());
    showFullScreen();
}

ZELScreenCaptureEditor *ZELDesktopCaptureHelper::openEditor(const QPixmap &picture,
                                                            bool withRecapture)
{
    auto *editor = new ZELScreenCaptureEditor;
    m_screenCaptureEditor = editor;
    connect(editor, &ZELScreenCaptureEditor::sendPictureToChatWidget, this,
            &ZELDesktopCaptureHelper::sendPictureToChatWidget);
    connect(editor, &ZELScreenCaptureEditor::closeScreenCaptureEditorWindow, this,
            &ZELDesktopCaptureHelper::closeScreenCaptureEditorWindow);
    if (withRecapture)
        connect(editor, &ZELScreenCaptureEditor::reScreenCapture, this,
                &ZELDesktopCaptureHelper::reScreenCapture);
    connect(editor, &ZELScreenCaptureEditor::pauseMovie, this, &ZELDesktopCaptureHelper::pauseMovie);
    connect(editor, &ZELScreenCaptureEditor::restartMovie, this,
            &ZELDesktopCaptureHelper::restartMovie);
    editor->setPicture(picture);
    return editor;
}

void ZELDesktopCaptureHelper::insertImageInEditorWidget(QString loginId, QString peerName,
                                                        QString conferenceName, QString imageFile)
{
    m_loginId = loginId;
    m_peerName = peerName;
    m_conferenceName = conferenceName;
    const QPixmap picture(imageFile);
    ZELScreenCaptureEditor *editor = openEditor(picture, false);
    editor->setWindowTitle(tr("Insert Image"));
    editor->m_logoLabel->setText(tr("Insert Image"));
    editor->m_reScreenCaptureButton->hide();
    editor->setModal(true);
    editor->activateWindow();
    editor->setMask(editor->rect());
    editor->show();
}

void ZELDesktopCaptureHelper::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    m_startX = p.x();
    m_startY = p.y();
    m_selecting = true;
}

void ZELDesktopCaptureHelper::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton)
        return;
    const QPoint p = event->position().toPoint();
    m_endX = p.x();
    m_endY = p.y();
    repaint();
}

void ZELDesktopCaptureHelper::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    if (!m_selecting)
        return;
    QPainter painter(this);
    painter.setPen(QPen(QBrush(Qt::red, Qt::SolidPattern), 3.0, Qt::SolidLine, Qt::SquareCap,
                        Qt::RoundJoin));
    painter.setBrush(QBrush(Qt::black, Qt::Dense6Pattern));
    const QRect selection(QPoint(m_startX, m_startY), QPoint(m_endX, m_endY));
    painter.drawRect(selection);
    m_lastSelectionRect = selection;
}

void ZELDesktopCaptureHelper::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return;
    m_selectionWidth = qAbs(m_endX - m_startX);
    m_selectionHeight = qAbs(m_endY - m_startY);
    if (m_startX > m_endX)
        m_startX = m_endX;
    if (m_startY > m_endY)
        m_startY = m_endY;
    hide();

    QRect area;
    if (m_endX == 0 && m_endY == 0)
        area = QRect(m_lastSelectionRect.x(), m_lastSelectionRect.y(), m_lastSelectionRect.width(),
                     m_lastSelectionRect.height());
    else
        area = QRect(m_startX, m_startY, m_selectionWidth, m_selectionHeight);
    ZELScreenGrabber *grabber = ZELPlatform::screenGrabber();
    // Overlay coordinates start at the desktop's own top-left corner.
    const QPixmap picture = grabber->grabDesktop(area.translated(grabber->desktopGeometry().topLeft()));

    m_startX = m_startY = m_endX = m_endY = 0;
    m_selectionWidth = m_selectionHeight = 0;
    repaint();
    close();

    ZELScreenCaptureEditor *editor = openEditor(picture, true);
    editor->setModal(true);
    editor->setMask(editor->rect());
    editor->show();
}

void ZELDesktopCaptureHelper::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        closeScreenCaptureEditorWindow();
    }
}

void ZELDesktopCaptureHelper::sendPictureToChatWidget(QPixmap &picture, QString &text)
{
    QString status;
    const QDateTime now = QDateTime::currentDateTime();
    const QString stamp = now.date().toString(Qt::ISODate).remove(QLatin1Char('-'))
                          + now.time().toString(QStringLiteral("hh:mm:ss")).remove(QLatin1Char(':'));
    const QString folder = m_dataFolder + QStringLiteral("/ScreenCapture");
    if (!QDir(folder).exists())
        QDir(m_dataFolder).mkdir(QStringLiteral("ScreenCapture"));
    // The folder's entry count makes the name; a count that repeats (a file
    // was removed) must not write over an older capture.
    int count = int(QDir(folder).count());
    QString fileName;
    QString path;
    do {
        fileName = captureFileName(m_peerName, m_loginId, m_conferenceName, stamp, count++);
        path = folder + QLatin1Char('/') + fileName;
    } while (QFileInfo::exists(path));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG", -1);
    const ZELSafeWrite::Result saved = ZELSafeWrite::create(path, jpeg);
    m_saveError = saved.error;
    if (saved)
        status = jpeg.size() >= CaptureSizeLimit ? QStringLiteral("GREATERTHAN1MB") : QStringLiteral("TRUE");
    else
        status = QStringLiteral("NOTSAVED");
    m_captureHandled = true;
    emit capturedScreen(status, path, fileName, text);
}

void ZELDesktopCaptureHelper::closeScreenCaptureEditorWindow()
{
    const bool handled = m_captureHandled;
    m_captureHandled = false;
    if (!handled) {
        QString status, path, fileName, text;
        emit capturedScreen(status, path, fileName, text);
    }
}

void ZELDesktopCaptureHelper::reScreenCapture(bool recapture)
{
    m_captureHandled = recapture;
    const QRect desktop = ZELPlatform::screenGrabber()->desktopGeometry();
    setGeometry(0, 0, desktop.width(), desktop.height());
    showFullScreen();
}

void ZELDesktopCaptureHelper::pauseMovie()
{
    emit pauseMovieSignal();
}

void ZELDesktopCaptureHelper::restartMovie()
{
    emit restartMovieSignal();
}

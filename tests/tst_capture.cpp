#include "zeltestmain.h"

#include "media/zeldesktopcapturehelper.h"
#include "media/zelscreencaptureeditor.h"
#include "platform/zelfakechoosers.h"
#include "platform/zelfakescreengrabber.h"
#include "platform/zelplatform.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsTextItem>
#include <QComboBox>
#include <QDockWidget>
#include <QMenu>
#include <QImageReader>
#include <QPixmapCache>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <functional>

namespace {

struct Report {
    int count = 0;
    QString status, path, fileName, text;
};

void listen(ZELDesktopCaptureHelper *helper, Report *report)
{
    QObject::connect(helper, &ZELDesktopCaptureHelper::capturedScreen, helper,
                     [report](QString &status, QString &path, QString &fileName, QString &text) {
                         ++report->count;
                         report->status = status;
                         report->path = path;
                         report->fileName = fileName;
                         report->text = text;
                     });
}

void overlayMouse(QWidget *overlay, QEvent::Type type, QPoint p, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(p), QPointF(overlay->mapToGlobal(p)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(overlay, &event);
}

void sceneMouse(ZELScreenCaptureEditor *editor, QEvent::Type type, QPoint p)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(QPointF(p));
    event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
    event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::LeftButton);
    QApplication::sendEvent(editor->m_scene, &event);
}

// A press, moves along the way and a release, as a mouse drag on the canvas does.
void drag(ZELScreenCaptureEditor *editor, QPoint from, QPoint to)
{
    sceneMouse(editor, QEvent::GraphicsSceneMousePress, from);
    for (int i = 1; i <= 4; ++i)
        sceneMouse(editor, QEvent::GraphicsSceneMouseMove, from + (to - from) * i / 4);
    sceneMouse(editor, QEvent::GraphicsSceneMouseRelease, to);
}

ZELScreenCaptureEditor *whiteEditor(int w = 200, int h = 100)
{
    auto *editor = new ZELScreenCaptureEditor;
    QPixmap picture(w, h);
    picture.fill(Qt::white);
    editor->setPicture(picture);
    return editor;
}

bool isRed(const QImage &image, QPoint p)
{
    const QColor c = image.pixelColor(p);
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}

} // namespace

class TestCapture : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_grabber.grabbedAreas.clear();
        m_choosers.saveFileAnswers.clear();
        m_choosers.colorAnswers.clear();
        m_choosers.asked.clear();
        ZELPlatform::setScreenGrabber(&m_grabber);
        ZELPlatform::setChoosers(&m_choosers);
    }
    void cleanup()
    {
        ZELPlatform::setScreenGrabber(nullptr);
        ZELPlatform::setChoosers(nullptr);
        QList<QPointer<ZELScreenCaptureEditor>> editors;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *editor = qobject_cast<ZELScreenCaptureEditor *>(w))
                editors << editor;
        for (const QPointer<ZELScreenCaptureEditor> &editor : editors)
            delete editor.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void grabsTheDraggedRectangle_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("end");
        QTest::addColumn<QRect>("grabbed");
        QTest::newRow("up-left") << QPoint(500, 400) << QPoint(200, 100) << QRect(200, 100, 300, 300);
        QTest::newRow("down-right") << QPoint(10, 20) << QPoint(110, 70) << QRect(10, 20, 100, 50);
        QTest::newRow("click") << QPoint(50, 50) << QPoint() << QRect(0, 0, 0, 0);
    }
    void grabsTheDraggedRectangle()
    {
        QFETCH(QPoint, press);
        QFETCH(QPoint, end);
        QFETCH(QRect, grabbed);
        ZELDesktopCaptureHelper helper;
        Report report;
        listen(&helper, &report);
        helper.showDesktopCaptureWidget("alice", "bob", QString());
        QVERIFY(helper.isVisible());
        overlayMouse(&helper, QEvent::MouseButtonPress, press, Qt::LeftButton);
        if (!end.isNull())
            overlayMouse(&helper, QEvent::MouseMove, end, Qt::LeftButton);
        overlayMouse(&helper, QEvent::MouseButtonRelease, end.isNull() ? press : end, Qt::NoButton);

        QCOMPARE(m_grabber.grabbedAreas.size(), 1);
        QCOMPARE(m_grabber.grabbedAreas.first(), grabbed);
        QVERIFY(!helper.isVisible());
        QVERIFY(helper.m_screenCaptureEditor);
        QVERIFY(helper.m_screenCaptureEditor->isVisible());
        QVERIFY(helper.m_screenCaptureEditor->m_reScreenCaptureButton->isVisibleTo(
                helper.m_screenCaptureEditor));
        QCOMPARE(helper.m_screenCaptureEditor->m_currentImage.size(), grabbed.size());
        QCOMPARE(report.count, 0);

        // Closing the editor without inserting reports that no picture came, once.
        helper.m_screenCaptureEditor->m_cancelButton->click();
        QCOMPARE(report.count, 1);
        QVERIFY(report.status.isEmpty() && report.path.isEmpty() && report.fileName.isEmpty());
    }

    void escapeOnOverlayReportsNothingOnce()
    {
        ZELDesktopCaptureHelper helper;
        Report report;
        listen(&helper, &report);
        helper.showDesktopCaptureWidget("alice", "bob", QString());
        QTest::keyClick(&helper, Qt::Key_Escape);
        QCOMPARE(report.count, 1);
        QVERIFY(report.status.isEmpty() && report.path.isEmpty());
        QVERIFY(!helper.isVisible());
    }

    void reCaptureReturnsToTheOverlaySilently()
    {
        ZELDesktopCaptureHelper helper;
        Report report;
        listen(&helper, &report);
        helper.showDesktopCaptureWidget("alice", "bob", QString());
        overlayMouse(&helper, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton);
        overlayMouse(&helper, QEvent::MouseMove, QPoint(60, 60), Qt::LeftButton);
        overlayMouse(&helper, QEvent::MouseButtonRelease, QPoint(60, 60), Qt::NoButton);
        QVERIFY(helper.m_screenCaptureEditor);
        helper.m_screenCaptureEditor->m_reScreenCaptureButton->click();
        QCOMPARE(report.count, 0);
        QVERIFY(helper.isVisible());
        QTest::keyClick(&helper, Qt::Key_Escape);
        QCOMPARE(report.count, 1);
    }

    void insertStoresTheCaptureAsJpeg_data()
    {
        QTest::addColumn<QString>("conference");
        QTest::addColumn<bool>("large");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("status");
        QTest::newRow("one-to-one") << QString() << false << "^bobalice\\d{14}2\\.jpg$" << "TRUE";
        QTest::newRow("conference") << "room" << false << "^alice\\d{14}2\\.jpg$" << "TRUE";
        QTest::newRow("over 1 MiB") << QString() << true << "^bobalice\\d{14}2\\.jpg$"
                                    << "GREATERTHAN1MB";
    }
    void insertStoresTheCaptureAsJpeg()
    {
        QFETCH(QString, conference);
        QFETCH(bool, large);
        QFETCH(QString, pattern);
        QFETCH(QString, status);
        QTemporaryDir data;
        auto *helper = new ZELDesktopCaptureHelper;
        helper->m_dataFolder = data.path();
        Report report;
        listen(helper, &report);
        QPixmap picture;
        if (large) {
            // Noise barely compresses, so this JPEG passes 1 MiB.
            QImage noise(1400, 1400, QImage::Format_RGB32);
            for (int y = 0; y < noise.height(); ++y) {
                auto *line = reinterpret_cast<quint32 *>(noise.scanLine(y));
                for (int x = 0; x < noise.width(); ++x)
                    line[x] = QRandomGenerator::global()->generate() | 0xff000000u;
            }
            picture = QPixmap::fromImage(noise);
        } else {
            picture = QPixmap(120, 80);
            picture.fill(Qt::blue);
        }
        const QString file = data.filePath("picked.png");
        QVERIFY(picture.save(file));
        helper->insertImageInEditorWidget("alice", "bob", conference, file);
        ZELScreenCaptureEditor *editor = helper->m_screenCaptureEditor;
        QVERIFY(editor);
        QCOMPARE(editor->windowTitle(), QString("Insert Image"));
        QCOMPARE(editor->m_logoLabel->text(), QString("Insert Image"));
        QVERIFY(!editor->m_reScreenCaptureButton->isVisibleTo(editor));
        int closes = 0;
        connect(editor, &ZELScreenCaptureEditor::closeScreenCaptureEditorWindow, this,
                [&closes] { ++closes; });
        editor->m_screenCaptureTextEdit->setPlainText("  look\n\n  here  ");
        editor->m_pasteScreenCaptureButton->click();

        QCOMPARE(report.count, 1);
        QCOMPARE(closes, 0);
        QCOMPARE(report.status, status);
        QCOMPARE(report.text, QString("look here"));
        QVERIFY2(QRegularExpression(pattern).match(report.fileName).hasMatch(),
                 qPrintable(report.fileName));
        QCOMPARE(report.path, data.path() + "/ScreenCapture/" + report.fileName);
        QImageReader reader(report.path);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), picture.size());
        QCOMPARE(QFileInfo(report.path).size() >= 1048576, large);
        delete helper;
    }

    void toolsPaintWhereDragged_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("painted");
        QTest::addColumn<QPoint>("untouched");
        QTest::newRow("pencil") << 0 << QPoint(10, 50) << QPoint(90, 50) << QPoint(50, 50) << QPoint(50, 60);
        QTest::newRow("line") << 1 << QPoint(10, 10) << QPoint(110, 10) << QPoint(60, 10) << QPoint(60, 30);
        QTest::newRow("rectangle") << 2 << QPoint(20, 20) << QPoint(80, 60) << QPoint(20, 40) << QPoint(50, 40);
        QTest::newRow("ellipse") << 3 << QPoint(20, 20) << QPoint(80, 60) << QPoint(50, 20) << QPoint(20, 20);
        QTest::newRow("arrow") << 4 << QPoint(20, 50) << QPoint(120, 50) << QPoint(95, 44) << QPoint(95, 30);
    }
    void toolsPaintWhereDragged()
    {
        QFETCH(int, tool);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QPoint, painted);
        QFETCH(QPoint, untouched);
        QScopedPointer<ZELScreenCaptureEditor> editor(whiteEditor());
        const QList<std::function<void()>> tools = {
            [&] { editor->setScribble(); }, [&] { editor->setLine(); },
            [&] { editor->setRectangle(); }, [&] { editor->setElipse(); },
            [&] { editor->setArrowLine(); }};
        tools.at(tool)();
        drag(editor.data(), from, to);
        QVERIFY(isRed(editor->m_currentImage, painted));
        QVERIFY(!isRed(editor->m_currentImage, untouched));
        QVERIFY(editor->m_undoToolButton->isEnabled());
        QCOMPARE(editor->m_startX, 0);
        QCOMPARE(editor->m_endY, 0);
    }

    void eraserClearsRightwardsAndDown()
    {
        QScopedPointer<ZELScreenCaptureEditor> editor(new ZELScreenCaptureEditor);
        QPixmap picture(100, 100);
        picture.fill(Qt::black);
        editor->setPicture(picture);
        editor->setEraser();
        QVERIFY(editor->m_eraserFrame->isVisibleTo(editor.data()));
        editor->set25EraserWidth();
        QVERIFY(editor->m_20EWidth->isChecked());
        sceneMouse(editor.data(), QEvent::GraphicsSceneMousePress, QPoint(40, 40));
        sceneMouse(editor.data(), QEvent::GraphicsSceneMouseMove, QPoint(40, 40));
        QCOMPARE(editor->m_currentImage.pixelColor(54, 54), QColor(Qt::white));
        QCOMPARE(editor->m_currentImage.pixelColor(39, 39), QColor(Qt::black));
        QCOMPARE(editor->m_currentImage.pixelColor(55, 55), QColor(Qt::black));
    }

    void drawingOutsideTheImageIsRefused()
    {
        QScopedPointer<ZELScreenCaptureEditor> editor(whiteEditor());
        editor->setLine();
        sceneMouse(editor.data(), QEvent::GraphicsSceneMousePress, QPoint(10, 10));
        sceneMouse(editor.data(), QEvent::GraphicsSceneMouseMove, QPoint(50, 50));
        sceneMouse(editor.data(), QEvent::GraphicsSceneMouseRelease, QPoint(300, 300));
        QCOMPARE(editor->m_errorLabel->text(), QString("Please draw within image"));
        QVERIFY(editor->m_errorLabel->isVisibleTo(editor.data()));
        QVERIFY(!editor->m_undoToolButton->isEnabled());
        QVERIFY(!isRed(editor->m_currentImage, QPoint(30, 30)));
    }

    void undoAndRedoWalkTheHistory()
    {
        QScopedPointer<ZELScreenCaptureEditor> editor(whiteEditor());
        editor->setLine();
        drag(editor.data(), QPoint(10, 20), QPoint(150, 20));
        drag(editor.data(), QPoint(10, 60), QPoint(150, 60));
        const QPoint first(80, 20), second(80, 60);
        QCOMPARE(editor->m_undoStep, 4);

        editor->undoDefaultImage();
        QVERIFY(isRed(editor->m_currentImage, first));
        QVERIFY(!isRed(editor->m_currentImage, second));
        QVERIFY(editor->m_redoToolButton->isEnabled());
        editor->undoDefaultImage();
        QVERIFY(!isRed(editor->m_currentImage, first));
        editor->redoDefaultImage();
        QVERIFY(isRed(editor->m_currentImage, first));
        QVERIFY(!isRed(editor->m_currentImage, second));
        editor->redoDefaultImage();
        QVERIFY(isRed(editor->m_currentImage, second));
        QVERIFY(!editor->m_redoToolButton->isEnabled());

        // Ctrl+Z reaches undo through the window's key handling.
        QTest::keyClick(editor.data(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!isRed(editor->m_currentImage, second));
    }

    void whiteBoardSwitchesPages()
    {
        QScopedPointer<ZELScreenCaptureEditor> editor(new ZELScreenCaptureEditor);
        QPixmap picture(60, 40);
        picture.fill(Qt::black);
        editor->setPicture(picture);
        editor->changeWhiteBoard();
        QCOMPARE(editor->m_currentImage.size(), QSize(500, 500));
        QCOMPARE(editor->m_whiteBoardButton->toolTip(), QString("Default Image"));
        editor->changeWhiteBoard();
        QCOMPARE(editor->m_currentImage.size(), QSize(60, 40));
        QCOMPARE(editor->m_whiteBoardButton->toolTip(), QString("White Board"));
        QVERIFY(!editor->m_undoToolButton->isEnabled());
    }

    void cropKeepsTheSelection_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QSize>("size");
        QTest::newRow("down-right") << QPoint(10, 10) << QPoint(109, 59) << QSize(100, 50);
        QTest::newRow("up-left keeps all") << QPoint(100, 80) << QPoint(10, 10) << QSize(200, 100);
    }
    void cropKeepsTheSelection()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QSize, size);
        QScopedPointer<ZELScreenCaptureEditor> editor(whiteEditor());
        editor->setSelectionRectangle();
        drag(editor.data(), from, to);
        QVERIFY(editor->m_cutToolButton->isEnabled());
        editor->m_cutToolButton->click();
        QCOMPARE(editor->m_currentImage.size(), size);
        QVERIFY(!editor->m_cutToolButton->isEnabled());
    }

    void rotateTurnsClockwise()
    {
        QScopedPointer<ZELScreenCaptureEditor> editor(new ZELScreenCaptureEditor);
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setPixelColor(0, 0, Qt::red);
        editor->setPicture(QPixmap::fromImage(image));
        editor->rotateImage();
        QCOMPARE(editor->m_currentImage.size(), QSize(200, 300));
        QVERIFY(isRed(editor->m_currentImage, QPoint(199, 0)));
        QCOMPARE(editor->m_undoStep, 3);
        QVERIFY(editor->m_undoToolButton->isEnabled());
        for (int i = 0; i < 3; ++i)
            editor->rotateImage();
        QCOMPARE(editor->m_currentImage.convertToFormat(QImage::Format_RGB32),
                 image.convertToFormat(QImage::Format_RGB32));
    }

    void saveWritesTheChosenFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("jpg") << "shot.jpg" << QByteArray("jpeg");
        QTest::newRow("png") << "shot.png" << QByteArray("png");
        QTest::newRow("capital suffix refused") << "shot.PNG" << QByteArray();
        QTest::newRow("no suffix refused") << "shot" << QByteArray();
    }
    void saveWritesTheChosenFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QTemporaryDir folder;
        QScopedPointer<ZELScreenCaptureEditor> editor(whiteEditor());
        int pauses = 0, restarts = 0;
        connect(editor.data(), &ZELScreenCaptureEditor::pauseMovie, this, [&pauses] { ++pauses; });
        connect(editor.data(), &ZELScreenCaptureEditor::restartMovie, this,
                [&restarts] { ++restarts; });
        editor->setPenWidth5();
        editor->setLine();
        drag(editor.data(), QPoint(10, 10), QPoint(150, 10));
        const QString path = folder.filePath(name);
        m_choosers.saveFileAnswers << path;
        QTest::keyClick(editor.data(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_choosers.asked, QStringList{"Choose a directory to save file"});
        QCOMPARE(pauses, 1);
        QCOMPARE(restarts, 1);
        QCOMPARE(QFileInfo::exists(path), !format.isEmpty());
        if (!format.isEmpty()) {
            QImageReader reader(path);
            QCOMPARE(reader.format(), format);
            const QImage saved = reader.read();
            QCOMPARE(saved.size(), QSize(200, 100));
            QVERIFY(isRed(saved, QPoint(80, 10)));
        }
    }

    void closingAnyWayReportsTheEndOnce_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("close button") << 0;
        QTest::newRow("title close") << 1;
        QTest::newRow("escape") << 2;
    }
    void closingAnyWayReportsTheEndOnce()
    {
        QFETCH(int, way);
        QPointer<ZELScreenCaptureEditor> editor(whiteEditor());
        editor->show();
        int ends = 0;
        connect(editor.data(), &ZELScreenCaptureEditor::closeScreenCaptureEditorWindow, this,
                [&ends] { ++ends; });
        QPixmapCache::insert("ZEL1", QPixmap(4, 4));
        if (way == 0)
            editor->m_cancelButton->click();
        else if (way == 1)
            editor->m_closeButton->click();
        else
            QTest::keyClick(editor->m_screenCaptureTextEdit, Qt::Key_Escape);
        QCOMPARE(ends, 1);
        QVERIFY(!editor->isVisible());
        QPixmap kept;
        QVERIFY(!QPixmapCache::find("ZEL1", &kept));
        QTRY_VERIFY(editor.isNull());
    }

    void textIsBurntIntoThePicture()
    {
        QScopedPointer<ZELScreenCaptureEditor> editor(whiteEditor(300, 150));
        editor->show();
        editor->m_textToolButton->click();
        QVERIFY(editor->m_textMode);
        QVERIFY(editor->m_textStyleDock->isVisible());
        sceneMouse(editor.data(), QEvent::GraphicsSceneMousePress, QPoint(20, 20));
        QVERIFY(editor->m_textItem);
        QCOMPARE(editor->m_textItem->pos(), QPointF(20, 20));
        QCOMPARE(editor->m_textItem->font().pointSize(), 20);
        editor->m_textItem->setPlainText("WWWW");
        // Choosing another tool commits the box into the picture and closes the panel.
        editor->setLine();
        QVERIFY(!editor->m_textItem);
        QVERIFY(!editor->m_textStyleDock->isVisible());
        QVERIFY(!editor->m_textToolButton->isChecked());
        int red = 0;
        for (int y = 20; y < 60; ++y)
            for (int x = 20; x < 120; ++x)
                red += isRed(editor->m_currentImage, QPoint(x, y)) ? 1 : 0;
        QVERIFY2(red > 50, qPrintable(QString::number(red)));
        QVERIFY(!isRed(editor->m_currentImage, QPoint(250, 120)));
    }

    void widthMenuKeepsOneEntryChecked()
    {
        QScopedPointer<ZELScreenCaptureEditor> editor(whiteEditor());
        QCOMPARE(editor->m_penWidth, 2);
        QVERIFY(editor->m_penWidth2Action->isChecked());
        editor->m_penWidth4Action->trigger();
        QCOMPARE(editor->m_penWidth, 4);
        QVERIFY(editor->m_penWidth4Action->isChecked());
        QVERIFY(!editor->m_penWidth2Action->isChecked());
        editor->m_penWidth4Action->trigger();
        QVERIFY(editor->m_penWidth4Action->isChecked());
        // The brush draws 10 wide and gives the chosen width back to the pencil.
        editor->setBrushForWhiteBoard();
        QCOMPARE(editor->m_penWidth, 10);
        editor->setScribble();
        QCOMPARE(editor->m_penWidth, 4);
    }

    void shortcutsNeedExactlyControl()
    {
        QScopedPointer<ZELScreenCaptureEditor> editor(whiteEditor());
        editor->setLine();
        drag(editor.data(), QPoint(10, 20), QPoint(150, 20));
        QTest::keyClick(editor.data(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(isRed(editor->m_currentImage, QPoint(80, 20)));
        QTest::keyClick(editor.data(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(editor->m_currentImage.size(), QSize(500, 500));
        QTest::keyClick(editor.data(), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(editor->m_arrowToolButton->isChecked());
        QVERIFY(!editor->m_lineButton->isChecked());
    }

    void textStylePanelRestylesTheOpenBox()
    {
        QScopedPointer<ZELScreenCaptureEditor> editor(whiteEditor());
        QCOMPARE(editor->m_fontSizeComboBox->currentText(), QString("20"));
        QVERIFY(editor->m_boldButton->isChecked());
        QCOMPARE(editor->m_textColorAction->text(), QString("red"));
        editor->insertText();
        sceneMouse(editor.data(), QEvent::GraphicsSceneMousePress, QPoint(5, 5));
        QVERIFY(editor->m_textItem);
        editor->m_boldButton->click();
        QVERIFY(!editor->m_textItem->font().bold());
        editor->m_fontSizeComboBox->setEditText("64");
        QCOMPARE(editor->m_textItem->font().pointSize(), 64);
        editor->m_fontSizeComboBox->setEditText("0");
        QCOMPARE(editor->m_textFont.pointSize(), 64);

        QAction *blue = editor->m_textColorButton->menu()->actions().at(1);
        QCOMPARE(blue->text(), QString("blue"));
        blue->trigger();
        QCOMPARE(editor->m_textColor, QColor(Qt::blue));
        QCOMPARE(editor->m_textItem->defaultTextColor(), QColor(Qt::blue));
        m_choosers.colorAnswers << QColor(10, 200, 30);
        editor->m_moreColorAction->trigger();
        QCOMPARE(editor->m_textColor, QColor(10, 200, 30));
        // The button's main part brings back the last colour chosen from the menu.
        editor->m_textColorButton->click();
        QCOMPARE(editor->m_textColor, QColor(Qt::blue));
    }

private:
    ZELFakeScreenGrabber m_grabber;
    ZELFakeChoosers m_choosers;
};

ZEL_TEST_MAIN(TestCapture)
#include "tst_capture.moc"

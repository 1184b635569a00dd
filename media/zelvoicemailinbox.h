#ifndef ZELVOICEMAILINBOX_H
#define ZELVOICEMAILINBOX_H

#include /* form */ "ui/ui_zelvoicemailinboxdialog.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QMovie;
class QTimer;
class ZELFramelessHelper;
class ZELMessageBoxClass;

// Lists the user's voice mails; opening a new one fetches it from the server
// first, then plays it with a running clock or saves a copy. Long-lived child
// of the main widget, only hidden when closed.
class ZELVoiceMailInbox : public QDialog, public Ui_ZELVoiceMailInboxDialog
{
    Q_OBJECT

public:
    enum Column { ValueColumn, SenderColumn, StatusColumn, TimeColumn, FileNameColumn };
    enum Page { DownloadPage, InboxPage, PlayPage };
    // On a file-name cell: the name the mail was stored under in the voice-mail folder.
    static constexpr int StoredNameRole = Qt::UserRole + 2;

    explicit ZELVoiceMailInbox(QWidget *parent);
    ~ZELVoiceMailInbox() override;

    void closeConnection();
    void connectedServer();

    // The recorded length carried in a voice-mail file name, read after its
    // second "`VS`" so that user names holding "MIN" or "SEC" do not shift it.
    static void recordedLength(const QString &fileName, int *minutes, int *seconds);
    // The length as the table shows it: 00:0m:ss.
    static QString lengthText(const QString &fileName);
    // The sender's user name: the text between the first and second "`VS`".
    static QString senderOf(const QString &fileName);

    // Empties the table and fills it with (file name, shown sender) pairs, all "New".
    // The inbox table: emptied, then a row per voice mail (its file name and
    // the value shown as its sender).
    void clearTable();
    void addVoiceMail(const QString &fileName, const QString &value);

    QString m_dataFolder; // set by the main widget right after construction
    QString m_playFileName;
    QString m_saveFolder;
    QString m_selectedFileName;
    QString m_selectedSender;
    QString m_selectedStoredName; // the selected mail's file in the voice-mail folder
    int m_selectedRow = -1;
    int m_downloadRow = -1; // the row whose mail is being fetched
    int m_durationMinutes = 0;
    int m_sliderTicks = 0;
    int m_clockMinutes = 0;
    int m_clockSeconds = 0;
    int m_durationSeconds = 0;
    bool m_downloadNeeded = false;
    bool m_disconnected = false;
    bool m_playing = false;
    QMovie *m_playingMovie = nullptr;
    QTimer *m_playbackClock = nullptr;
    ZELMessageBoxClass *m_questionBox = nullptr;
    ZELMessageBoxClass *m_informationBox = nullptr;

signals:
    void downLoadVoiceMailfromServer(QStringList &request);
    void pauseMovie();
    void restartMovie();

public slots:
    void disableButtons();
    void backAction();
    void stopVoiceMail();
    void selectedFileToDowload(int row, int column);
    void openVoiceMail();
    void playVoiceMail();
    void playSlideBar();
    void saveVoiceMail();
    void selectedFileToOpen(int row, int column);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings(QWidget *parent);
    void initializeMemberVariables();
    void setZELStyle();
    void defaultSettings();
    void signalsAndSlots();
    void resetClock();
    QString voiceMailFolder() const;

    ZELFramelessHelper *m_frame = nullptr;
};

#endif

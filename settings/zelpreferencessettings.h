#ifndef ZELPREFERENCESSETTINGS_H
#define ZELPREFERENCESSETTINGS_H

#include <QDialog>
#include <QString>
#include <QStringList>

// The preferences dialog: one page per settings list. Made anew for each
// opening as a window-modal child of the main widget; it works on copies
// and hands whole lists back through its save signals.
class ZELPreferencesSettings : public QDialog
{
    Q_OBJECT

public:
    explicit ZELPreferencesSettings(QWidget *parent);

    QStringList m_autoStatusSettings;
    QStringList m_chatWindowSettings;
    QStringList m_statusMessageSettings;
    QStringList m_chatHistorySettings;
    QStringList m_notificationSettings;
    QStringList m_contactDisplaySettings;
    QString m_defaultFileLocation;
    QString m_userName;
    QString m_quickReplyMessages;
    QString m_quickReplyOption;

signals:
    void showSampleNotification(QString &kind);
    void savePreferenceNotificationSettings(QStringList &notificationSettings);
    void saveFTPDefaultLocation(QString &folder);
    void saveContactDisplaySettingsInXML(QStringList &contactDisplaySettings);
    void saveChatWindowSettings(QStringList &chatWindowSettings);
    void saveDefaultAutoStatusSettings(QStringList &autoStatusSettings);
    void saveStatusMessages(QStringList &statusMessageSettings);
    void saveChatHistoryDetails(QStringList &chatHistorySettings);
    void saveQuickReplySettingsSignals(QString &quickReplies, QString &quickReplyOption);

public slots:
    // Keeps copies of the main widget's settings and shows the dialog.
    void showPreferencesSettings(QStringList notificationSettings, QString defaultFileLocation,
                                 QStringList connectionSettings, QStringList contactDisplaySettings,
                                 QStringList chatWindowSettings, QStringList autoStatusSettings,
                                 QStringList statusMessageSettings, QStringList chatHistorySettings,
                                 QString userName, QString quickReplies, QString quickReplyOption);
};

#endif

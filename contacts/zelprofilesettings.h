#ifndef ZELPROFILESETTINGS_H
#define ZELPROFILESETTINGS_H

#include /* form */ "ui/ui_zelprofilesettings.h"

#include <QDateTime>
#include <QDialog>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTime>

class ZELFramelessHelper;
class ZELMessageBoxClass;

// The signed-in user's own profile: address fields, country, time zone (with
// the local time there) and photo. Made anew for each opening; it deletes
// itself when it closes. Update hands the edited list to the main widget.
class ZELProfileSettings : public QDialog, public Ui_ZELProfileSettings
{
    Q_OBJECT

public:
    // Positions of the own-profile list.
    enum ProfileValue { DisplayName, Street, Area, City, State, Phone, Email, ZipCode, Photo, Country, TimeZone,
                        BuildingName, ProfileSize };

    explicit ZELProfileSettings(QWidget *parent);
    ~ZELProfileSettings() override;

    // "hh:mm ap" in a "GMT+hh:mm" zone for a UTC time of day; empty for a
    // text without a signed offset.
    static QString zoneTime(const QString &zone, const QTime &utc);
    // Base64 of the photo file compressed with qCompress at level 8.
    static QString encodePhoto(const QByteArray &fileBytes);

    QString m_dataFolder;
    QPoint m_dragPosition;
    bool m_dragging = false;
    QString m_photoBase64;
    QStringList m_profile;
    ZELMessageBoxClass *m_questionBox = nullptr;

signals:
    void updateUserProfileString(QStringList &profile);
    void pauseMovie();
    void restartMovie();

public slots:
    void changeImageClicked();
    void showUserProfileDialog(QStringList profile);
    void resetUserProfileDetails();
    void updateUserProfileDetails();
    void resetImageFunction();
    void changeTimeCombo(QString zone);
    void cancelSlot();
    void enableOKButton(QString text);

protected slots:
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings(QWidget *parent);
    void signalsAndSlots();
    void loadCountryAndTimeZoneLists();
    void setFieldValidators();
    void setZELStyle();
    void showPhoto(const QString &value);

    ZELFramelessHelper *m_frame = nullptr;
};

#endif

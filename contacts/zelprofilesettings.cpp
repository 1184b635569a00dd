#include "contacts/zelprofilesettings.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QPixmap>
#include <QRegularExpressionValidator>


#include "contacts/zelcontacttable.h"
#include "platform/zelchoosers.h"
#include "platform/zelplatform.h"
#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"

namespace {

const char SelectCountry[] = "<Select Country>";
const char DefaultPhoto[] = ":images/userimage.png";
const char PhotoSheet[] = "border: 1px solid gray; border-radius: 5px;padding: 3px3px;"
                          "background-color:qconicalgradient(x1: 0, y1: 0, x2: 0.5, y2: 0.5,"
                          "stop: 0 #1891D0, stop: 1 white);";
const char PhotoHoverSheet[] = "border: 1px solid gray; border-radius: 5px;padding: 1px1px;";

QStringList readList(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QLatin1Char(','), Qt::KeepEmptyParts);
}

} // namespace

ZELProfileSettings::ZELProfileSettings(QWidget *parent)
    : QDialog(parent)
{
    windowSettings(parent);
    signalsAndSlots();
    loadCountryAndTimeZoneLists();
    setFieldValidators();
    setZELStyle();
    setWindowModality(Qt::WindowModal);
}

ZELProfileSettings::~ZELProfileSettings()
{
    m_photoBase64.clear();
    m_dataFolder.clear();
    m_profile.clear();
    delete m_questionBox;
    m_questionBox = nullptr;
}

void ZELProfileSettings::windowSettings(QWidget *parent)
{
    setupUi(this);
    // The frame helper would close on the title button; here it asks first.
    m_frame = ZELFramelessHelper::frameDialog(
        this, parent, ZELFramelessHelper::WindowBackground | ZELFramelessHelper::NoAutoDefault);
}

void ZELProfileSettings::signalsAndSlots()
{
    disconnect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_closeButton, &QPushButton::clicked, this, &ZELProfileSettings::cancelSlot);
    connect(m_cancelButton, &QPushButton::clicked, this, &ZELProfileSettings::cancelSlot);
    connect(m_changeImageButton, &QPushButton::clicked, this, &ZELProfileSettings::changeImageClicked);
    connect(m_resetButton, &QPushButton::clicked, this, &ZELProfileSettings::resetUserProfileDetails);
    connect(m_updateButton, &QPushButton::clicked, this, &ZELProfileSettings::updateUserProfileDetails);
    connect(m_resetImageButton, &QPushButton::clicked, this, &ZELProfileSettings::resetImageFunction);
    for (QLineEdit *edit : {m_streetLineEdit, m_buildingName, m_areaLineEdit, m_cityLineEdit, m_stateLineEdit,
                            m_phoneLineEdit, m_eMailAddressLineEdit, m_zipCodeLineEdit})
        connect(edit, &QLineEdit::textChanged, this, &ZELProfileSettings::enableOKButton);
    connect(m_country, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) { enableOKButton(m_country->itemText(index)); });
    connect(m_timeZoneComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) { changeTimeCombo(m_timeZoneComboBox->itemText(index)); });
    // Escape hides a dialog without a close event: it goes all the same.
    connect(this, &QDialog::rejected, this, &QObject::deleteLater);
}

void ZELProfileSettings::loadCountryAndTimeZoneLists()
{
    for (QObject *object : {static_cast<QObject *>(this), static_cast<QObject *>(m_displayImageLabel),
                            static_cast<QObject *>(m_closeButton)})
        object->installEventFilter(this);
    m_country->addItem(QString::fromLatin1(SelectCountry));
    m_country->addItems(readList(QStringLiteral(":images/countries.txt")));
    m_timeZoneComboBox->addItems(readList(QStringLiteral(":images/timeZone.txt")));
}

void ZELProfileSettings::setFieldValidators()
{
    m_dragging = false;
    m_questionBox = new ZELMessageBoxClass(QString(), QString(), QMessageBox::Question, ZELMessageBoxClass::Yes,
                                           ZELMessageBoxClass::No, ZELMessageBoxClass::NoButton, this);
    auto validator = [this](const char *pattern) {
        return new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(pattern)), this);
    };
    // The "|" and blanks inside the classes are literal characters of the patterns.
    m_eMailAddressLineEdit->setValidator(
        validator("[A-Z|a-z|0-9|\\~|\\!|\\@|\\$|\\%|\\^|\\&|\\|\\/|\\*|\\_|\\?|\\>|\\<|\\.|\\:|\\;]{1,30}"));
    m_streetLineEdit->setValidator(validator("[A-Z a-z 0-9 \\- \\. \\_ \\. \\ ]{1,45}"));
    QValidator *areaAndBuilding = validator("[A-Z a-z 0-9 \\- \\_ \\. \\ ]{1,25}");
    m_areaLineEdit->setValidator(areaAndBuilding);
    m_buildingName->setValidator(areaAndBuilding);
    m_cityLineEdit->setValidator(validator("[A-Z a-z \\. \\ ]{1,25}"));
    m_stateLineEdit->setValidator(validator("[A-Z a-z \\. \\ ]{1,25}"));
    m_phoneLineEdit->setValidator(validator("[0-9]{1,15}"));
    m_zipCodeLineEdit->setValidator(validator("[A-Z a-z 0-9 \\- \\_ \\(\\)\\ ]{1,15}"));
}

void ZELProfileSettings::setZELStyle()
{
    const QString sheet = ZELContactTable::styleSheet();
    for (QWidget *input : std::initializer_list<QWidget *>{
             m_firstNameLineEdit, m_streetLineEdit, m_areaLineEdit, m_cityLineEdit, m_stateLineEdit, m_phoneLineEdit,
             m_eMailAddressLineEdit, m_country, m_zipCodeLineEdit, m_timeZoneComboBox, m_buildingName})
        input->setStyleSheet(sheet);
    m_displayImageLabel->setStyleSheet(QString::fromLatin1(PhotoSheet));
}

QString ZELProfileSettings::zoneTime(const QString &zone, const QTime &utc)
{
    const int gmt = zone.indexOf(QLatin1String("GMT"));
    QString offset = gmt < 0 ? QString() : zone.mid(gmt + 3);
    const int next = offset.indexOf(QLatin1String("GMT"));
    if (next >= 0)
        offset = offset.left(next);
    if (!offset.startsWith(QLatin1Char('+')) && !offset.startsWith(QLatin1Char('-')))
        return QString();
    const int hours = offset.right(5).left(2).toInt();
    const int minutes = offset.section(QLatin1Char(':'), 1, 1).toInt();
    const int seconds = int(float(hours * 60 + minutes) * 60.0f);
    const QTime local = utc.addSecs(offset.startsWith(QLatin1Char('+')) ? seconds : -seconds);
    return local.toString(QStringLiteral("hh:mm ap"));
}

QString ZELProfileSettings::encodePhoto(const QByteArray &fileBytes)
{
    return QString::fromLatin1(qCompress(fileBytes, 8).toBase64());
}

void ZELProfileSettings::showPhoto(const QString &value)
{
    QPixmap picture;
    if (!value.isEmpty())
        picture.loadFromData(qUncompress(QByteArray::fromBase64(value.toLatin1())));
    if (picture.isNull())
        picture.load(QString::fromLatin1(DefaultPhoto));
    m_displayImageLabel->setPixmap(picture);
}

void ZELProfileSettings::showUserProfileDialog(QStringList profile)
{
    m_profile = profile;
    resetUserProfileDetails();
    show();
}

void ZELProfileSettings::resetUserProfileDetails()
{
    // A profile shorter than twelve values (no sign-in yet) reads as empty values.
    auto value = [this](ProfileValue v) { return m_profile.value(v); };
    m_firstNameLineEdit->setText(value(DisplayName));
    m_streetLineEdit->setText(value(Street));
    m_areaLineEdit->setText(value(Area));
    m_cityLineEdit->setText(value(City));
    m_stateLineEdit->setText(value(State));
    m_phoneLineEdit->setText(value(Phone));
    m_eMailAddressLineEdit->setText(value(Email));
    m_zipCodeLineEdit->setText(value(ZipCode));
    m_buildingName->setText(value(BuildingName));
    m_photoBase64 = value(Photo);
    const QTime utc = QDateTime::currentDateTimeUtc().time();
    m_country->setCurrentIndex(m_country->findText(value(Country), Qt::MatchExactly | Qt::MatchCaseSensitive));
    const QString zone = value(TimeZone);
    const QString time = zoneTime(zone, utc);
    m_timeLabel->setText(time.isEmpty() ? utc.toString(QStringLiteral("hh:mm ap")) : time);
    m_timeZoneComboBox->setCurrentIndex(
        m_timeZoneComboBox->findText(zone, Qt::MatchExactly | Qt::MatchCaseSensitive));
    showPhoto(value(Photo));
    m_resetButton->setEnabled(false);
    m_updateButton->setEnabled(false);
    m_resetImageButton->setEnabled(false);
}

void ZELProfileSettings::changeImageClicked()
{
    emit pauseMovie();
    const QString fileName = ZELPlatform::choosers()->openFileName(
        this, tr("Choose a image to insert"), QDir::homePath() + QStringLiteral("/Desktop"),
        tr("Images (*.png *.gif *.jpg *.bmp)"));
    emit restartMovie();
    if (fileName.isEmpty())
        return;
    // The photo is made in memory: a file for it could fail on a full disk
    // and would only be read back at once.
    const QImage chosen(fileName);
    QByteArray jpeg;
    if (!chosen.isNull()) {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        chosen.scaled(m_displayImageLabel->width(), m_displayImageLabel->height(), Qt::KeepAspectRatioByExpanding,
                      Qt::SmoothTransformation)
            .save(&buffer, "JPG");
    }
    m_displayImageLabel->setPixmap(QPixmap(fileName));
    m_resetButton->setEnabled(true);
    m_updateButton->setEnabled(true);
    m_resetImageButton->setEnabled(true);
    m_photoBase64 = encodePhoto(jpeg);
}

void ZELProfileSettings::resetImageFunction()
{
    m_photoBase64 = m_profile.value(Photo);
    m_resetImageButton->setEnabled(false);
    showPhoto(m_photoBase64);
}

void ZELProfileSettings::updateUserProfileDetails()
{
    if (m_country->currentText() == QLatin1String(SelectCountry)) {
        m_displayErrorMessage->show();
        m_displayErrorMessage->setText(tr("Please fill mandatory fields"));
        return;
    }
    QStringList profile{m_firstNameLineEdit->text().simplified(), m_streetLineEdit->text().simplified(),
                        m_areaLineEdit->text().simplified(),      m_cityLineEdit->text().simplified(),
                        m_stateLineEdit->text().simplified(),     m_phoneLineEdit->text().simplified(),
                        m_eMailAddressLineEdit->text().simplified(), m_zipCodeLineEdit->text().simplified(),
                        m_photoBase64,                            m_country->currentText().simplified(),
                        m_timeZoneComboBox->currentText().simplified(), m_buildingName->text().simplified()};
    emit updateUserProfileString(profile);
    close();
}

void ZELProfileSettings::enableOKButton(QString)
{
    m_resetButton->setEnabled(true);
    m_updateButton->setEnabled(true);
    m_displayErrorMessage->hide();
}

void ZELProfileSettings::changeTimeCombo(QString zone)
{
    const QTime utc = QDateTime::currentDateTimeUtc().time();
    const QString time = zoneTime(zone, utc);
    if (!time.isEmpty())
        m_timeLabel->setText(time);
    else if (zone == QLatin1String("GMT"))
        m_timeLabel->setText(utc.toString(QStringLiteral("hh:mm ap")));
    m_resetButton->setEnabled(true);
    m_updateButton->setEnabled(true);
    m_displayErrorMessage->hide();
}

void ZELProfileSettings::cancelSlot()
{
    if (m_updateButton->isEnabled()) {
        if (m_questionBox->showQuestionBox(this, tr("My Profile"), tr("Close without saving changes ?"), 3, 4) == 3)
            close();
        return;
    }
    close();
}

bool ZELProfileSettings::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_displayImageLabel) {
        if (event->type() == QEvent::Leave)
            m_displayImageLabel->setStyleSheet(QString::fromLatin1(PhotoSheet));
        else if (event->type() == QEvent::Enter)
            m_displayImageLabel->setStyleSheet(QString::fromLatin1(PhotoHoverSheet));
    } else if (watched == this && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Enter || (key == Qt::Key_Return && m_updateButton->isEnabled()))
            updateUserProfileDetails();
    }
    return false;
}

void ZELProfileSettings::closeEvent(QCloseEvent *event)
{
    event->accept();
    deleteLater();
}

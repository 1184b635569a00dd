#include "zeldemodirectory.h"

#include "protocol/zelpreferencesfile.h"
#include "protocol/zelsettingslists.h"

#include <QDateTime>

const QString ZELDemoDirectory::Company = QStringLiteral("Zembrio Demo");
const QString ZELDemoDirectory::DefaultPassword = QStringLiteral("demo");

namespace {

struct Seed
{
    const char *login;
    const char *displayName;
    const char *department;
    const char *jobTitle;
    const char *street;
    const char *city;
    const char *phone;
    bool answersChats;
};

const Seed seeds[] = {
    {"alice", "Alice Andersen", "Engineering", "Developer", "1 Harbour Street", "Springfield", "555-0101", false},
    {"bob", "Bob Brandt", "Engineering", "Tester", "2 Mill Lane", "Springfield", "555-0102", false},
    {"carol", "Carol Castell", "Engineering", "Team Lead", "3 Station Road", "Shelbyville", "555-0103", false},
    {"dave", "Dave Dorsey", "Sales", "Account Manager", "4 Market Square", "Shelbyville", "555-0104", false},
    {"erin", "Erin Eastwood", "Sales", "Sales Assistant", "5 Orchard Way", "Ogdenville", "555-0105", false},
    {"helpdesk", "Help Desk", "Sales", "Support", "6 Bridge Street", "Ogdenville", "555-0100", true},
};

// Every demo user sits where the demo runs: their profiles give this
// machine's own zone, in the form of the profile's zone list.
QString machineZone()
{
    const int seconds = QDateTime::currentDateTime().offsetFromUtc();
    if (seconds == 0)
        return QStringLiteral("GMT");
    const int minutes = qAbs(seconds) / 60;
    return QStringLiteral("GMT%1%2:%3")
        .arg(seconds > 0 ? QLatin1Char('+') : QLatin1Char('-'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

ZELDemoDirectory::ZELDemoDirectory()
{
    const QString zone = machineZone();
    for (const Seed &seed : seeds) {
        Person person;
        person.login = QString::fromLatin1(seed.login);
        person.displayName = QString::fromLatin1(seed.displayName);
        person.department = QString::fromLatin1(seed.department);
        person.jobTitle = QString::fromLatin1(seed.jobTitle);
        person.password = DefaultPassword;
        person.answersChats = seed.answersChats;
        person.ownProfile = QStringList(OwnSize, QString());
        person.ownProfile[OwnDisplayName] = person.displayName;
        person.ownProfile[OwnStreet] = QString::fromLatin1(seed.street);
        person.ownProfile[OwnArea] = QStringLiteral("Old Town");
        person.ownProfile[OwnCity] = QString::fromLatin1(seed.city);
        person.ownProfile[OwnState] = QStringLiteral("Lower Saxony");
        person.ownProfile[OwnPhone] = QString::fromLatin1(seed.phone);
        person.ownProfile[OwnEmail] = person.login + QStringLiteral("@demo.invalid");
        person.ownProfile[OwnZipCode] = QStringLiteral("30159");
        person.ownProfile[OwnCountry] = QStringLiteral("Germany");
        person.ownProfile[OwnTimeZone] = zone;
        person.ownProfile[OwnBuilding] = QStringLiteral("Main Building");
        m_order << person.login;
        m_people.insert(person.login, person);
    }
    // Everyone starts with everyone else as an approved contact.
    for (Person &person : m_people) {
        for (const QString &other : std::as_const(m_order)) {
            if (other != person.login)
                person.contacts.insert(other);
        }
    }
}

ZELDemoDirectory::Person *ZELDemoDirectory::find(const QString &login)
{
    auto it = m_people.find(login);
    return it == m_people.end() ? nullptr : &it.value();
}

const ZELDemoDirectory::Person *ZELDemoDirectory::find(const QString &login) const
{
    auto it = m_people.constFind(login);
    return it == m_people.constEnd() ? nullptr : &it.value();
}

QStringList ZELDemoDirectory::cardProfile(const Person &person) const
{
    QStringList card(CardSize, QString());
    const QStringList &own = person.ownProfile;
    card[CardJobTitle] = person.jobTitle;
    card[CardGroup] = Company;
    card[CardEmail] = own.value(OwnEmail);
    card[CardDepartment] = person.department;
    card[CardDisplayName] = person.displayName;
    card[CardStreet] = own.value(OwnStreet);
    card[CardArea] = own.value(OwnArea);
    card[CardCity] = own.value(OwnCity);
    card[CardZipCode] = own.value(OwnZipCode);
    card[CardPhone] = own.value(OwnPhone);
    card[CardPhoto] = own.value(OwnPhoto);
    card[CardTimeZone] = own.value(OwnTimeZone);
    card[CardCompany] = Company;
    return card;
}

QStringList ZELDemoDirectory::statusProfile(const Person &person) const
{
    QStringList values = cardProfile(person).mid(0, CardPhoto);
    values << Company;
    return values;
}

QStringList ZELDemoDirectory::requestProfile(const Person &person) const
{
    QStringList values = cardProfile(person);
    values[CardTimeZone] = Company;
    return values;
}

QStringList ZELDemoDirectory::watchersOf(const QString &login) const
{
    QStringList watchers;
    for (const QString &other : m_order) {
        if (other != login && m_people.value(other).contacts.contains(login))
            watchers << other;
    }
    return watchers;
}

QList<const ZELDemoDirectory::Person *> ZELDemoDirectory::search(const QString &keyword,
                                                                const QString &searcher) const
{
    QList<const Person *> found;
    const QString key = keyword.trimmed();
    for (const QString &login : m_order) {
        const Person &person = *find(login);
        if (login == searcher)
            continue;
        if (key.isEmpty() || person.login.contains(key, Qt::CaseInsensitive)
            || person.displayName.contains(key, Qt::CaseInsensitive)
            || person.department.contains(key, Qt::CaseInsensitive)
            || person.jobTitle.contains(key, Qt::CaseInsensitive))
            found << &person;
    }
    return found;
}

bool ZELDemoDirectory::seedClientSettings(const QString &zelFolder, quint16 port, const QString &login)
{
    ZELPreferencesFile file(zelFolder);
    const QStringList connection = {QStringLiteral("127.0.0.1"), QString::number(port),
                                    QStringLiteral("NoProxy"), QString(), QString(), QString(), QString()};
    ZELPreferencesFile::UserSettings user = ZELPreferencesFile::UserSettings::defaults(
        login, DefaultPassword, QStringLiteral("TRUE"), QStringLiteral("TRUE"));
    user.autoStatus[ZELAutoStatusList::AutoLogin] = QStringLiteral("TRUE");
    return file.addUser(user, connection);
}

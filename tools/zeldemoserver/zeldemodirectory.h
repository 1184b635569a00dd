#ifndef ZELDEMODIRECTORY_H
#define ZELDEMODIRECTORY_H

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// The demo office: a fixed set of people in two departments, each with a
// password, an own profile (editable for the run) and a contact list. Nothing
// here is written to disk; a restart brings the office back as it was.
class ZELDemoDirectory
{
public:
    // Positions of the own profile the client edits and reads at sign-in.
    enum OwnValue { OwnDisplayName, OwnStreet, OwnArea, OwnCity, OwnState, OwnPhone, OwnEmail, OwnZipCode,
                    OwnPhoto, OwnCountry, OwnTimeZone, OwnBuilding, OwnSize };
    // Positions of the profile others see of a contact ("&&"-joined on the wire).
    enum CardValue { CardJobTitle, CardGroup, CardEmail, CardDepartment, CardDisplayName, CardStreet, CardArea,
                     CardCity, CardZipCode, CardPhone, CardPhoto, CardTimeZone, CardCompany, CardSize };

    struct Person
    {
        QString login;
        QString displayName;
        QString department;
        QString jobTitle;
        QString password;
        QStringList ownProfile; // OwnSize values
        QSet<QString> contacts;
        QStringList pendingRequests; // logins who asked to add this person, oldest first
        bool answersChats = false;
    };

    static const QString Company;
    static const QString DefaultPassword;

    ZELDemoDirectory();

    Person *find(const QString &login);
    const Person *find(const QString &login) const;
    bool contains(const QString &login) const { return m_people.contains(login); }
    QStringList logins() const { return m_order; }

    // The profile a contact shows, as the contact tree and the cards read it.
    QStringList cardProfile(const Person &person) const;
    // The same without photo and time zone, as a status change carries it.
    QStringList statusProfile(const Person &person) const;
    // A waiting request's profile carries the company where others carry the time zone.
    QStringList requestProfile(const Person &person) const;

    // Writes a client's preferences file in `zelFolder` (its data folder): this
    // server at 127.0.0.1:`port`, and `login` with the demo password signing
    // in by himself. False when the file could not be written.
    static bool seedClientSettings(const QString &zelFolder, quint16 port, const QString &login);

    // People whose contact list shows `login` (and so hear of its presence).
    QStringList watchersOf(const QString &login) const;
    // Directory search by login, display name, department or job title; never the searcher.
    QList<const Person *> search(const QString &keyword, const QString &searcher) const;

private:
    QHash<QString, Person> m_people;
    QStringList m_order;
};

#endif

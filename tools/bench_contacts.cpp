// Prints how long the contact tree takes to take in a large contact list and
// a run of status changes, each delivered as the socket delivers it.

#include "core/zelclient.h"
#include "zelbenchhome.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>

namespace {

constexpr int contactCount = 5000;
constexpr int changeCount = 1000;

QString userName(int i)
{
    return QStringLiteral("user%1").arg(i, 5, 10, QLatin1Char('0'));
}

QString profile(int i)
{
    QStringList values(12);
    values[0] = QStringLiteral("Engineer");
    values[1] = QStringLiteral("Company %1").arg(i % 10);
    values[11] = QStringLiteral("GMT+05:30");
    return values.join(QStringLiteral("&&"));
}

// The sign-in list: eight values per contact joined by "," with a trailing ",".
QByteArray contactList()
{
    QStringList values;
    for (int i = 0; i < contactCount; ++i) {
        const bool online = i % 2 == 0;
        values << userName(i) << (online ? QStringLiteral("Online") : QStringLiteral("Offline"))
               << QStringLiteral("Department %1").arg(i / 10 % 10) << QStringLiteral("Contact %1").arg(i)
               << profile(i) << QStringLiteral("Working") << QStringLiteral("Online") << QStringLiteral("APPROVED");
    }
    const QString text = (values.join(QLatin1Char(',')) + QLatin1Char(',')).toHtmlEscaped();
    return (QStringLiteral("<NEWUSER><OWN>") + text + QStringLiteral("</OWN></NEWUSER>:::"))
        .toLatin1();
}

QByteArray statusChanges()
{
    static const char *const words[] = {"Away", "Busy", "Meeting", "Online"};
    QByteArray block;
    for (int n = 0; n < changeCount; ++n) {
        const int i = (n * 7 % (contactCount / 2)) * 2; // online contacts, spread over the tree
        block += QStringLiteral("<CHANGESTATUS><USERNAME>%1</USERNAME><MESSAGE>Back at %2</MESSAGE>"
                                "<STATUS>%3</STATUS><COMPANY>Company %4</COMPANY><NAME>Contact %5</NAME>"
                                "<PROFILE>%6</PROFILE></CHANGESTATUS>:::")
                     .arg(userName(i)).arg(n).arg(QLatin1String(words[n % 4])).arg(i % 10).arg(i)
                     .arg(profile(i).toHtmlEscaped())
                     .toLatin1();
    }
    return block;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    zelBenchUseHome(home);
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(images);

    ZELClient client;
    client.m_loginId = QStringLiteral("benchmark");
    client.successFullLoginStatus({QStringLiteral("LOGIN"), QStringLiteral("SUCCESSLOGIN"), QStringLiteral("Bench"),
                                   QString(), QStringLiteral("1"), QString()});
    client.show();
    QCoreApplication::processEvents();

    QByteArray list = contactList();
    QByteArray noFiles;
    QElapsedTimer timer;
    timer.start();
    client.messageFromServer(list, noFiles);
    const double listMs = timer.nsecsElapsed() / 1e6;
    const qsizetype records = client.m_users.size();
    const qsizetype present = client.m_presentContacts.size();

    QByteArray changes = statusChanges();
    timer.restart();
    client.messageFromServer(changes, noFiles);
    const double changeMs = timer.nsecsElapsed() / 1e6;

    std::printf("contacts in the list: %d (records %lld, present %lld)\n", contactCount,
                static_cast<long long>(records), static_cast<long long>(present));
    std::printf("contact list into the tree: %.1f ms (goal: under 300 ms)\n", listMs);
    std::printf("%d status changes: %.1f ms (%.3f ms each)\n", changeCount, changeMs, changeMs / changeCount);
    return 0;
}

// The demo server for trying the client on one machine (scripts/run.sh starts
// it): a small office of a few users in two departments, every one of whom
// signs in with the password "demo", and "helpdesk", who answers chats.
//
//   zeldemoserver [--port N] [--data DIR] [--user LOGIN] [--seed-only]
//
// With --data DIR (a client's XDG_DATA_HOME) a client that has no preferences
// file yet gets one pointing at this server, holding one user block that signs
// LOGIN (default "alice") in automatically; a client seeded earlier for this
// server on another port is moved to the port given. --seed-only writes those
// settings for a further client and ends without serving.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include "protocol/zelpreferencesfile.h"
#include "protocol/zelsettingslists.h"
#include "zeldemodirectory.h"
#include "zeldemoserver.h"

namespace {

// A first run of the client would ask for the server: answer that ahead. A
// client seeded before, for this server on another port, follows the port;
// settings for any other server are left as they are.
bool seedClientSettings(const QString &dataHome, quint16 port, const QString &login)
{
    const QString folder = QDir(dataHome).filePath(QStringLiteral("ZEL"));
    ZELPreferencesFile file(folder);
    if (!file.exists())
        return ZELDemoDirectory::seedClientSettings(folder, port, login);
    const ZELPreferencesFile::ReadResult stored = file.read(QString());
    QStringList connection = stored.connectionSettings;
    const QString wanted = QString::number(port);
    if (stored.state != ZELPreferencesFile::Loaded || connection.value(ZELConnectionList::Host) != QLatin1String("127.0.0.1")
        || connection.value(ZELConnectionList::Port) == wanted)
        return true;
    connection[ZELConnectionList::Port] = wanted;
    return file.replaceConnection(connection);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Zembrio demo server (a development aid, not a product)"));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port on 127.0.0.1."),
                                        QStringLiteral("N"), QStringLiteral("5222"));
    const QCommandLineOption dataOption(QStringLiteral("data"),
                                        QStringLiteral("Client data home to give first-run settings."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption userOption(QStringLiteral("user"),
                                        QStringLiteral("Login signed in automatically by those settings."),
                                        QStringLiteral("LOGIN"), QStringLiteral("alice"));
    const QCommandLineOption seedOption(QStringLiteral("seed-only"),
                                        QStringLiteral("Write the client's settings and end without serving."));
    parser.addOptions({portOption, dataOption, userOption, seedOption});
    parser.process(app);

    QTextStream err(stderr);
    bool ok = false;
    const uint port = parser.value(portOption).toUInt(&ok);
    if (!ok || port > 65535) {
        err << "zeldemoserver: bad port\n";
        return 2;
    }
    const ZELDemoDirectory directory;
    const ZELDemoDirectory::Person *user = directory.find(parser.value(userOption));
    if (!user || user->answersChats) {
        err << "zeldemoserver: unknown user " << parser.value(userOption) << "\n";
        return 2;
    }

    if (parser.isSet(seedOption)) {
        if (!parser.isSet(dataOption) || port == 0) {
            err << "zeldemoserver: --seed-only needs --data and a port\n";
            return 2;
        }
        if (!seedClientSettings(parser.value(dataOption), quint16(port), user->login)) {
            err << "zeldemoserver: could not write the client's settings\n";
            return 1;
        }
        return 0;
    }

    ZELDemoServer server;
    if (!server.listen(quint16(port))) {
        err << "zeldemoserver: cannot listen on 127.0.0.1:" << port << "\n";
        return 1;
    }
    if (parser.isSet(dataOption) && !seedClientSettings(parser.value(dataOption), server.port(), user->login))
        err << "zeldemoserver: could not write the client's settings\n";

    err << "zeldemoserver: listening on 127.0.0.1:" << server.port()
        << "; users " << directory.logins().join(QStringLiteral(", ")) << "; password \""
        << ZELDemoDirectory::DefaultPassword << "\"\n";
    err.flush();
    return app.exec();
}
